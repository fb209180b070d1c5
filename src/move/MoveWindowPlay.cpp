// TForm4, "Move Monster": Play shows all frames one after another over the grid.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>

#include "controls/ControlHint.h"
#include "controls/ContextHint.h"
#include "controls/FramePlayer.h"
#include "controls/ImageView.h"
#include "controls/ZqSpeedButton.h"
#include "controls/ZqSpinEdit.h"
#include "controls/ZqTimer.h"
#include "move/MoveView.h"
#include "move/MoveWindow.h"
#include "pictures/BitmapImage.h"

namespace vok {

void TForm4::CreatePlayControls() {
    // One row below the designed controls.
    constexpr int kTop = 449;
    setFixedSize(width(), kTop + 28);
    const char* const rateHint = "Frames per second|How fast Play shows the frames: 1 to 60 frames a second.";

    ZqSpeedButton5 = new TZqSpeedButton(this);
    ZqSpeedButton5->setObjectName("ZqSpeedButton5");
    ZqSpeedButton5->setGeometry(8, kTop, 81, 22);
    ZqSpeedButton5->setFocusPolicy(Qt::NoFocus);
    ZqSpeedButton5->setText("Play");
    // Down while playing: a group of its own, which shows it down (the click handler lets it up).
    ZqSpeedButton5->SetGroupIndex(2);
    SetHint(ZqSpeedButton5, "Play|Shows all frames one after another over the grid, over and over. "
                            "The arrows and dragging shift frames while it plays. Press it again to stop.");

    ZqSpinEdit1 = new TZqSpinEdit(this);
    ZqSpinEdit1->setObjectName("ZqSpinEdit1");
    ZqSpinEdit1->setGeometry(96, kTop, 45, 21);
    ZqSpinEdit1->SetMinValue(TFramePlayer::kMinRate);
    ZqSpinEdit1->SetMaxValue(TFramePlayer::kMaxRate);
    ZqSpinEdit1->SetValue(TFramePlayer::kDefaultRate);
    SetHint(ZqSpinEdit1, rateHint);

    Label1 = new QLabel("fps", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(146, kTop, 30, 21);
    SetHint(Label1, rateHint);

    CheckBox1 = new QCheckBox("Onion skin", this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setGeometry(184, kTop, 140, 21);
    CheckBox1->setChecked(true);
    SetHint(CheckBox1, "Onion skin|While playing, the frame shown before is drawn faintly under each frame, "
                       "so that a frame out of line stands out.");

    Player = new TFramePlayer(this);
    Player->Count = [this] { return ListBox1->count(); };
    Player->ShowFrame = [this](int row, int previous) { return DrawPlayedFrame(row, previous); };
    Player->OnPlayingChange = [this](bool playing) { ZqSpeedButton5->SetDown(playing); };
    Timer2 = Player->Timer();
    Timer2->setObjectName("Timer2");

    connect(ZqSpeedButton5, &QAbstractButton::clicked, this, [this] { ZqSpeedButton5Click(); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ZqSpinEdit1->OnChanged = [this](TZqSpinEdit*) { ZqSpinEdit1Change(); };
    for (QWidget* control : std::initializer_list<QWidget*>{ZqSpeedButton5, ZqSpinEdit1, Label1, CheckBox1}) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint& pos) { FormContextPopup(control, pos); });
    }
}

void TForm4::ZqSpeedButton5Click() {
    // The rate as it stands in the field, typed but not yet entered included.
    Player->Toggle(ZqSpinEdit1->Value());
    ZqSpeedButton5->SetDown(Player->Playing());
    // Stopped: the view shows the selected frame again.
    if (!Player->Playing()) ListBox1Click();
}

void TForm4::ZqSpinEdit1Change() { Player->SetRate(ZqSpinEdit1->Value()); }

void TForm4::CheckBox1Click() {
    if (Player->Playing()) ListBox1Click();
}

QImage TForm4::RowImage(int row) {
    const QListWidgetItem* item = ListBox1->item(row);
    if (!item) return QImage();
    try {
        const Bitmap& frame = Frames.Picture(Frames.FirstIndex(item->data(Qt::UserRole).toInt()));
        return frame.empty() ? QImage() : ToQImage(frame);
    } catch (const std::exception&) {
        // Playing skips a frame that cannot be loaded; OK names it.
        return QImage();
    }
}

bool TForm4::DrawPlayedFrame(int row, int previousRow) {
    const QImage frame = RowImage(row);
    if (frame.isNull()) return false;
    const auto offsetOf = [this](int r) { return Frames.Offset(ListBox1->item(r)->data(Qt::UserRole).toInt()); };
    QImage view = BareView();
    const ViewFrame shown{frame, offsetOf(row)};
    if (CheckBox1->isChecked() && previousRow >= 0 && previousRow != row && previousRow < ListBox1->count()) {
        const ViewFrame before{RowImage(previousRow), offsetOf(previousRow)};
        DrawFrameView(view, shown, GridBitmap.Overlay, &before);
    } else {
        DrawFrameView(view, shown, GridBitmap.Overlay);
    }
    Image1->SetImage(std::move(view));
    return true;
}

}  // namespace vok
