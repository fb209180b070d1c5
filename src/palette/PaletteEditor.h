#pragma once
// The palette editor: a 16 x 16 grid of palette positions from which the user picks
// the standard colours.
#include <QWidget>
#include <functional>
#include <string>

#include "colours/StandardColors.h"
#include "controls/Dialogs.h"
#include "controls/ZqModalForm.h"
#include "palette/PaletteCells.h"

class QPushButton;
class QUndoStack;

namespace vok {

class TForm2;

// The cell area: paints the cells an update touches and turns the mouse into
// selection drags and colour changes.
class TPaletteBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaletteBox(TForm2& form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TForm2& form_;
};

class TForm2 : public TZqModalForm {
    Q_OBJECT
public:
    explicit TForm2(IDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the editor on the table; on OK writes the edited colours back into it
    // and returns true. Cancel and Escape change nothing.
    bool ShowPaletteEditor(StandardColorTable& table);
    // Takes the colours of a BMP's palette; raises the loader's error and changes
    // nothing for a file that is not a readable BMP.
    void LoadPaletteFromBitmap(const std::string& fileName);
    // Paints the block of cells from (firstColumn, firstRow) to (lastColumn, lastRow).
    void DrawCells(QPainter& painter, int firstColumn, int firstRow, int lastRow, int lastColumn);
    // Asks for the cells' repainting: whole cells, or only their frames.
    void InvalidateCells(const std::vector<int>& positions);

    void Button1Click();  // OK
    void Button3Click();  // Load
    // Right click on a cell: a new colour for it through the colour dialog.
    void ChangeColor(int position);
    // The mouse drag ends: its run of positions is toggled.
    void ReleaseDrag();

    // The window's class name: the program's title and " Palette Form".
    const std::string ClassName;
    PaletteCells Cells;
    TPaletteBox* PaintBox1;
    QPushButton* Button1;  // OK
    QPushButton* Button2;  // Cancel
    QPushButton* Button3;  // Load
    ColorDialogOptions ColorDialog1;
    FileDialogOptions OpenPictureDialog1;
    // The selection and colour changes; OK writes what is in force.
    QUndoStack* Undo;

protected:
    // A picture dropped on the window gives its palette, as Load does.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Makes a change of the cells one step that undo takes back.
    void Change(const std::function<void()>& change);

    IDialogs& dialogs_;
    StandardColorTable* table_ = nullptr;
};

}  // namespace vok
