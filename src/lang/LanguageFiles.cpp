#include "lang/LanguageFiles.h"

#include <exception>

#include "controls/Dialogs.h"
#include "controls/LanguageSections.h"
#include "controls/Windows1252.h"
#include "lang/WidgetLangNode.h"
#include "support/AppInfo.h"
#include "support/ZqSysUtils.h"

#ifndef VOK_DATA_DIR
#define VOK_DATA_DIR "/usr/local/share/voktool"
#endif

namespace vok {

TZqLanguage ProgramLanguage() {
    TZqLanguage language;
    for (const LanguageSection& section : LanguageSections())
        language.AddSection(section.Name, std::make_shared<WidgetLangNode>(section.Root.data()));
    return language;
}

void LoadLanguage(IDialogs& dialogs, std::string_view text, bool quiet, std::string& errors) {
    ProgramLanguage().LoadLanguage(text, errors);
    if (quiet || errors.empty()) return;
    MessageOptions box;
    box.Caption = "Language loaded with errors";
    box.Text = FromWindows1252(errors).toStdString();
    box.Icon = MessageIcon::Error;
    dialogs.Message(box);
}

void LoadLanguageFiles(IDialogs& dialogs) {
    for (const char* name : {"Language.txt", "Language1.txt"}) {
        try {
            const std::string path = LocateDataFile(name);
            if (path.empty()) continue;
            std::string errors;
            LoadLanguage(dialogs, ReadFileText(path), false, errors);
        } catch (const std::exception&) {
            // An unreadable file is as good as none.
        }
    }
}

}  // namespace vok
