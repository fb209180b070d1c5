// The standard-colour list of the main window: the memo, its swatches and the count label.
#include <QCheckBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "colours/ColorShape.h"
#include "app/MainWindow.h"
#include "png/Png.h"

namespace vok {

std::vector<std::pair<int, int>> TForm1::MemoLineSpans() const {
    // The memo's plain text has one character per cursor position; a soft line break
    // (Shift+Enter) reads as a line break there like a hard one, so both end a line.
    const QString text = Memo1->toPlainText();
    std::vector<std::pair<int, int>> spans;
    int start = 0;
    while (start < text.size()) {
        int end = int(text.indexOf('\n', start));
        if (end < 0) end = int(text.size());
        spans.emplace_back(start, end - start);
        start = end + 1;
    }
    return spans;
}

std::vector<std::string> TForm1::MemoLines() const {
    const QString text = Memo1->toPlainText();
    std::vector<std::string> lines;
    for (const auto& [start, length] : MemoLineSpans()) lines.push_back(text.mid(start, length).toStdString());
    return lines;
}

void TForm1::SetMemoLines(const std::vector<std::string>& lines) {
    QStringList parts;
    for (const std::string& line : lines) parts << QString::fromStdString(line);
    memoChangeAttached_ = false;
    Memo1->setPlainText(parts.join('\n'));
    memoChangeAttached_ = true;
    Run(&TForm1::Memo1Change);
}

void TForm1::SetInitialColors() {
    StandardColorTable = DefaultStandardColors();
    SetPngReading({});
    for (ColorValue color : InitialStandardColors) Memo1->appendPlainText(QString::fromStdString(StandardColorText(color)));
}

void TForm1::ReadStandardColors() { StandardColorTable = ParseStandardColors(MemoLines()); }

int TForm1::MemoFirstVisibleLine() const {
    // Lines do not wrap, so the scroll position counts lines.
    return Memo1->verticalScrollBar()->value();
}

void TForm1::Memo1Change() {
    const std::vector<std::string> lines = MemoLines();
    // Transparent PNG pixels read in any window take the list's first colour.
    SetPngReading({std::uint32_t(FirstStandardColor(ParseStandardColors(lines)))});
    const int h = QFontMetrics(Memo1->font()).height();
    MemoTopLine = MemoFirstVisibleLine();
    const int base = 1 - MemoTopLine * h;
    const std::size_t count = lines.size() + 1;
    while (ColorShapes.size() > count) {
        delete ColorShapes.back();
        ColorShapes.pop_back();
    }
    while (ColorShapes.size() < count) {
        auto* shape = new TColorShape(int(ColorShapes.size()), Panel1);
        shape->move(2, 0);
        shape->OnClick = [this](TColorShape* s) {
            RunReported(dialogs_, [this, s] { ShapeClick(s); });
        };
        ColorShapes.push_back(shape);
    }
    for (std::size_t j = 0; j < lines.size(); ++j) {
        TColorShape* shape = ColorShapes[j];
        const int top = base + int(j) * h;
        if (top <= -h || top >= 140) {
            shape->hide();
            continue;
        }
        shape->move(2, top);
        shape->show();
        if (lines[j].empty()) {
            shape->SetColor(-1);
        } else {
            const ColorValue color = ParseStandardColorLine(lines[j]);
            shape->SetColor(color < 0 ? 0 : (color & 0xFFFFFF));
        }
    }
    TColorShape* extra = ColorShapes.back();
    extra->move(2, base + int(lines.size()) * h);
    extra->SetColor(-1);
    extra->show();
}

void TForm1::ShapeClick(TColorShape* shape) {
    ColorDialog1.Color = shape->FillColor();
    if (!dialogs_.PickColor(ColorDialog1)) return;
    const QString text = QString::fromStdString(StandardColorText(ColorDialog1.Color & 0xFFFFFF));
    const int index = shape->Index();
    const std::vector<std::pair<int, int>> spans = MemoLineSpans();
    QTextCursor cursor(Memo1->document());
    if (index >= int(spans.size())) {
        // The extra swatch adds a line.
        cursor.movePosition(QTextCursor::End);
        const QString all = Memo1->toPlainText();
        cursor.insertText(all.isEmpty() || all.endsWith('\n') ? text : "\n" + text);
    } else {
        cursor.setPosition(spans[std::size_t(index)].first);
        cursor.setPosition(spans[std::size_t(index)].first + spans[std::size_t(index)].second, QTextCursor::KeepAnchor);
        cursor.insertText(text);
    }
}

bool TForm1::Memo1KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers mods = modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (key == Qt::Key_A && mods == Qt::ControlModifier) {
        Memo1->selectAll();
        return true;
    }
    return false;
}

void TForm1::ZqWinController1WndProc(TZqWinController*, QEvent* msg, bool& handled,
                                     const std::function<bool()>& next) {
    if (msg->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(msg);
        if (Memo1KeyDown(key->key(), key->modifiers())) {
            key->accept();
            handled = true;
            return;
        }
    }
    next();
    handled = true;
    // The memo may have scrolled by keyboard: keep the swatches with the lines.
    if (msg->type() == QEvent::KeyPress && MemoFirstVisibleLine() != MemoTopLine) Run(&TForm1::Memo1Change);
}

void TForm1::CheckBox3Click() {
    CheckBox4->setEnabled(CheckBox3->isChecked());
    if (CheckBox3->isChecked()) ReadStandardColors();
    Label11->setText(QString::number(ReducedPaletteSize(StandardColorTable, CheckBox3->isChecked(), CheckBox4->isChecked())));
}

}  // namespace vok
