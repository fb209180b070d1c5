// The name list of the VokList editor.
#include "voklist/VokListNames.h"

#include <QDropEvent>
#include <QMimeData>

#include "controls/FileDrops.h"

namespace vok {

TVokListNames::TVokListNames(QWidget* parent) : QListWidget(parent) {
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setUniformItemSizes(true);
}

// A drop only names the files: they stay where they are.
void TVokListNames::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) AcceptAsCopy(event);
}

void TVokListNames::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) AcceptAsCopy(event);
}

std::vector<std::string> TVokListNames::FilesOf(const QMimeData& data) { return LocalFilesOf(data); }

void TVokListNames::dropEvent(QDropEvent* event) {
    const std::vector<std::string> files = FilesOf(*event->mimeData());
    AcceptAsCopy(event);
    if (!files.empty()) emit FilesDropped(files);
}

}  // namespace vok
