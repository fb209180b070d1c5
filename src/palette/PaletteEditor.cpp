// TForm2, "Palette Editor": the 16 x 16 palette grid behind the standard colours.
#include "palette/PaletteEditor.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>
#include <QUndoStack>

#include "support/AppInfo.h"
#include "controls/Dialogs.h"
#include "controls/FileDrops.h"
#include "controls/LanguageSections.h"
#include "controls/UndoSteps.h"

namespace vok {
namespace {

QColor ToQColor(ColorValue color) {
    const auto c = std::uint32_t(color);
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

ColorValue FromQColor(const QColor& color) {
    return ColorValue(RGB(std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue())));
}

QRect CellRect(int position) {
    return QRect(position % PaletteColumns * PaletteCellSize, position / PaletteColumns * PaletteCellSize,
                 PaletteCellSize, PaletteCellSize);
}

QPushButton* MakeButton(QWidget* parent, const char* name, int x, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(x, 304, 75, 25);
    return button;
}

}  // namespace

TPaletteBox::TPaletteBox(TForm2& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName("PaintBox1");
    setGeometry(8, 8, PaletteAreaSize, PaletteAreaSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaletteBox::paintEvent(QPaintEvent* event) {
    const QRect area = event->rect();
    QPainter painter(this);
    form_.DrawCells(painter, area.left() / PaletteCellSize, area.top() / PaletteCellSize,
                    area.bottom() / PaletteCellSize, area.right() / PaletteCellSize);
}

void TPaletteBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        form_.InvalidateCells(form_.Cells.Press(PaletteCells::PositionAt(at.x(), at.y())));
    } else if (event->button() == Qt::RightButton && rect().contains(at)) {
        form_.ChangeColor(PaletteCells::PositionAt(at.x(), at.y()));
    }
}

void TPaletteBox::mouseMoveEvent(QMouseEvent* event) {
    if (form_.Cells.DragAnchor == NoDrag) return;
    const QPoint at = event->position().toPoint();
    const int position = PaletteCells::PositionAt(at.x(), at.y());
    form_.InvalidateCells(form_.Cells.Move(position));
}

void TPaletteBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    form_.ReleaseDrag();
}

TForm2::TForm2(IDialogs& dialogs, QWidget* parent)
    : TZqModalForm(parent), ClassName(std::string(AppTitle) + " Palette Form"), dialogs_(dialogs) {
    BecomeSecondaryWindow("Form2", "[Palette Form]");
    setWindowTitle("Palette Editor");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(304, 25 + 312);
    PaintBox1 = new TPaletteBox(*this, this);
    Button3 = MakeButton(this, "Button3", 8, "Load");
    Button1 = MakeButton(this, "Button1", 138, "OK");
    Button2 = MakeButton(this, "Button2", 221, "Cancel");
    Button1->setDefault(true);
    Button3->setAutoDefault(false);
    Button2->setAutoDefault(false);
    ColorDialog1.FullOpen = true;
    OpenPictureDialog1.Filter = "Pictures (bmp, pcx, png)|*.bmp;*.pcx;*.png|All files|*.*";
    OpenPictureDialog1.DefaultExt = ".bmp";
    OpenPictureDialog1.FileMustExist = true;
    OpenPictureDialog1.PathMustExist = true;
    ExposeLanguageTexts(this, "OpenPictureDialog1", {{"Title", &OpenPictureDialog1.Title}, {"Filter", &OpenPictureDialog1.Filter}});
    connect(Button1, &QPushButton::clicked, this, [this] { RunReported(dialogs_, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, [this] { RunReported(dialogs_, [this] { Button3Click(); }); });
    Undo = new QUndoStack(this);
    AddUndoKeys(this, Undo);
    setAcceptDrops(true);
}

bool TForm2::ShowPaletteEditor(StandardColorTable& table) {
    Cells.Load(table, FromQColor(palette().color(QPalette::Button)));
    Undo->clear();
    table_ = &table;
    PaintBox1->update();
    const bool ok = ShowModal() == QDialog::Accepted;
    table_ = nullptr;
    return ok;
}

void TForm2::DrawCells(QPainter& painter, int firstColumn, int firstRow, int lastRow, int lastColumn) {
    const QColor shadow = palette().color(QPalette::Dark);
    for (int row = std::max(firstRow, 0); row <= std::min(lastRow, PaletteColumns - 1); ++row) {
        for (int column = std::max(firstColumn, 0); column <= std::min(lastColumn, PaletteColumns - 1); ++column) {
            const int position = row * PaletteColumns + column;
            const QRect cell = CellRect(position);
            painter.fillRect(cell, Cells.FrameBlack(position) ? QColor(Qt::black) : shadow);
            painter.fillRect(cell.adjusted(1, 1, -1, -1), ToQColor(Cells.EditorPalette[std::size_t(position)]));
        }
    }
}

void TForm2::InvalidateCells(const std::vector<int>& positions) {
    for (int position : positions) PaintBox1->update(CellRect(position));
}

void TForm2::Change(const std::function<void()>& change) {
    const PaletteCells before = Cells;
    change();
    if (Cells.EditorPalette == before.EditorPalette && Cells.ColorSelected == before.ColorSelected) return;
    auto restore = [this](const PaletteCells& cells) {
        Cells.EditorPalette = cells.EditorPalette;
        Cells.ColorSelected = cells.ColorSelected;
        PaintBox1->update();
    };
    Undo->push(new TUndoStep([restore, before] { restore(before); }, [restore, after = Cells] { restore(after); }));
}

void TForm2::ReleaseDrag() {
    // The frames already show the toggled selection.
    Change([this] { Cells.Release(); });
}

void TForm2::ChangeColor(int position) {
    ColorDialog1.Color = Cells.EditorPalette[std::size_t(position)];
    if (!dialogs_.PickColor(ColorDialog1)) return;
    Change([&] { Cells.EditorPalette[std::size_t(position)] = ColorDialog1.Color & 0xFFFFFF; });
    InvalidateCells({position});
}

void TForm2::LoadPaletteFromBitmap(const std::string& fileName) {
    const std::vector<RgbQuad> colors = BitmapPaletteOfFile(fileName);
    Change([&] { Cells.TakeColorTable(colors); });
    PaintBox1->update();
}

void TForm2::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFilesOf(*event->mimeData()).empty()) AcceptAsCopy(event);
}

void TForm2::dropEvent(QDropEvent* event) {
    const std::vector<std::string> files = LocalFilesOf(*event->mimeData());
    if (files.empty()) return;
    AcceptAsCopy(event);
    // Loaded once the drop is over: an error report must not hold up the file manager.
    QMetaObject::invokeMethod(
        this, [this, file = files.front()] { RunReported(dialogs_, [&] { LoadPaletteFromBitmap(file); }); },
        Qt::QueuedConnection);
}

void TForm2::Button3Click() {
    if (!dialogs_.OpenFile(OpenPictureDialog1)) return;
    LoadPaletteFromBitmap(OpenPictureDialog1.FileName);
}

void TForm2::Button1Click() {
    if (table_) *table_ = Cells.Result();
    accept();
}

}  // namespace vok
