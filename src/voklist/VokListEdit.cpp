#include "voklist/VokListEdit.h"

#include <algorithm>
#include <utility>

#include "support/ZqSysUtils.h"
#include "voklist/VokList.h"
#include "voklist/VokListFolder.h"
#include "voklist/VokListGroupNames.h"

namespace vok {

TVokListEdit::TVokListEdit() { ShowGroup(0); }

const TZqStringer& TVokListEdit::GroupNames() const {
    switch (Doc.TypeIndex) {
        case 2: return Names42;
        case 4: return Names44;
        default: return NamesOther;
    }
}

std::string TVokListEdit::GroupLabel() const {
    return std::to_string(CurrentGroup) + "  " + GroupNames()[CurrentGroup] + ":";
}

void TVokListEdit::ShowGroup(int n) {
    Doc.Groups[std::size_t(CurrentGroup)] = Names;
    CurrentGroup = std::clamp(n, 0, Bound());
    Names = Doc.Groups[std::size_t(CurrentGroup)];
}

void TVokListEdit::SetType(int typeIndex) {
    if (!IsValidTypeIndex(typeIndex)) return;
    if (typeIndex != Doc.TypeIndex) Modified = true;
    Doc.TypeIndex = typeIndex;
    ShowGroup(CurrentGroup);
}

void TVokListEdit::Clear() {
    if (!Names.empty()) Modified = true;
    Names.clear();
}

void TVokListEdit::ClearAll() {
    Names.clear();
    for (auto& group : Doc.Groups) {
        if (!group.empty()) Modified = true;
        group.clear();
    }
    CurrentGroup = 0;
}

void TVokListEdit::NewList(const std::string& pictureFileName) {
    RootFolder = ToNativePath(ExtractFilePath(pictureFileName));
    ClearAll();
    InitNewVokList(Doc);
    Modified = false;
}

void TVokListEdit::OpenList(const std::string& listFileName) {
    // Read into an empty document first, so that a bad list leaves the editor as it was.
    TVokListDocument read;
    const std::vector<std::string> lines = ReadVokList(listFileName, read);
    Doc = std::move(read);
    RootFolder = RootFolderOfList(listFileName, lines);
    CurrentGroup = 0;
    Names = Doc.Groups[0];
    Modified = false;
}

void TVokListEdit::SaveList(const std::string& listFileName) {
    ShowGroup(CurrentGroup);
    WriteVokList(listFileName, Doc);
    Modified = false;
}

bool TVokListEdit::CanAdd(const std::string& fileName) const { return IsDirectlyIn(RootFolder, fileName); }

void TVokListEdit::Add(const std::string& fileName) {
    Names.push_back(ExtractFileName(fileName));
    Modified = true;
}

bool TVokListEdit::MoveName(int index, int step) {
    const int to = index + step;
    const int count = int(Names.size());
    if (index < 0 || index >= count || to < 0 || to >= count) return false;
    std::swap(Names[std::size_t(index)], Names[std::size_t(to)]);
    Modified = true;
    return true;
}

void TVokListEdit::DeleteName(int index) {
    if (index < 0 || index >= int(Names.size())) return;
    Names.erase(Names.begin() + index);
    Modified = true;
}

std::string TVokListEdit::NamePath(const std::string& name) const { return FramePath(RootFolder, name); }

}  // namespace vok
