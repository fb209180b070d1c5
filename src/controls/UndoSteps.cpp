#include "controls/UndoSteps.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

namespace vok {

namespace {

// The id of every step that may merge; QUndoStack merges only steps of one id.
constexpr int kMergingStep = 1;

}  // namespace

TUndoStep::TUndoStep(std::function<void()> undo, std::function<void()> redo, int mergeKey)
    : undo_(std::move(undo)), redo_(std::move(redo)), mergeKey_(mergeKey) {}

void TUndoStep::undo() { undo_(); }

void TUndoStep::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    redo_();
}

int TUndoStep::id() const { return mergeKey_ >= 0 ? kMergingStep : -1; }

bool TUndoStep::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const TUndoStep*>(other);
    if (!next || next->mergeKey_ != mergeKey_) return false;
    // Undo goes back to before the first step, redo on to after the last.
    redo_ = next->redo_;
    return true;
}

void AddUndoKeys(QWidget* window, QUndoStack* stack) {
    QAction* undo = stack->createUndoAction(window);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = stack->createRedoAction(window);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
}

}  // namespace vok
