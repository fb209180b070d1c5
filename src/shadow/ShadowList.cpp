#include "shadow/ShadowList.h"

#include <cstddef>

#include "support/Check.h"
#include "support/ZqStrUtils.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

constexpr std::size_t kHeaderLines = 15;
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

TShadowList ReadShadowList(const std::string& fileName) {
    TShadowList list;
    const std::string text = ReadFileText(fileName);
    const TZqParsedString lines = ParseString(text, kLineBreaks);
    const int lineCount = TokenCount(lines, false);
    int groupCounter = -1;
    bool selectionAllowed = true;
    std::size_t firstFrameLine = 0;

    if (TokenView(lines, 0).size() >= 4) {
        list.RestText = text;
    } else {
        if (lineCount < int(kHeaderLines)) Corrupt();
        list.HasHeader = true;
        list.HeaderText = TokensText(lines, 0, int(kBaseLineLine)) + "\r\n";
        list.BaseLineText = TokenText(lines, int(kBaseLineLine));
        // Everything after line 14, byte for byte, so that the rewrite changes line 14 only.
        const char* restStart = lines[2 * kBaseLineLine + 1];
        list.RestText.assign(restStart, text.data() + text.size());
        if (StartsWithAuto(list.BaseLineText)) {
            list.BaseLine = TextToInt(std::string_view(list.BaseLineText).substr(5));
            list.BaseLineText = "Auto";
        }
        if (TokenView(lines, 1) != "7") selectionAllowed = false;
        firstFrameLine = kHeaderLines;
    }

    const int frameEnd = TokenCount(lines, true);
    auto addRow = [&](const std::string& name) {
        list.Names.push_back(name);
        list.Rows.push_back(FramePart(name));
    };
    for (int l = int(firstFrameLine); l < frameEnd; ++l) {
        std::string line = TokenText(lines, l);
        if (line.empty() || line.back() != '+') {
            addRow(line);
            continue;
        }
        const std::size_t space = line.size() >= 2 ? LastSpaceDownToSecond(line, line.size() - 2) : std::string::npos;
        if (space == std::string::npos) Corrupt();
        std::int32_t group = TextToInt(std::string_view(line).substr(space + 1, line.size() - space - 2));
        std::string name = line.substr(0, space - 1);
        if (group == 0) {
            ++groupCounter;
            if (groupCounter > 0) group = groupCounter;
        }
        // A name with spaces is cut once more before its last space.
        if (name.size() >= 3) {
            const std::size_t inner = LastSpaceDownToSecond(name, name.size() - 2);
            if (inner != std::string::npos) name = name.substr(0, inner - 1);
        }
        addRow(name);
        list.Names.push_back(std::string());
        list.Rows.push_back(kGroupSeparatorRow);
        if (group >= 0 && group <= 2 && selectionAllowed) {
            if (list.SelectionFirst == kUnset) list.SelectionFirst = std::int32_t(list.Names.size());
            list.SelectionEnd = std::int32_t(list.Names.size());
        }
    }
    return list;
}

}  // namespace vok
