#include "shadow/ShadowList.h"

#include <cerrno>
#include <cstddef>

#include "support/Check.h"
#include "support/Errors.h"
#include "support/ZqStrUtils.h"
#include "support/ZqSysUtils.h"
#include "voklist/VokList.h"
#include "voklist/VokListLines.h"

namespace vok {

namespace {

constexpr std::size_t kBaseLineLine = 14;

void Corrupt() { ZQ_ASSERT_AT(false, "File invalid or corrupt", "Unit3.cpp", 162); }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool StartsWithAuto(const std::string& text) {
    static const char kAuto[] = "auto ";
    if (text.size() < 5) return false;
    for (int i = 0; i < 5; ++i)
        if (Lower(text[i]) != kAuto[i]) return false;
    return true;
}

// The position of the last space in name[1 .. last], or npos.
std::size_t LastSpaceDownToSecond(const std::string& name, std::size_t last) {
    for (std::size_t p = last; p >= 1 && p != std::string::npos; --p)
        if (name[p] == ' ') return p;
    return std::string::npos;
}

}  // namespace

std::string FramePart(const std::string& name) {
    const std::size_t cut = name.find_last_of("/\\:");
    return cut == std::string::npos ? name : name.substr(cut + 1);
}

TShadowList ParseShadowList(std::string_view original) {
    TShadowList list;
    // Lines ending in a bare LF are read as lines; the rewrite of line 14 keeps CR LF.
    const std::string text = WithCrLf(original);
    const auto lines = SplitListLines(text);
    int groupCounter = -1;
    bool selectionAllowed = true;
    std::size_t firstFrameLine = 0;

    if (!StartsWithHeader(lines)) {
        list.RestText = text;
    } else {
        if (lines.size() < kHeaderLines) Corrupt();
        list.HasHeader = true;
        const auto endOf = [&](std::size_t line) { return std::size_t(lines[line].data() - text.data()) + lines[line].size(); };
        list.HeaderText = text.substr(0, endOf(kBaseLineLine - 1)) + "\r\n";
        list.BaseLineText = std::string(lines[kBaseLineLine]);
        // Everything after line 14, byte for byte, so that the rewrite changes line 14 only.
        list.RestText = text.substr(endOf(kBaseLineLine));
        if (StartsWithAuto(list.BaseLineText)) {
            list.BaseLine = TextToInt(std::string_view(list.BaseLineText).substr(5));
            list.HasBaseLine = true;
            list.BaseLineText = "Auto";
        }
        if (lines[1] != "7") selectionAllowed = false;
        firstFrameLine = kHeaderLines;
    }

    const std::size_t frameEnd = CountWithoutTrailingEmpty(lines);
    auto addRow = [&](const std::string& name, std::string_view from) {
        list.Names.push_back(name);
        list.Rows.push_back(FramePart(name));
        list.NameOffsets.push_back(name.empty() ? std::string::npos : std::size_t(from.data() - text.data()));
    };
    for (std::size_t l = firstFrameLine; l < frameEnd; ++l) {
        // A lone CR inside a name means the line breaks are neither CR LF nor LF.
        if (lines[l].find('\r') != std::string_view::npos) Corrupt();
        const TListLine line = ParseListLine(lines[l]);
        if (!line.Valid) Corrupt();
        if (!line.EndsGroup) {
            // Empty lines name no picture.
            if (!line.Name.empty()) addRow(std::string(line.Name), line.Name);
            continue;
        }
        std::int32_t group = TextToInt(line.GroupText);
        std::string name(line.Name);
        if (group == 0) {
            ++groupCounter;
            if (groupCounter > 0) group = groupCounter;
        }
        // A name with spaces is cut once more before its last space.
        if (name.size() >= 3) {
            const std::size_t inner = LastSpaceDownToSecond(name, name.size() - 2);
            if (inner != std::string::npos) name = name.substr(0, inner - 1);
        }
        addRow(name, line.Name);
        list.Names.push_back(std::string());
        list.Rows.push_back(kGroupSeparatorRow);
        list.NameOffsets.push_back(std::string::npos);
        if (group >= 0 && group <= 2 && selectionAllowed) {
            if (list.SelectionFirst == kUnset) list.SelectionFirst = std::int32_t(list.Names.size());
            list.SelectionEnd = std::int32_t(list.Names.size());
        }
    }
    return list;
}

TShadowList ReadShadowList(const std::string& fileName) {
    try {
        std::string text;
        try {
            text = ReadFileText(fileName, kMaxVokListBytes);
        } catch (const EOSError& e) {
            // Larger files, and endless pipes, are not VokLists.
            if (e.code() == EFBIG) Corrupt();
            throw;
        }
        return ParseShadowList(text);
    } catch (Exception& e) {
        e.nameFile(fileName);
        throw;
    }
}

}  // namespace vok
