#pragma once
// What the VokList editor edits, apart from its window: the document, the group
// on show with its names, the folder of the pictures and whether anything changed
// since the list was started, opened or saved.
#include <string>
#include <string_view>
#include <vector>

#include "voklist/VokListGroupNames.h"
#include "voklist/VokListTypes.h"

namespace vok {

class TVokListEdit {
public:
    TVokListEdit();

    TVokListDocument Doc;
    // The group on show, 0 to Bound().
    int CurrentGroup = 0;
    // The names of the group on show while they are edited; the document's slot
    // is brought up to date at the next ShowGroup.
    TMyStrArray Names;
    // The folder of the frame pictures with a trailing '/'.
    std::string RootFolder;
    bool Modified = false;

    // The editor's own group-name tables, which a language file may relabel.
    TZqStringer Names42 = Groups42();
    TZqStringer Names44 = Groups44();
    TZqStringer NamesOther = GroupsOther();

    int Bound() const { return GroupBound(Doc.TypeIndex); }
    const TZqStringer& GroupNames() const;
    // "0  Moving:": the group on show, two spaces, its name and a colon.
    std::string GroupLabel() const;

    // Keeps the names as the current group, then shows group n clamped to the bound.
    void ShowGroup(int n);
    // Another Vok Type: groups above its bound stay in memory but are not shown or saved.
    void SetType(int typeIndex);
    void Clear();
    void ClearAll();

    // A new creature list beside the picture the user picked.
    void NewList(const std::string& pictureFileName);
    // Reads a list; on failure it raises the reader's error and nothing changes.
    void OpenList(const std::string& listFileName);
    // Writes the whole list, the names on show included. On failure nothing changes.
    void SaveList(const std::string& listFileName);

    // Only files directly in the root folder may join the list.
    bool CanAdd(const std::string& fileName) const;
    // Appends the name part of the file.
    void Add(const std::string& fileName);
    // Moves the name at index one place up (-1) or down (+1); false at either end.
    bool MoveName(int index, int step);
    void DeleteName(int index);
    // The file of a name on show.
    std::string NamePath(const std::string& name) const;
};

}  // namespace vok
