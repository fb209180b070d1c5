// TForm3, "Generate Shadow and Selection": previews and saves the shadows of a VokList.
#include "shadow/ShadowWindow.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "support/AppInfo.h"
#include "controls/ProgressDialog.h"
#include "controls/Dialogs.h"
#include "controls/ContextHint.h"
#include "controls/ControlHint.h"
#include "controls/Windows1252.h"
#include "pictures/BitmapImage.h"

namespace vok {

namespace {

constexpr int kItemHeight = 13;

QPushButton* MakeButton(QWidget* parent, const char* name, int x, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(x, 0, 75, 25);
    // Enter in the list must not save every frame.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TForm3::TForm3(IDialogs& dialogs, QWidget* parent)
    : TZqModalForm(parent), ClassName(std::string(AppTitle) + " Shadow Form"), dialogs_(dialogs) {
    BecomeSecondaryWindow("Form3", "[Shadow Form]");
    setWindowTitle("Generate Shadow and Selection");
    ExposeProgressTexts(this, "ProgressDialog1", ProgressDialog1);
    setFixedSize(593, 449);

    Image1 = new TImageView(this);
    Image1->setCursor(Qt::CrossCursor);
    Image1->setObjectName("Image1");
    Image1->setGeometry(8, 8, 450, 400);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(464, 8, 121, 401);
    ListBox1->setUniformItemSizes(true);
    // Long rows are cut at the edge, not shortened with an ellipsis.
    ListBox1->setTextElideMode(Qt::ElideNone);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(216, 416, 161, 25);
    Button1 = MakeButton(Panel1, "Button1", 0, "OK");
    Button2 = MakeButton(Panel1, "Button2", 86, "Cancel");

    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(Image1, &TImageView::MouseDown, this, &TForm3::Image1MouseDown);
    connect(Image1, &TImageView::MouseMove, this, &TForm3::Image1MouseMove);
    connect(Image1, &TImageView::MouseUp, this, &TForm3::Image1MouseUp);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    for (QWidget* control : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(ListBox1),
                             static_cast<QWidget*>(Button1), static_cast<QWidget*>(Button2)}) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint& pos) { Image1ContextPopup(control, pos); });
    }
}

void TForm3::ShowForVokList() {
    LastItem = -1;
    Dragging = false;
    Job.Open(ListFileName);
    FillList();
    ListBox1Click();
    ShowModal();
}

void TForm3::FillList() {
    const QSignalBlocker block(ListBox1);
    ListBox1->clear();
    for (const std::string& row : Job.List().Rows) {
        auto* item = new QListWidgetItem(FromWindows1252(row), ListBox1);
        item->setSizeHint(QSize(0, kItemHeight));
    }
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
}

bool TForm3::Preview() {
    const int row = ListBox1->currentRow();
    LastItem = row;
    try {
        if (row < 0 || !Job.Preview(row, work_)) {
            Image1->Clear();
            return true;
        }
        QImage image = ToQImage(work_);
        const int baseLine = Job.BaseLine();
        if (baseLine >= 0 && baseLine < image.height()) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(baseLine));
            std::fill(line, line + image.width(), qRgb(0, 0, 0));
        }
        Image1->SetImage(std::move(image));
        return true;
    } catch (const std::exception& e) {
        // The report is modal and takes the mouse: a drag ends here.
        Image1->Clear();
        Dragging = false;
        dialogs_.ShowError(e.what());
        return false;
    }
}

void TForm3::ListBox1Click() { Preview(); }

void TForm3::Image1MouseDown(Qt::MouseButton button, int, int y) {
    if (button != Qt::LeftButton) return;
    Job.SetBaseLine(y);
    Dragging = true;
    Preview();
}

void TForm3::Image1MouseMove(int, int y) {
    if (!Dragging) return;
    Job.SetBaseLine(y);
    Preview();
}

void TForm3::Image1MouseUp(Qt::MouseButton button, int, int) {
    if (button == Qt::LeftButton) Dragging = false;
}

void TForm3::Button1Click() {
    // The window closes whatever happens; a failure ends the saving at its frame.
    RunReported(dialogs_, [this] {
        TProgressDialog progress(this, ProgressDialog1);
        Job.Save(&progress);
    });
    accept();
}

void TForm3::Button2Click() { reject(); }

bool TForm3::Image1ContextPopup(QWidget* control, const QPoint&) { return ShowContextHint(control); }


}  // namespace vok
