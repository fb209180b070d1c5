#pragma once
// The VokList editor window: a file browser on the left, the preview and the
// names of one group on the right; lists are built group by group and saved.
#include <string>
#include <vector>

#include "controls/Dialogs.h"
#include "controls/ZqModalForm.h"
#include "voklist/VokListEdit.h"

class QLabel;
class QPushButton;
class QListWidgetItem;
class QUndoStack;

namespace vok {

class TFramePlayer;
class TLmHintComboBox;
class TZqSpeedButton;
class TZqSpinEdit;
class TZqTimer;
class TVokListBrowser;
class TVokListNames;
class TVokListPreview;

class TForm5 : public TZqModalForm {
    Q_OBJECT
public:
    explicit TForm5(IDialogs& dialogs, QWidget* parent = nullptr);

    // The window's class name: the program's title and " VokList Form".
    const std::string ClassName;

    // Start a new list / open an existing one, then show the editor modally
    // (not at all when the user cancels the first dialog or the list cannot be read).
    void EditNewVokList();
    void EditExistingVokList();
    // The same for a list file named by the caller (one dropped on the main window).
    void EditVokListFile(const std::string& fileName);

    // Keeps the names on show as the current group and shows group n.
    void ShowGroup(int n);
    void PreviewPicture(const std::string& path);

    // The document, the group on show and the picture folder.
    TVokListEdit Edit;
    // The question before unsaved changes are dropped.
    std::string SaveChangesText = "Save changes to the list?";

    // Dialogs; the settings file keeps their file names.
    FileDialogOptions OpenDialog1;
    FileDialogOptions SaveDialog1;
    FileDialogOptions OpenPictureDialog1;

    // Controls, named as designed.
    TVokListBrowser* ShellListView1;
    TVokListPreview* Image1;
    QLabel* Label1;
    TVokListNames* ListBox1;
    TZqSpeedButton* ZqSpeedButton1;  // New
    TZqSpeedButton* ZqSpeedButton2;  // Open
    TZqSpeedButton* ZqSpeedButton3;  // Save
    TLmHintComboBox* ComboBox1;   // Vok Type
    TZqSpeedButton* Button4;      // Add
    QPushButton* Button7;         // Clear All
    QPushButton* Button6;         // Clear
    QPushButton* Button3;         // Last
    QPushButton* Button2;         // Next
    QPushButton* Button1;         // Close
    TZqSpeedButton* ZqSpeedButton4;  // Play
    TZqSpinEdit* ZqSpinEdit1;     // frames a second
    QLabel* Label2;               // "fps"
    TZqTimer* Timer1;             // steps the frames while playing

    // The document's changes; its clean state is the list as last started, opened or saved.
    QUndoStack* Undo;
    // Plays the names on show in the preview.
    TFramePlayer* Player;

    // New and Open: false when the user cancelled or the list could not be read.
    bool ZqSpeedButton1Click();
    bool ZqSpeedButton2Click();
    // Save: false when nothing was written.
    bool ZqSpeedButton3Click();
    void ComboBox1Change();
    void Button4Click();
    void Button7Click();
    void Button6Click();
    void Button3Click();
    void Button2Click();
    void ShellListView1Change();
    void ShellListView1DblClick();
    void ShellListView1KeyPress();
    void ListBox1Click();
    // Play: starts playing the group on show, or stops it.
    void ZqSpeedButton4Click();
    void ZqSpinEdit1Change();
    // Right click on a control: its long hint beside the cursor; true when one was shown.
    bool FormContextPopup(QWidget* control, const QPoint& pos);

    // Closing: unsaved changes are offered for saving first.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreatePlayControls();
    void ConnectHandlers();
    // Makes a change of the document one step that undo takes back.
    void Change(const std::function<void()>& change);
    // After undo or redo: the type, and the group the step happened in.
    void ShowChanged();
    // Opens a list file; false when it could not be read.
    bool OpenListFile(const std::string& fileName);
    void StopPlaying();
    // False when the user chose to keep the window as it is.
    bool AskToSaveChanges();
    // Runs a command; a failure ends in the standard report. False after a failure.
    bool Run(const std::function<void()>& command);
    void FillNames();
    void ShowType();
    // After New or Open: the browser on the picture folder, the first name previewed.
    void ShowList();
    // Adds browser files directly in the picture folder; beeps when one is not.
    void AddFiles(const std::vector<std::string>& files);
    void SelectName(int row);
    bool ListBox1KeyDown(int key, Qt::KeyboardModifiers modifiers);

    IDialogs& dialogs_;
};

}  // namespace vok
