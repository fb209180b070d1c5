#pragma once
// Files dragged onto a control and dropped there, as a file manager does it.
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <string>
#include <vector>

namespace vok::test {

struct DropResult {
    bool Entered = false;                         // the drag was taken on entering
    Qt::DropAction Action = Qt::IgnoreAction;     // what the drop did with the files
};

inline DropResult DropFiles(QWidget* target, const std::vector<std::string>& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& file : files) urls << QUrl::fromLocalFile(QString::fromStdString(file));
    data.setUrls(urls);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    DropResult result{enter.isAccepted(), Qt::IgnoreAction};
    if (!result.Entered) return result;
    QDropEvent drop(QPointF(5, 5), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    result.Action = drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    // What waits for the end of the drop runs now.
    QApplication::processEvents();
    return result;
}

}  // namespace vok::test
