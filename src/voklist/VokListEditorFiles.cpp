// TForm5, "VokList Editor": New, Open, Save and closing with unsaved changes.
#include <QUndoStack>

#include "support/ZqSysUtils.h"
#include "voklist/VokListBrowser.h"
#include "voklist/VokListEditor.h"
#include "voklist/VokListPreview.h"

namespace vok {

void TForm5::EditNewVokList() {
    if (!ZqSpeedButton1Click()) return;
    ShowModal();
}

void TForm5::EditExistingVokList() {
    if (!ZqSpeedButton2Click()) return;
    ShowModal();
}

void TForm5::EditVokListFile(const std::string& fileName) {
    if (!AskToSaveChanges()) return;
    if (!OpenListFile(fileName)) return;
    ShowModal();
}

bool TForm5::ZqSpeedButton1Click() {
    if (!AskToSaveChanges()) return false;
    if (!dialogs_.OpenFile(OpenPictureDialog1)) return false;
    Edit.NewList(OpenPictureDialog1.FileName);
    Undo->clear();
    // The dialog adds the extension.
    SaveDialog1.FileName = Edit.RootFolder + "Temp";
    ShowList();
    return true;
}

bool TForm5::ZqSpeedButton2Click() {
    if (!AskToSaveChanges()) return false;
    if (!dialogs_.OpenFile(OpenDialog1)) return false;
    return OpenListFile(OpenDialog1.FileName);
}

bool TForm5::OpenListFile(const std::string& fileName) {
    if (!Run([this, &fileName] { Edit.OpenList(fileName); })) return false;
    Undo->clear();
    // Open offers this list next time, Save offers to overwrite it.
    OpenDialog1.FileName = fileName;
    SaveDialog1.FileName = fileName;
    ShowList();
    return true;
}

bool TForm5::ZqSpeedButton3Click() {
    Edit.ShowGroup(Edit.CurrentGroup);
    if (!dialogs_.SaveFile(SaveDialog1)) return false;
    if (!Run([this] { Edit.SaveList(SaveDialog1.FileName); })) return false;
    Undo->setClean();
    return true;
}

void TForm5::ShowList() {
    StopPlaying();
    ShowType();
    FillNames();
    ShellListView1->SetFolder(Edit.RootFolder);
    ShellListView1->setFocus();
    Image1->Clear();
    SelectName(0);
}

bool TForm5::AskToSaveChanges() {
    // Undoing back to the list as saved leaves nothing to save.
    if (Undo->isClean()) return true;
    Edit.ShowGroup(Edit.CurrentGroup);
    const MessageButton answer = dialogs_.Message(MessageOptions{
        windowTitle().toStdString(), SaveChangesText, MessageIcon::Question, mbYes | mbNo | mbCancel});
    if (answer == mbYes) return ZqSpeedButton3Click();
    if (answer != mbNo) return false;
    // The changes are given up: they are not asked about again.
    Undo->setClean();
    return true;
}

void TForm5::reject() {
    if (!AskToSaveChanges()) return;
    StopPlaying();
    TZqModalForm::reject();
}

}  // namespace vok
