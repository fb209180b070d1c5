// TForm5, "VokList Editor": Play shows the frames of the group on show one after another.
#include <QLabel>

#include "controls/ControlHint.h"
#include "controls/FramePlayer.h"
#include "controls/ZqSpeedButton.h"
#include "controls/ZqSpinEdit.h"
#include "controls/ZqTimer.h"
#include "voklist/VokListEditor.h"
#include "voklist/VokListPreview.h"

namespace vok {

void TForm5::CreatePlayControls() {
    const char* const rateHint = "Frames per second|How fast Play shows the frames: 1 to 60 frames a second.";
    ZqSpeedButton4 = new TZqSpeedButton(this);
    ZqSpeedButton4->setObjectName("ZqSpeedButton4");
    ZqSpeedButton4->setGeometry(384, 504, 57, 25);
    ZqSpeedButton4->setText("Play");
    // Down while playing: a group of its own, which shows it down (the click handler lets it up).
    ZqSpeedButton4->SetGroupIndex(1);
    SetHint(ZqSpeedButton4, "Play|Shows the frames of the group in the preview one after another, over and over. "
                            "Press it again, or Space in the list of names, to stop.");

    ZqSpinEdit1 = new TZqSpinEdit(this);
    ZqSpinEdit1->setObjectName("ZqSpinEdit1");
    ZqSpinEdit1->setGeometry(456, 506, 51, 21);
    ZqSpinEdit1->SetMinValue(TFramePlayer::kMinRate);
    ZqSpinEdit1->SetMaxValue(TFramePlayer::kMaxRate);
    ZqSpinEdit1->SetValue(TFramePlayer::kDefaultRate);
    SetHint(ZqSpinEdit1, rateHint);

    Label2 = new QLabel("fps", this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(512, 504, 51, 25);
    SetHint(Label2, rateHint);

    Player = new TFramePlayer(this);
    Player->Count = [this] { return int(Edit.Names.size()); };
    // Unreadable frames are skipped; the preview empties itself for them.
    Player->ShowFrame = [this](int frame, int) { return Image1->PreviewPicture(Edit.NamePath(Edit.Names[std::size_t(frame)])); };
    Player->OnPlayingChange = [this](bool playing) { ZqSpeedButton4->SetDown(playing); };
    Timer1 = Player->Timer();
    Timer1->setObjectName("Timer1");

    connect(ZqSpeedButton4, &QAbstractButton::clicked, this, [this] { ZqSpeedButton4Click(); });
    ZqSpinEdit1->OnChanged = [this](TZqSpinEdit*) { ZqSpinEdit1Change(); };
}

void TForm5::ZqSpeedButton4Click() {
    // The rate as it stands in the field, typed but not yet entered included.
    Player->Toggle(ZqSpinEdit1->Value());
    ZqSpeedButton4->SetDown(Player->Playing());
}

void TForm5::ZqSpinEdit1Change() { Player->SetRate(ZqSpinEdit1->Value()); }

void TForm5::StopPlaying() { Player->Stop(); }

}  // namespace vok
