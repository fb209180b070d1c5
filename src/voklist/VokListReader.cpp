#include <string>

#include "support/Check.h"
#include "support/ZqStrUtils.h"
#include "voklist/VokList.h"
#include "voklist/VokListLines.h"

namespace vok {

namespace {

// Every malformed list ends with the one message the editor has always shown.
void CheckList(bool ok) { ZQ_ASSERT_AT(ok, "File invalid or corrupt", "Unit5.cpp", 201); }

bool HasLineBreakCharacter(std::string_view line) { return line.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::vector<std::string> ParseVokListText(std::string_view original, TVokListDocument& doc) {
    // Lines ending in a bare LF are read as lines and kept as CR LF from here on.
    const std::string crlf = WithCrLf(original);
    const std::string_view text = crlf;
    const auto lines = SplitListLines(text);
    const std::size_t n = CountWithoutTrailingEmpty(lines);
    // Everything goes into a copy first, so a bad line leaves the caller's document alone.
    TVokListDocument result = doc;
    std::size_t firstFrameLine = 0;
    if (n == 0) {
        // An empty file is what an empty list without header is saved as.
        result.FirstLineText.clear();
        result.SettingsBlock.clear();
        result.TypeIndex = kCreatureTypeIndex;
    } else if (StartsWithHeader(lines)) {
        CheckList(lines.size() >= kHeaderLines);
        result.FirstLineText = std::string(lines[0]) + "\r\n";
        const std::size_t settingsStart = std::size_t(lines[2].data() - text.data());
        const std::size_t settingsEnd = std::size_t(lines[14].data() - text.data()) + lines[14].size();
        result.SettingsBlock = "\r\n" + std::string(text.substr(settingsStart, settingsEnd - settingsStart)) + "\r\n";
        const std::int32_t typeValue = TextToInt(lines[1]);
        CheckList(typeValue >= 0 && typeValue <= 9);
        result.TypeIndex = 9 - typeValue;
        firstFrameLine = kHeaderLines;
    } else {
        // Without header line 1 is a frame name, not a type: such a list is read
        // as a creature list, whose bound keeps every group when it is saved.
        result.FirstLineText.clear();
        result.SettingsBlock.clear();
        result.TypeIndex = kCreatureTypeIndex;
    }

    TMyStrArray pending;
    int sequence = -1;
    for (std::size_t i = firstFrameLine; i < n; ++i) {
        const std::string_view line = lines[i];
        // A lone CR inside a name means the line breaks are neither CR LF nor LF.
        CheckList(!HasLineBreakCharacter(line));
        if (line.empty()) continue;
        const TListLine parsed = ParseListLine(line);
        if (!parsed.EndsGroup) {
            pending.emplace_back(line);
            continue;
        }
        CheckList(parsed.Valid);
        int group = TextToInt(parsed.GroupText);
        if (!parsed.Name.empty()) pending.emplace_back(parsed.Name);
        if (group == 0) {
            ++sequence;
            if (sequence == 6 && result.TypeIndex == kCreatureTypeIndex) ++sequence;  // group 6 is unused
            if (sequence > 0) group = sequence;
        }
        CheckList(group >= 0 && group < kVokGroupCount);
        result.Groups[std::size_t(group)] = std::move(pending);
        pending.clear();
    }
    // Names after the last group end line belong to no group and are dropped.

    doc = std::move(result);
    std::vector<std::string> kept;
    kept.reserve(n);
    for (std::size_t i = 0; i < n; ++i) kept.emplace_back(lines[i]);
    return kept;
}

}  // namespace vok
