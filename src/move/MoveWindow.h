#pragma once
// The move-monster window: shows one frame at a time under the reference grid and
// shifts all frames, or the selected one, by the arrow buttons or by dragging; OK
// writes every file once.
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "controls/ProgressDialog.h"
#include "controls/ZqModalForm.h"
#include "move/FrameShift.h"
#include "move/MoveGrid.h"

class QListWidget;
class QPushButton;

namespace vok {

class IDialogs;
class TImageView;
class TZqSpeedButton;
class TZqTimer;

class TForm4 : public TZqModalForm {
    Q_OBJECT
public:
    explicit TForm4(IDialogs& dialogs, QWidget* parent = nullptr);

    // The window's class name: the program's title and " Move Form".
    const std::string ClassName;
    // The frame file names, set by the main window before ShowFrameList.
    std::vector<std::string> FileNames;
    // Shows the frames modally; returns when the window is closed. When the first
    // frame cannot be loaded its error is reported and the window does not open.
    void ShowFrameList();
    // Moves all frames or the selected one ("Move") and redraws.
    void ShiftFrames(int dx, int dy);

    // Controls, named as designed.
    TImageView* Image1;
    QListWidget* ListBox1;
    TZqSpeedButton* SpeedButton1;  // "Move All"
    TZqSpeedButton* SpeedButton2;  // "Move"
    TZqSpeedButton* ZqSpeedButton1;  // up
    TZqSpeedButton* ZqSpeedButton2;  // left
    TZqSpeedButton* ZqSpeedButton3;  // down
    TZqSpeedButton* ZqSpeedButton4;  // right
    QPushButton* Button1;  // OK
    QPushButton* Button2;  // Cancel
    TZqTimer* Timer1;

    // The frames, their pictures and offsets.
    TFrameShifter Frames;
    // What saving says: its progress, and the frames it had to leave.
    TProgressTexts ProgressDialog1{"Writing frames..."};
    std::string FramesNotSavedText = "These frames could not be loaded and were not saved:";
    MoveGrid GridBitmap;
    int DragX = INT_MAX;
    int DragY = 0;
    TZqSpeedButton* RepeatButton = nullptr;
    // Whether the mouse pointer is over a control; tests replace it.
    std::function<bool(const QWidget*)> PointerOver;

    // Draws the selected frame under the grid; false after a reported failure.
    bool ListBox1Click();
    void ZqSpeedButtonClick(TZqSpeedButton* button);
    void ZqSpeedButtonMouseDown(TZqSpeedButton* button);
    void ZqSpeedButtonMouseUp();
    void Timer1Timer();
    void Image1MouseDown(Qt::MouseButton button, int x, int y);
    void Image1MouseMove(int x, int y);
    void Image1MouseUp(Qt::MouseButton button, int x, int y);
    void Button1Click();
    void Button2Click();
    // Right click on a control: shows the long part of its hint; true when one was shown.
    bool FormContextPopup(QWidget* control, const QPoint& pos);

private:
    void CreateControls();
    void FillList();
    // The view without a frame: the grid picture, or an empty view of the design size.
    QImage BareView() const;

    IDialogs& dialogs_;
    // The display form of the frame last drawn, and its entry.
    QImage frameImage_;
    int frameImageEntry_ = -1;
};

}  // namespace vok
