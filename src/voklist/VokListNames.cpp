// The name list of the VokList editor.
#include "voklist/VokListNames.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace vok {

TVokListNames::TVokListNames(QWidget* parent) : QListWidget(parent) {
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setUniformItemSizes(true);
}

void TVokListNames::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TVokListNames::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

std::vector<std::string> TVokListNames::FilesOf(const QMimeData& data) {
    std::vector<std::string> files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    return files;
}

void TVokListNames::dropEvent(QDropEvent* event) {
    const std::vector<std::string> files = FilesOf(*event->mimeData());
    event->acceptProposedAction();
    if (!files.empty()) emit FilesDropped(files);
}

}  // namespace vok
