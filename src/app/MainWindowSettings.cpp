// The main window's settings file: the dialogs' last file names, the standard-colour
// list and the record of the last Combine.
#include <QPushButton>

#include "app/MainWindow.h"
#include "app/SettingsLocation.h"
#include "colours/ColourFiles.h"
#include "support/AppInfo.h"
#include "support/IniFile.h"
#include "support/ZqSysUtils.h"
#include "voklist/VokListEditor.h"

namespace vok {
namespace {

constexpr const char* MainSection = "Main Form";
constexpr const char* VokListSection = "VokList Form";
// Keys beyond the dialogs' names; readers that do not know them skip them.
constexpr const char* StandardColorsKey = "StandardColors";
constexpr const char* SplitRecordKey = "SplitRecord";

struct DialogKey {
    const char* section;
    const char* key;
    FileDialogOptions* dialog;
};

std::vector<DialogKey> DialogKeys(TForm1& f) {
    return {
        {MainSection, "OpenPictureDialog1.FileName", &f.OpenPictureDialog1},
        {MainSection, "OpenPictureDialog2.FileName", &f.OpenPictureDialog2},
        {MainSection, "OpenPictureDialog3.FileName", &f.OpenPictureDialog3},
        {MainSection, "OpenPictureDialog4.FileName", &f.OpenPictureDialog4},
        {MainSection, "OpenDialog4.FileName", &f.OpenDialog4},
        {MainSection, "SavePictureDialog1.FileName", &f.SavePictureDialog1},
        {MainSection, "SavePictureDialog2.FileName", &f.SavePictureDialog2},
        {VokListSection, "OpenDialog1.FileName", &f.Form5->OpenDialog1},
        {VokListSection, "SaveDialog1.FileName", &f.Form5->SaveDialog1},
        {VokListSection, "OpenPictureDialog1.FileName", &f.Form5->OpenPictureDialog1},
    };
}

// The list as one value: its lines joined by commas, empty positions as empty fields.
std::string JoinColorLines(const StandardColorTable& table) {
    std::string text;
    const std::vector<std::string> lines = StandardColorLines(table);
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "," : "") + lines[i];
    return text;
}

// Only the first 256 fields can name a position; whatever is not a colour is empty.
std::vector<std::string> SplitColorLines(const std::string& value) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (fields.size() < 256) {
        const std::size_t comma = value.find(',', pos);
        fields.push_back(value.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    return StandardColorLines(ParseStandardColors(fields));
}

}  // namespace

void TForm1::LoadSettings() {
    const SettingsFiles files = SettingsFilesOfProgram(ProgramFileName());
    settingsWriteFile_ = files.write;
    settingsLoaded_ = true;
    const IniDocument ini = IniFile(files.read).Document();
    for (const DialogKey& row : DialogKeys(*this))
        row.dialog->FileName = ini.Value(row.section, row.key).value_or(std::string());

    // A value without a single colour (empty, or only junk) leaves the eight defaults.
    if (const auto colors = ini.Value(MainSection, StandardColorsKey))
        if (std::vector<std::string> lines = SplitColorLines(*colors); !lines.empty()) SetMemoLines(lines);

    // Split comes back when the record of the last Combine is still there; a record
    // that is gone or damaged leaves Split as at a first start.
    const std::string record = ini.Value(MainSection, SplitRecordKey).value_or(std::string());
    if (record.empty() || !FileExists(record)) return;
    try {
        const SplitRecord loaded = LoadSplitRecord(record);
        if (loaded.empty()) return;
        UseSplitRecord(loaded);
        SplitRecordFile = record;
    } catch (const std::exception&) {
    }
}

void TForm1::SaveSettings() {
    if (!settingsLoaded_) return;
    const IniFile ini(settingsWriteFile_);
    for (const DialogKey& row : DialogKeys(*this)) ini.WriteString(row.section, row.key, row.dialog->FileName);
    ReadStandardColors();
    ini.WriteString(MainSection, StandardColorsKey, JoinColorLines(StandardColorTable));
    ini.WriteString(MainSection, SplitRecordKey, SplitRecordFile);
}

void TForm1::UseSplitRecord(const SplitRecord& record) {
    PartWidths.assign(record.PartWidths.begin(), record.PartWidths.end());
    PartHeights.assign(record.PartHeights.begin(), record.PartHeights.end());
    PartNames = record.PartNames;
    Button7->setEnabled(true);
    if (SplitButtonPanel) SplitButtonPanel->setToolTip(QString());
}

}  // namespace vok
