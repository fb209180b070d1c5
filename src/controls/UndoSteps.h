#pragma once
// What the editors share for undo: a step pushed after its change was made, and the
// undo keys of a window.
#include <QUndoCommand>
#include <functional>

class QUndoStack;
class QWidget;

namespace vok {

// A change already made when it is pushed: the first redo does nothing, later ones
// and every undo run the given actions. Steps with the same merge key (0 or more)
// pushed one after another become one step: a held arrow or a drag is undone at once.
class TUndoStep : public QUndoCommand {
public:
    TUndoStep(std::function<void()> undo, std::function<void()> redo, int mergeKey = -1);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    std::function<void()> undo_, redo_;
    int mergeKey_;
    bool done_ = true;
};

// Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo the stack's steps wherever the focus is
// in the window; a text field keeps the keys for its own text.
void AddUndoKeys(QWidget* window, QUndoStack* stack);

}  // namespace vok
