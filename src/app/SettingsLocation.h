#pragma once
// Where the settings file lives: beside the program, named after the program file with
// ".ini"; when the program's folder cannot be written (an installed program), in the
// user's configuration folder under "voktool".
#include <string>

namespace vok {

struct SettingsFiles {
    std::string read;   // the file the settings are read from
    std::string write;  // the file they are written to
};

// The program file's name with its extension replaced by ".ini".
std::string SettingsFileBeside(const std::string& programFile);
// "$XDG_CONFIG_HOME/voktool/<name>.ini", else "$HOME/.config/voktool/<name>.ini";
// empty when neither variable is set.
std::string SettingsFileInConfigFolder(const std::string& programFile);

// Reading looks beside the program first. Where the program's folder cannot be
// written, the settings are written to the configuration folder, and read from there
// too once that file exists, so that what the user left is found again.
SettingsFiles ChooseSettingsFiles(const std::string& programFile, bool programFolderWritable);

// True when a file can be created in the folder (tried, not guessed from the mode bits).
bool FolderWritable(const std::string& folder);

// The choice for the running program.
SettingsFiles SettingsFilesOfProgram(const std::string& programFile);

}  // namespace vok
