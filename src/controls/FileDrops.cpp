#include "controls/FileDrops.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace vok {

std::vector<std::string> LocalFilesOf(const QMimeData& data) {
    std::vector<std::string> files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    return files;
}

void AcceptAsCopy(QDropEvent* event) {
    if (!(event->possibleActions() & Qt::CopyAction)) return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

}  // namespace vok
