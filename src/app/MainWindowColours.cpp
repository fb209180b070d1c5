// Combine, Split, and the shadow copy and delete commands of the main window. The
// work itself is the colour workflow's; the handlers gather the settings, run the
// dialogs and keep what Combine leaves for Split.
#include <QCheckBox>
#include <QPushButton>

#include "controls/ProgressDialog.h"
#include "colours/ColourFiles.h"
#include "colours/Combine.h"
#include "colours/ReduceFrames.h"
#include "app/MainWindow.h"
#include "controls/ZqSpinEdit.h"
#include "shadow/PrepareList.h"

namespace vok {

namespace {

// Every name chosen in a dialog that took OK.
std::vector<std::string> ChosenFiles(const FileDialogOptions& dialog) {
    if (!dialog.Files.empty()) return dialog.Files;
    return dialog.FileName.empty() ? std::vector<std::string>{} : std::vector<std::string>{dialog.FileName};
}

}  // namespace

void TForm1::Button6Click() {
    ReadStandardColors();
    if (!dialogs_.OpenFile(OpenPictureDialog1)) return;
    const std::vector<std::string> frames = ChosenFiles(OpenPictureDialog1);
    if (frames.empty()) return;

    std::string name = ExtractFileName(SavePictureDialog1.FileName);
    if (name.empty()) name = "All.bmp";
    SavePictureDialog1.FileName = ExtractFilePath(frames.front()) + name;
    if (!dialogs_.SaveFile(SavePictureDialog1)) return;
    const std::string output = SavePictureDialog1.FileName;

    // A Combine that fails keeps the record of the last one that succeeded, and the
    // Split proposals that go with it.
    TProgressDialog progress(this, ProgressDialog1);
    const SplitRecord record = CombineFiles(frames, output, StandardColorTable,
                                            ColourOptions{CheckBox3->isChecked(), CheckBox4->isChecked()}, &progress);
    OpenPictureDialog3.FileName = output;
    SavePictureDialog2.FileName = CombineOrder(frames).front();
    UseSplitRecord(record);

    // The record beside the picture lets Split work after a restart, and vokcli split
    // read it. Should it fail to be written, Split still works until the program ends.
    SplitRecordFile.clear();
    const std::string recordFile = SplitRecordFileName(output);
    SaveSplitRecord(record, recordFile);
    SplitRecordFile = recordFile;
}

void TForm1::Button7Click() {
    ReadStandardColors();
    if (!dialogs_.OpenFile(OpenPictureDialog3)) return;
    if (!dialogs_.SaveFile(SavePictureDialog2)) return;
    SplitRecord record;
    record.PartWidths.assign(PartWidths.begin(), PartWidths.end());
    record.PartHeights.assign(PartHeights.begin(), PartHeights.end());
    record.PartNames = PartNames;
    if (record.empty()) return;  // nothing combined yet
    TProgressDialog progress(this, ProgressDialog2);
    SplitFile(OpenPictureDialog3.FileName, record, ExtractFilePath(SavePictureDialog2.FileName), StandardColorTable,
              ZqSpinEdit3->Value(), ColourOptions{CheckBox3->isChecked(), CheckBox4->isChecked()}, &progress);
}

void TForm1::Button8Click() {
    ReadStandardColors();
    if (!dialogs_.OpenFile(OpenPictureDialog1)) return;
    TProgressDialog progress(this, ProgressDialog2);
    DeleteShadowsInFiles(ChosenFiles(OpenPictureDialog1), StandardColorTable, &progress);
}

void TForm1::Button9Click() {
    ReadStandardColors();
    if (!dialogs_.OpenFile(OpenPictureDialog2)) return;
    if (!dialogs_.OpenFile(OpenPictureDialog1)) return;
    ShadowCopySettings settings;
    settings.overwrite = CheckBox2->isChecked();
    settings.copyBackground = CheckBox1->isChecked();
    settings.dx = ZqSpinEdit1->Value();
    settings.dy = ZqSpinEdit2->Value();
    TProgressDialog progress(this, ProgressDialog2);
    CopyShadowsInFiles(ChosenFiles(OpenPictureDialog2), ChosenFiles(OpenPictureDialog1), StandardColorTable, settings,
                       &progress);
}

// The one-step commands: the memo's colours and the two check boxes as for Combine; the
// output folder is the folder of the name chosen in SaveDialog5.
void TForm1::Button14Click() {
    ReadStandardColors();
    if (!dialogs_.OpenFile(OpenPictureDialog5)) return;
    const std::vector<std::string> frames = ChosenFiles(OpenPictureDialog5);
    if (frames.empty() || !dialogs_.SaveFile(SaveDialog5)) return;
    ReduceSettings settings;
    settings.options = ColourOptions{CheckBox3->isChecked(), CheckBox4->isChecked()};
    settings.extension = ".bmp";
    TProgressDialog progress(this, ProgressDialog2);
    ReduceFiles(frames, ExtractFilePath(SaveDialog5.FileName), StandardColorTable, settings, &progress);
}

void TForm1::Button15Click() {
    ReadStandardColors();
    if (!dialogs_.OpenFile(OpenDialog4) || !dialogs_.SaveFile(SaveDialog5)) return;
    PrepareSettings settings;
    settings.reduce.options = ColourOptions{CheckBox3->isChecked(), CheckBox4->isChecked()};
    TProgressDialog progress(this, ProgressDialog2);
    const PrepareSummary summary =
        PrepareList(OpenDialog4.FileName, ExtractFilePath(SaveDialog5.FileName), StandardColorTable, settings, &progress);
    MessageOptions message;
    message.Caption = Button15->text().toStdString();
    message.Text = PrepareSummaryText(summary);
    message.Icon = MessageIcon::Information;
    dialogs_.Message(message);
}

}  // namespace vok
