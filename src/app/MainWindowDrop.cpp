// The main window takes a VokList dropped on it from the file manager and opens it in
// the VokList editor.
#include <QDropEvent>
#include <QMimeData>

#include "app/MainWindow.h"
#include "controls/FileDrops.h"
#include "voklist/VokList.h"
#include "voklist/VokListEditor.h"

namespace vok {
namespace {

// The first VokList (".txl", in any case) a drag carries; empty when none.
std::string VokListOf(const QMimeData& data) {
    for (const std::string& file : LocalFilesOf(data))
        if (IsVokListName(file)) return file;
    return {};
}

// Watches the window and its controls, some of which take drops of their own (the
// colour list would take the file's name as text): a VokList goes to `open`, anything
// else takes its usual course.
class VokListDrops : public QObject {
public:
    VokListDrops(QObject* parent, std::function<void(const std::string&)> open)
        : QObject(parent), open_(std::move(open)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
        auto* drop = static_cast<QDropEvent*>(event);
        const std::string list = VokListOf(*drop->mimeData());
        if (list.empty()) return false;
        AcceptAsCopy(drop);
        // Opened once the drop is over: the editor is modal and must not hold up the file manager.
        if (type == QEvent::Drop) QMetaObject::invokeMethod(this, [this, list] { open_(list); }, Qt::QueuedConnection);
        return true;
    }

private:
    std::function<void(const std::string&)> open_;
};

}  // namespace

void TForm1::AcceptVokListDrops() {
    setAcceptDrops(true);
    auto* drops = new VokListDrops(this, [this](const std::string& list) {
        RunReported(dialogs_, [&] { Form5->EditVokListFile(list); });
    });
    installEventFilter(drops);
    // Drops reach a text field through its viewport: every control is watched.
    for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(drops);
}

}  // namespace vok
