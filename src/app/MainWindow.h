#pragma once
// The main window: the hub from which every command of the tool starts.
#include <QWidget>
#include <string>
#include <vector>

#include "controls/Dialogs.h"
#include "controls/ProgressDialog.h"
#include "colours/SplitRecord.h"
#include "colours/StandardColors.h"
#include "support/ZqSysUtils.h"

class QCheckBox;
class QEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vok {

class TColorShape;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TLmHintComboBox;
class TZqSpinEdit;
class TZqWinController;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Every dialog the window runs goes through `dialogs`. Without applyLanguageFiles the
    // windows keep their designed texts (the language check applies one file itself).
    explicit TForm1(IDialogs& dialogs = QtDialogs(), QWidget* parent = nullptr, bool applyLanguageFiles = true);
    ~TForm1() override;

    IDialogs& Dialogs() const { return dialogs_; }

    // Controls, named as designed.
    QPushButton* Button1;   // New VokList
    QPushButton* Button2;   // Open VokList
    QPushButton* Button3;   // ?
    TLmHintComboBox* ComboBox1;
    QLineEdit* Edit1;
    QPushButton* Button6;   // Combine
    QPushButton* Button7;   // Split
    QCheckBox* CheckBox3;   // No Standard Colors
    QLabel* Label11;
    QCheckBox* CheckBox4;   // No Background
    TZqSpinEdit* ZqSpinEdit3;  // tolerance
    QPushButton* Button8;   // Delete Shadows and Selection
    QPushButton* Button9;   // Copy Shadows and Selection
    QCheckBox* CheckBox1;   // Copy background
    QCheckBox* CheckBox2;   // Overwrite
    QLabel* Label2;
    TZqSpinEdit* ZqSpinEdit1;  // dX
    QLabel* Label3;
    TZqSpinEdit* ZqSpinEdit2;  // dY
    QPlainTextEdit* Memo1;  // the standard colours, one per line
    QFrame* Panel1;         // holds the swatches
    QPushButton* Button10;  // Edit
    QPushButton* Button13;  // Move Monster
    QPushButton* Button14;  // Reduce Frames...
    QPushButton* Button15;  // Prepare VokList...
    QPushButton* Button12;  // Generate Shadow
    QFrame* Bevel1;         // marks the visible client size
    // Wraps Split so that its hint shows while it is disabled; none when start-up ended early.
    QWidget* SplitButtonPanel = nullptr;

    // Dialogs; their file names persist from one use to the next.
    FileDialogOptions OpenPictureDialog1, OpenPictureDialog2, OpenPictureDialog3, OpenPictureDialog4;
    FileDialogOptions SavePictureDialog1, SavePictureDialog2, OpenDialog4;
    // The frames for Reduce Frames, and the output folder of both one-step commands.
    FileDialogOptions OpenPictureDialog5, SaveDialog5;
    ColorDialogOptions ColorDialog1;
    TZqWinController* ZqWinController1;  // on Memo1
    TZqWinController* ZqWinController2;  // on the window itself

    // The secondary windows.
    TForm2* Form2;
    TForm3* Form3;
    TForm4* Form4;
    TForm5* Form5;

    // State beside the window. The table reflects the memo after ReadStandardColors.
    vok::StandardColorTable StandardColorTable;
    std::vector<int> PartWidths, PartHeights;  // what the last Combine placed, for Split
    std::vector<std::string> PartNames;
    TZqByteArray MonVoksData;
    std::vector<TColorShape*> ColorShapes;
    int MemoTopLine = 0;

    // The memo as lines: a final line break starts no line of its own.
    std::vector<std::string> MemoLines() const;
    // Where each of those lines stands in the memo: start and length, in characters.
    std::vector<std::pair<int, int>> MemoLineSpans() const;
    // Replaces the lines without the change event, then lays the swatches out once.
    void SetMemoLines(const std::vector<std::string>& lines);

    void SetInitialColors();
    void ReadStandardColors();
    void Memo1Change();
    void ShapeClick(TColorShape* shape);
    // True when the key was consumed.
    bool Memo1KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void CheckBox3Click();
    void ComboBox1Change();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button6Click();   // Combine
    void Button7Click();   // Split
    void Button8Click();   // Delete shadows and selection
    void Button9Click();   // Copy shadows and selection
    void Button10Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();  // Reduce Frames
    void Button15Click();  // Prepare VokList
    void OpenPictureDialog4TypeChange(FileDialogOptions& dialog);

    // Right-click on a control: shows the long part of its hint; true when one was shown.
    bool Panel1ContextPopup(QWidget* control, const QPoint& pos);
    bool Label11ContextPopup(const QPoint& pos);

    // The dialogs' last file names, the standard colours and the record of the last
    // Combine, kept in the settings file from one run to the next.
    void LoadSettings();
    void SaveSettings();
    // The ".parts" record the last Combine wrote beside its picture; empty before one.
    std::string SplitRecordFile;
    // What the progress dialogs of Combine and of the commands that write frames say.
    TProgressTexts ProgressDialog1{"Combining frames..."};
    TProgressTexts ProgressDialog2{"Writing frames..."};

    // Runs a handler; a failure ends it with the standard report.
    void Run(void (TForm1::*handler)());

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void SetTabOrder();
    void FormCreate();
    void WrapSplitButton();
    void ExposeDialogTexts();
    void ConnectHandlers();
    void ZqWinController1WndProc(TZqWinController* sender, QEvent* msg, bool& handled,
                                 const std::function<bool()>& next);
    void ZqWinController2WndProc(TZqWinController* sender, QEvent* msg, bool& handled,
                                 const std::function<bool()>& next);
    int MemoFirstVisibleLine() const;
    void AddContextHint(QWidget* control);

    void UseSplitRecord(const SplitRecord& record);
    // A VokList dropped anywhere on the window opens in the VokList editor.
    void AcceptVokListDrops();

    IDialogs& dialogs_;
    bool memoChangeAttached_ = true;
    // Set once LoadSettings has run: a start-up that ended early leaves the file alone.
    bool settingsLoaded_ = false;
    std::string settingsWriteFile_;
    bool applyLanguageFiles_;
};

}  // namespace vok
