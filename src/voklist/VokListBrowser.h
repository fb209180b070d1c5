#pragma once
// The VokList editor's file browser: the folders and files of one folder, sorted,
// following changes on disk, with renaming in place.
#include <QListWidget>
#include <string>
#include <vector>

class QFileSystemWatcher;

namespace vok {

class TVokListBrowser : public QListWidget {
    Q_OBJECT
public:
    explicit TVokListBrowser(QWidget* parent = nullptr);

    // Shows a folder; the current folder with a trailing '/'.
    void SetFolder(const std::string& folder);
    const std::string& Folder() const { return folder_; }
    // Reads the folder again, keeping the selection by name.
    void Refresh();
    void GoToParent();

    // The full name of an item, and whether it is a folder.
    std::string ItemPath(const QListWidgetItem* item) const;
    static bool IsFolder(const QListWidgetItem* item);
    // The selected items in the browser's order.
    std::vector<QListWidgetItem*> SelectedInOrder() const;
    QListWidgetItem* FindName(const QString& name) const;

signals:
    // Enter on the current item.
    void EnterPressed();
    // Ctrl+Left (-1) and Ctrl+Right (+1): the group steps of the editor.
    void GroupStep(int step);
    // A rename that the file system refused, with its reason.
    void RenameFailed(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;

private:
    void Rename(const std::string& oldName, const std::string& newName);

    std::string folder_;
    QFileSystemWatcher* watcher_;
    bool filling_ = false;
};

}  // namespace vok
