// The file browser on the left of the VokList editor.
#include "voklist/VokListBrowser.h"

#include <QFile>
#include <QFileIconProvider>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <system_error>

#include "support/ZqSysUtils.h"
#include "voklist/VokListFolder.h"

namespace vok {

namespace {

constexpr int kFolderRole = Qt::UserRole;
// The name on disk, kept while the shown text is being edited.
constexpr int kNameRole = Qt::UserRole + 1;

QString Shown(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }
std::string Stored(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace

TVokListBrowser::TVokListBrowser(QWidget* parent) : QListWidget(parent), watcher_(new QFileSystemWatcher(this)) {
    // Columns of names running top to bottom, as a folder list shows them.
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { Refresh(); });
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (filling_) return;
        // The item is replaced when the folder is read again: rename once its edit has ended.
        const std::string oldName = item->data(kNameRole).toByteArray().toStdString();
        const std::string newName = Stored(item->text());
        QMetaObject::invokeMethod(this, [this, oldName, newName] { Rename(oldName, newName); }, Qt::QueuedConnection);
    });
}

void TVokListBrowser::SetFolder(const std::string& folder) {
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    folder_ = IncludeTrailingPathDelimiter(ToNativePath(folder.empty() ? "." : folder));
    if (DirectoryExists(folder_)) watcher_->addPath(Shown(folder_));
    clear();
    Refresh();
}

void TVokListBrowser::Refresh() {
    QStringList selected;
    for (const QListWidgetItem* item : selectedItems()) selected << item->text();
    const QString current = currentItem() ? currentItem()->text() : QString();

    static const QIcon folderIcon = QFileIconProvider().icon(QFileIconProvider::Folder);
    static const QIcon fileIcon = QFileIconProvider().icon(QFileIconProvider::File);
    filling_ = true;
    const QSignalBlocker block(this);
    clear();
    // Only names are read: no file is opened, so a large folder shows at once.
    for (const FolderEntry& entry : ListFolderEntries(folder_)) {
        auto* item = new QListWidgetItem(entry.IsFolder ? folderIcon : fileIcon, Shown(entry.Name), this);
        item->setData(kFolderRole, entry.IsFolder);
        item->setData(kNameRole, QByteArray::fromStdString(entry.Name));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (selected.contains(item->text())) item->setSelected(true);
        if (item->text() == current) setCurrentItem(item, QItemSelectionModel::NoUpdate);
    }
    filling_ = false;
    // A folder that was removed while shown stays empty until another is opened.
    if (!DirectoryExists(folder_) && !watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    emit itemSelectionChanged();
}

void TVokListBrowser::GoToParent() {
    std::filesystem::path path(folder_);
    path = path.parent_path();  // without the trailing '/'
    if (!path.has_parent_path() || path.parent_path() == path) return;
    const QString left = Shown(path.filename().string());
    SetFolder(path.parent_path().string());
    // The folder just left stays selected, as a folder list does it.
    if (QListWidgetItem* item = FindName(left)) {
        setCurrentItem(item);
        scrollToItem(item);
    }
}

std::string TVokListBrowser::ItemPath(const QListWidgetItem* item) const {
    return folder_ + item->data(kNameRole).toByteArray().toStdString();
}

bool TVokListBrowser::IsFolder(const QListWidgetItem* item) { return item->data(kFolderRole).toBool(); }

std::vector<QListWidgetItem*> TVokListBrowser::SelectedInOrder() const {
    std::vector<QListWidgetItem*> items;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected()) items.push_back(item(row));
    return items;
}

QListWidgetItem* TVokListBrowser::FindName(const QString& name) const {
    for (int row = 0; row < count(); ++row)
        if (item(row)->text() == name) return item(row);
    return nullptr;
}

void TVokListBrowser::keyPressEvent(QKeyEvent* event) {
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        emit GroupStep(event->key() == Qt::Key_Left ? -1 : +1);
        return;
    }
    if (state() != QAbstractItemView::EditingState) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: emit EnterPressed(); return;
            case Qt::Key_Backspace: GoToParent(); return;
            case Qt::Key_F5: Refresh(); return;
            default: break;
        }
    }
    QListWidget::keyPressEvent(event);
}

QStringList TVokListBrowser::mimeTypes() const { return {"text/uri-list"}; }

QMimeData* TVokListBrowser::mimeData(const QList<QListWidgetItem*>&) const {
    // Dragged files go in the browser's order, whatever order they were picked in.
    QList<QUrl> urls;
    for (const QListWidgetItem* item : SelectedInOrder())
        if (!IsFolder(item)) urls << QUrl::fromLocalFile(Shown(ItemPath(item)));
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

void TVokListBrowser::Rename(const std::string& oldName, const std::string& newName) {
    if (newName == oldName) return;
    std::error_code ec;
    if (newName.empty() || newName.find('/') != std::string::npos)
        ec = std::make_error_code(std::errc::invalid_argument);
    else if (std::filesystem::exists(folder_ + newName, ec))
        ec = std::make_error_code(std::errc::file_exists);
    else
        std::filesystem::rename(folder_ + oldName, folder_ + newName, ec);
    // The list is read again either way: it shows what the disk holds.
    Refresh();
    if (ec) {
        emit RenameFailed(QString::fromStdString(ec.message()));
        return;
    }
    if (QListWidgetItem* renamed = FindName(Shown(newName))) setCurrentItem(renamed);
}

}  // namespace vok
