#pragma once
// The VokList document: 22 groups of frame names, the Vok Type, the first line
// and the settings block that the sprite builder reads. Also the type table.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vok {

// The frame names of one group, in list order.
using TMyStrArray = std::vector<std::string>;

inline constexpr int kVokGroupCount = 22;
inline constexpr int kVokTypeCount = 10;
// The type a new list starts with, and the one given to a list without header.
inline constexpr int kCreatureTypeIndex = 2;

struct TVokListDocument {
    std::array<TMyStrArray, kVokGroupCount> Groups;
    // Position in the Vok Type list, 0 to 9.
    int TypeIndex = kCreatureTypeIndex;
    // Line 0 and CR LF; empty for a list without header.
    std::string FirstLineText;
    // CR LF, lines 2 to 14 joined by CR LF, CR LF; empty for a list without header.
    std::string SettingsBlock;

    bool HasHeader() const { return !FirstLineText.empty(); }
    bool operator==(const TVokListDocument&) const = default;
};

// The Vok Type list, in list order ("$40 Spells" ... "$49 Combat Hero").
extern const std::array<std::string_view, kVokTypeCount> kVokTypeTexts;

bool IsValidTypeIndex(int typeIndex);
// The value stored in line 1: 9 minus the type index.
int TypeValue(int typeIndex);
// The highest group shown and written for a type: 21 creature, 9 hero, else 0.
int GroupBound(int typeIndex);

// The settings block of a new list: the 14 lines of the template, each followed by CR LF.
std::string NewListSettingsBlock();
// An empty creature list with the header of a new list ("0", "7", the template).
void InitNewVokList(TVokListDocument& doc);

}  // namespace vok
