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

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QUndoStack;

namespace vok {

class IDialogs;
class TFramePlayer;
class TImageView;
class TZqSpeedButton;
class TZqSpinEdit;
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
    TZqSpeedButton* ZqSpeedButton5;  // Play
    TZqSpinEdit* ZqSpinEdit1;  // frames a second
    QLabel* Label1;  // "fps"
    QCheckBox* CheckBox1;  // onion skin
    TZqTimer* Timer2;  // steps the frames while playing

    // The shifts, each arrow press or drag one step; OK writes the offsets in force.
    QUndoStack* Undo;
    // Plays every line of the list in the view.
    TFramePlayer* Player;

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
    // Play: starts playing all frames, or stops.
    void ZqSpeedButton5Click();
    void ZqSpinEdit1Change();
    void CheckBox1Click();
    // Right click on a control: shows the long part of its hint; true when one was shown.
    bool FormContextPopup(QWidget* control, const QPoint& pos);

protected:
    // The left mouse button on an arrow starts and stops its repeat.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreatePlayControls();
    void ConnectShiftSteps();
    // An arrow press or a drag begins: its shifts make one undo step.
    void NewShiftGesture();
    // Pushes the shift made since `before`; row is the line of a one-frame shift, else -1.
    void PushShiftStep(std::vector<FrameOffset> before, int row);
    // Draws line `row` as played, over the grid, with line `previousRow` faintly under it
    // (onion skin); false when that frame cannot be shown.
    bool DrawPlayedFrame(int row, int previousRow);
    // The display form of the frame of a line; null when it cannot be loaded.
    QImage RowImage(int row);
    void FillList();
    // The view without a frame: the grid picture, or an empty view of the design size.
    QImage BareView() const;

    IDialogs& dialogs_;
    // The display form of the frame last drawn, and its entry.
    QImage frameImage_;
    int frameImageEntry_ = -1;
    int shiftGesture_ = 0;
};

}  // namespace vok
