#include "lang/LanguageFiles.h"

#include <exception>
#include <QStringList>
#include <vector>

#include "controls/Dialogs.h"
#include "controls/LanguageSections.h"
#include "controls/Windows1252.h"
#include "lang/WidgetLangNode.h"
#include "support/AppInfo.h"
#include "support/ZqSysUtils.h"

namespace vok {

TZqLanguage ProgramLanguage(bool utf8) {
    TZqLanguage language;
    for (const LanguageSection& section : LanguageSections())
        language.AddSection(section.Name, std::make_shared<WidgetLangNode>(section.Root.data(), utf8));
    return language;
}

namespace {

// The error box shows this many lines at most; the translator's check lists them all.
constexpr int kMaxBoxLines = 40;

QString BoxText(const std::string& errors, bool utf8) {
    const QString all = utf8 ? QString::fromUtf8(errors.data(), qsizetype(errors.size())) : FromWindows1252(errors);
    const QStringList lines = all.split("\r\n");
    if (lines.size() <= kMaxBoxLines + 1) return all;
    const qsizetype more = lines.size() - kMaxBoxLines - 1;  // the last line is empty
    return lines.mid(0, kMaxBoxLines).join("\r\n") + QString("\r\n... and %1 more lines").arg(more);
}

}  // namespace

void LoadLanguage(IDialogs& dialogs, std::string_view text, bool quiet, std::string& errors,
                  std::vector<std::string>* guesses) {
    const TZqLanguageText file = PrepareLanguageText(text);
    if (guesses) *guesses = file.Guesses;
    ProgramLanguage(file.Utf8).LoadLanguage(file.Text, errors);
    if (quiet || errors.empty()) return;
    MessageOptions box;
    box.Caption = "Language loaded with errors";
    box.Text = BoxText(errors, file.Utf8).toStdString();
    box.Icon = MessageIcon::Error;
    dialogs.Message(box);
}

namespace {

std::vector<std::string> LanguageFilePlaces(const std::string& name) {
    std::vector<std::string> places;
    if (name == "Language1.txt")
        if (const std::string own = UserConfigFolder(); !own.empty()) places.push_back(own + name);
    places.push_back(AppPath() + name);
    places.push_back(InstalledDataFolder() + name);
    return places;
}

}  // namespace

std::string LocateLanguageFile(const std::string& name) {
    for (const std::string& place : LanguageFilePlaces(name))
        if (FileExists(place)) return place;
    return {};
}

void LoadLanguageFiles(IDialogs& dialogs) {
    for (const char* name : {"Language.txt", "Language1.txt"}) {
        try {
            const std::string path = LocateLanguageFile(name);
            if (path.empty()) continue;
            std::string errors;
            LoadLanguage(dialogs, ReadFileText(path, kMaxLanguageFileBytes), false, errors);
        } catch (const std::exception&) {
            // An unreadable file is as good as none.
        }
    }
}

}  // namespace vok
