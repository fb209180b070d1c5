#pragma once
// Program-wide names: the title the windows build their class names from, the
// application title and the program's folder.
#include <string>

namespace vok {

// The main window's caption; every window's class name starts with it.
inline constexpr const char* AppTitle = "Tarvex Vok Tool";
// The application title: task-bar text and caption of the standard report.
inline constexpr const char* ApplicationTitle = "Vok Tool";

// The folder of the program file with a trailing '/'. Language files and the grid
// picture are looked for there first.
const std::string& AppPath();
// Replaces the folder (the program entry sets it; tests point it elsewhere).
void SetAppPath(const std::string& folder);

// The program file's full name; the settings file is named after it.
const std::string& ProgramFileName();
// Replaces the program file's name and AppPath with its folder.
void SetProgramFileName(const std::string& fileName);
// The installed data folder with a trailing '/': "share/voktool" beside the program's
// "bin" folder, else the one the build was configured to install to.
std::string InstalledDataFolder();
// The user's own folder of the program: "$XDG_CONFIG_HOME/voktool/", else
// "$HOME/.config/voktool/"; empty when neither variable is set.
std::string UserConfigFolder();
// Where a data file ("MonVoks.dat", "Grid.pcx") is: the working
// folder, then beside the program, then the installed data folder. Raises
// vok::Exception naming the file and the places looked in when it is in none.
std::string FindDataFile(const std::string& name);
// The same look-up; empty when the file is in none of the places.
std::string LocateDataFile(const std::string& name);

}  // namespace vok
