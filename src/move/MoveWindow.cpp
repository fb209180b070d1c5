// TForm4, "Move Monster": lines frames up with the reference grid and shifts them.
#include "move/MoveWindow.h"

#include <QCursor>
#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUndoStack>

#include "controls/ProgressDialog.h"
#include "controls/ContextHint.h"
#include "controls/ControlHint.h"
#include "controls/Dialogs.h"
#include "controls/FramePlayer.h"
#include "controls/ToolGlyphs.h"
#include "controls/UndoSteps.h"
#include "controls/ZqSpeedButton.h"
#include "controls/ZqTimer.h"
#include "controls/ImageView.h"
#include "controls/LanguageSections.h"
#include "move/MoveView.h"
#include "pictures/BitmapImage.h"
#include "support/AppInfo.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

constexpr int kViewWidth = 450;
constexpr int kViewHeight = 400;
constexpr int kItemHeight = 13;

TZqSpeedButton* MakeSpeedButton(QWidget* parent, const char* name, QRect place) {
    auto* button = new TZqSpeedButton(parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, int x, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(x, 416, 75, 25);
    // Enter in the list must not save every frame.
    button->setAutoDefault(false);
    return button;
}

// The unit step of an arrow button.
QPoint StepOf(const TZqSpeedButton* button) { return button->property("Step").toPoint(); }

}  // namespace

TForm4::TForm4(IDialogs& dialogs, QWidget* parent)
    : TZqModalForm(parent), ClassName(std::string(AppTitle) + " Move Form"), dialogs_(dialogs) {
    BecomeSecondaryWindow("Form4", "[Move Form]");
    setWindowTitle("Move Monster");
    ExposeProgressTexts(this, "ProgressDialog1", ProgressDialog1);
    ExposeLanguageTexts(this, "Messages", {{"FramesNotSaved", &FramesNotSavedText}});
    setFixedSize(593, 449);
    PointerOver = [](const QWidget* control) { return control->rect().contains(control->mapFromGlobal(QCursor::pos())); };
    Undo = new QUndoStack(this);
    AddUndoKeys(this, Undo);
    CreateControls();
    ConnectShiftSteps();
    CreatePlayControls();
    GridBitmap = LoadMoveGrid(GridFileName());
    Image1->SetImage(BareView());
}

void TForm4::CreateControls() {
    Image1 = new TImageView(this);
    Image1->AutoSize = true;
    Image1->setCursor(Qt::CrossCursor);
    Image1->setObjectName("Image1");
    Image1->setGeometry(8, 8, kViewWidth, kViewHeight);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(464, 8, 121, 401);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setTextElideMode(Qt::ElideNone);

    // The two mode buttons form group 1: one of them is always down.
    SpeedButton1 = MakeSpeedButton(this, "SpeedButton1", QRect(8, 416, 81, 22));
    SpeedButton1->setText("Move All");
    SpeedButton1->SetGroupIndex(1);
    SpeedButton1->SetDown(true);
    SpeedButton2 = MakeSpeedButton(this, "SpeedButton2", QRect(96, 416, 65, 22));
    SpeedButton2->setText("Move");
    SpeedButton2->SetGroupIndex(1);

    struct Arrow {
        TZqSpeedButton** button;
        const char* name;
        QRect place;
        ArrowDirection arrow;
        const char* hint;
        QPoint step;
    };
    const Arrow arrows[] = {
        {&ZqSpeedButton1, "ZqSpeedButton1", QRect(188, 411, 15, 15), ArrowDirection::Up, "Up", QPoint(0, -1)},
        {&ZqSpeedButton2, "ZqSpeedButton2", QRect(172, 419, 15, 15), ArrowDirection::Left, "Left", QPoint(-1, 0)},
        {&ZqSpeedButton3, "ZqSpeedButton3", QRect(188, 427, 15, 15), ArrowDirection::Down, "Down", QPoint(0, 1)},
        {&ZqSpeedButton4, "ZqSpeedButton4", QRect(204, 419, 15, 15), ArrowDirection::Right, "Right", QPoint(1, 0)},
    };
    for (const Arrow& a : arrows) {
        TZqSpeedButton* button = MakeSpeedButton(this, a.name, a.place);
        button->SetStyle(ZqsbOffice);
        button->SetFlat(true);
        button->SetHighlighted(true);
        button->SetGlyph(ArrowGlyph(a.arrow));
        button->setProperty("Step", a.step);
        SetHint(button, a.hint);
        *a.button = button;
        connect(button, &TZqSpeedButton::clicked, this, [this, button] { ZqSpeedButtonClick(button); });
        // The mouse button itself, not the button's pressed look: that one goes up and down
        // as the pointer leaves and comes back, which must not restart the first pause.
        button->installEventFilter(this);
    }

    Button1 = MakeButton(this, "Button1", 304, "OK");
    Button2 = MakeButton(this, "Button2", 384, "Cancel");

    Timer1 = new TZqTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->SetInterval(0);
    Timer1->SetOnTimer([this](TZqTimer&) { Timer1Timer(); });
    Timer1->OnError = [this](const std::exception& e) { dialogs_.ShowError(e.what()); };

    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(Image1, &TImageView::MouseDown, this, &TForm4::Image1MouseDown);
    connect(Image1, &TImageView::MouseMove, this, &TForm4::Image1MouseMove);
    connect(Image1, &TImageView::MouseUp, this, &TForm4::Image1MouseUp);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    for (QWidget* control : std::initializer_list<QWidget*>{Image1, ListBox1, SpeedButton1, SpeedButton2, ZqSpeedButton1,
                                                            ZqSpeedButton2, ZqSpeedButton3, ZqSpeedButton4, Button1,
                                                            Button2}) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint& pos) { FormContextPopup(control, pos); });
    }
}

void TForm4::ShowFrameList() {
    DragX = INT_MAX;
    RepeatButton = nullptr;
    Frames.SetFileNames(FileNames);
    Undo->clear();
    frameImage_ = QImage();
    frameImageEntry_ = -1;
    FillList();
    if (!GridBitmap.Error.empty()) dialogs_.ShowError(GridBitmap.Error);
    // The first frame is loaded before the window opens; if it cannot be, the window stays shut.
    if (!ListBox1Click()) return;
    ShowModal();
    Timer1->SetInterval(0);
    Player->Stop();
}

void TForm4::FillList() {
    const QSignalBlocker block(ListBox1);
    ListBox1->clear();
    for (std::size_t i = 0; i < FileNames.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(ExtractFileName(FileNames[i])), ListBox1);
        item->setData(Qt::UserRole, int(i));
        item->setSizeHint(QSize(0, kItemHeight));
    }
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
}

QImage TForm4::BareView() const {
    if (!GridBitmap.Picture.isNull()) return GridBitmap.Picture;
    QImage empty(kViewWidth, kViewHeight, QImage::Format_RGB32);
    empty.fill(palette().color(QPalette::Window));
    return empty;
}

bool TForm4::ListBox1Click() {
    // While playing, the view shows the frame played; the selection picks the frame "Move" moves.
    if (Player->Playing()) {
        DrawPlayedFrame(Player->Frame(), Player->Previous());
        return true;
    }
    QImage view = BareView();
    const QListWidgetItem* item = ListBox1->currentItem();
    if (!item) {
        Image1->SetImage(view);
        return true;
    }
    const int entry = Frames.FirstIndex(item->data(Qt::UserRole).toInt());
    try {
        const Bitmap& frame = Frames.Picture(entry);
        if (entry != frameImageEntry_) {
            frameImage_ = frame.empty() ? QImage() : ToQImage(frame);
            frameImageEntry_ = entry;
        }
    } catch (const std::exception& e) {
        // The report is modal and takes the mouse: a drag ends here.
        DragX = INT_MAX;
        Image1->SetImage(view);
        dialogs_.ShowError(e.what());
        return false;
    }
    DrawFrameView(view, ViewFrame{frameImage_, Frames.Offset(entry)}, GridBitmap.Overlay);
    Image1->SetImage(std::move(view));
    return true;
}

void TForm4::ShiftFrames(int dx, int dy) {
    const QListWidgetItem* item = ListBox1->currentItem();
    if ((dx == 0 && dy == 0) || !item) return;
    std::vector<FrameOffset> before = Frames.Offsets();
    if (SpeedButton2->Down())
        Frames.ShiftOne(item->data(Qt::UserRole).toInt(), dx, dy);
    else
        Frames.ShiftAll(dx, dy);
    PushShiftStep(std::move(before), SpeedButton2->Down() ? ListBox1->currentRow() : -1);
    ListBox1Click();
}

void TForm4::ConnectShiftSteps() {
    // One arrow press, however long it is held, is one undo step.
    for (TZqSpeedButton* arrow : {ZqSpeedButton1, ZqSpeedButton2, ZqSpeedButton3, ZqSpeedButton4})
        connect(arrow, &TZqSpeedButton::pressed, this, [this] { NewShiftGesture(); });
}

void TForm4::NewShiftGesture() { ++shiftGesture_; }

void TForm4::PushShiftStep(std::vector<FrameOffset> before, int row) {
    std::vector<FrameOffset> after = Frames.Offsets();
    if (after == before) return;
    auto restore = [this, row](const std::vector<FrameOffset>& offsets) {
        Frames.SetOffsets(offsets);
        // A step of one frame shows that frame.
        if (row >= 0 && row < ListBox1->count() && row != ListBox1->currentRow())
            ListBox1->setCurrentRow(row);
        else
            ListBox1Click();
    };
    Undo->push(new TUndoStep([restore, before = std::move(before)] { restore(before); },
                             [restore, after = std::move(after)] { restore(after); }, shiftGesture_));
}

void TForm4::ZqSpeedButtonClick(TZqSpeedButton* button) {
    const QPoint step = StepOf(button);
    ShiftFrames(step.x(), step.y());
}

void TForm4::ZqSpeedButtonMouseDown(TZqSpeedButton* button) {
    RepeatButton = button;
    Timer1->SetInterval(400);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress, release = event->type() == QEvent::MouseButtonRelease;
    if ((press || release) && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (TZqSpeedButton* arrow : {ZqSpeedButton1, ZqSpeedButton2, ZqSpeedButton3, ZqSpeedButton4}) {
            if (watched != arrow) continue;
            if (press) ZqSpeedButtonMouseDown(arrow);
            else ZqSpeedButtonMouseUp();
        }
    }
    return TZqModalForm::eventFilter(watched, event);
}

void TForm4::ZqSpeedButtonMouseUp() {
    RepeatButton = nullptr;
    Timer1->SetInterval(0);
}

void TForm4::Timer1Timer() {
    Timer1->SetInterval(100);
    if (RepeatButton && PointerOver(RepeatButton)) ZqSpeedButtonClick(RepeatButton);
}

void TForm4::Image1MouseDown(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton || !ListBox1->currentItem()) return;
    // Each drag is one undo step.
    NewShiftGesture();
    DragX = x;
    DragY = y;
}

void TForm4::Image1MouseMove(int x, int y) {
    if (DragX == INT_MAX) return;
    const int dx = x - DragX;
    const int dy = y - DragY;
    DragX = x;
    DragY = y;
    ShiftFrames(dx, dy);
}

void TForm4::Image1MouseUp(Qt::MouseButton button, int, int) {
    if (button == Qt::LeftButton) DragX = INT_MAX;
}

void TForm4::Button1Click() {
    // The window closes whatever happens; a failed save stops at its frame.
    RunReported(dialogs_, [this] {
        TProgressDialog progress(this, ProgressDialog1);
        const std::vector<std::string> skipped = Frames.Save(&progress);
        if (skipped.empty()) return;
        std::string text = FramesNotSavedText;
        for (const std::string& name : skipped) text += "\r\n" + name;
        dialogs_.ShowError(text);
    });
    accept();
}

void TForm4::Button2Click() { reject(); }

bool TForm4::FormContextPopup(QWidget* control, const QPoint&) { return ShowContextHint(control); }


}  // namespace vok
