#pragma once
// The VokList editor's list of the names of one group; files dropped on it from
// the browser join the group.
#include <QListWidget>
#include <string>
#include <vector>

class QMimeData;

namespace vok {

class TVokListNames : public QListWidget {
    Q_OBJECT
public:
    explicit TVokListNames(QWidget* parent = nullptr);

    // The local files a drop carries, in order.
    static std::vector<std::string> FilesOf(const QMimeData& data);

signals:
    // Local files dropped on the list, in the order they came.
    void FilesDropped(const std::vector<std::string>& files);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace vok
