#pragma once
// What the editor's file browser shows of a folder, and which files may join a list.
#include <string>
#include <vector>

namespace vok {

struct FolderEntry {
    std::string Name;  // without folder
    bool IsFolder = false;
    bool operator==(const FolderEntry&) const = default;
};

// The folders, then the files of a folder, each sorted by name ignoring case.
// Nothing is opened but the folder itself; a folder that cannot be read (missing,
// vanished, no permission) gives an empty list.
std::vector<FolderEntry> ListFolderEntries(const std::string& folder);

// The root folder of a list: the folder of its pictures, with a trailing '/'.
// A list with no frame line lives beside its pictures. Otherwise the folder part of
// the first frame line decides: a full one (drive colon or leading '/') is taken as
// it is, a relative one is read from the list's own folder.
std::string RootFolderOfList(const std::string& listFileName, const std::vector<std::string>& lines);

// True when the file lies directly in rootFolder (not in a subfolder of it).
bool IsDirectlyIn(const std::string& rootFolder, const std::string& fileName);

// Where a frame name of the list is found: a full name as it is, any other below rootFolder.
std::string FramePath(const std::string& rootFolder, const std::string& name);

}  // namespace vok
