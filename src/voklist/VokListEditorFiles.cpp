// TForm5, "VokList Editor": New, Open, Save and closing with unsaved changes.
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

bool TForm5::ZqSpeedButton1Click() {
    if (!AskToSaveChanges()) return false;
    if (!dialogs_.OpenFile(OpenPictureDialog1)) return false;
    Edit.NewList(OpenPictureDialog1.FileName);
    // The dialog adds the extension.
    SaveDialog1.FileName = Edit.RootFolder + "Temp";
    ShowList();
    return true;
}

bool TForm5::ZqSpeedButton2Click() {
    if (!AskToSaveChanges()) return false;
    if (!dialogs_.OpenFile(OpenDialog1)) return false;
    if (!Run([this] { Edit.OpenList(OpenDialog1.FileName); })) return false;
    // Save offers to overwrite the list that was opened.
    SaveDialog1.FileName = OpenDialog1.FileName;
    ShowList();
    return true;
}

bool TForm5::ZqSpeedButton3Click() {
    Edit.ShowGroup(Edit.CurrentGroup);
    if (!dialogs_.SaveFile(SaveDialog1)) return false;
    return Run([this] { Edit.SaveList(SaveDialog1.FileName); });
}

void TForm5::ShowList() {
    ShowType();
    FillNames();
    ShellListView1->SetFolder(Edit.RootFolder);
    ShellListView1->setFocus();
    Image1->Clear();
    SelectName(0);
}

bool TForm5::AskToSaveChanges() {
    if (!Edit.Modified) return true;
    Edit.ShowGroup(Edit.CurrentGroup);
    const MessageButton answer = dialogs_.Message(MessageOptions{
        windowTitle().toStdString(), SaveChangesText, MessageIcon::Question, mbYes | mbNo | mbCancel});
    if (answer == mbYes) return ZqSpeedButton3Click();
    if (answer != mbNo) return false;
    Edit.Modified = false;
    return true;
}

void TForm5::reject() {
    if (!AskToSaveChanges()) return;
    TZqModalForm::reject();
}

}  // namespace vok
