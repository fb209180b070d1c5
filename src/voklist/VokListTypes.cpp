#include "voklist/VokListTypes.h"

#include "voklist/VokListGroupNames.h"

namespace vok {

const std::array<std::string_view, kVokTypeCount> kVokTypeTexts = {
    "$40 Spells",
    "$41 Spritevok (not used)",
    "$42 Creature",
    "$43 Adventure Object",
    "$44 Hero",
    "$45 Terrain",
    "$46 Cursor",
    "$47 Interface",
    "$48 Sprite Frame (not used)",
    "$49 Combat Hero",
};

namespace {
constexpr std::array<int, kVokTypeCount> kGroupBounds = {0, 0, 21, 0, 9, 0, 0, 0, 0, 0};
}

bool IsValidTypeIndex(int typeIndex) { return typeIndex >= 0 && typeIndex < kVokTypeCount; }

int TypeValue(int typeIndex) { return 9 - typeIndex; }

int GroupBound(int typeIndex) { return IsValidTypeIndex(typeIndex) ? kGroupBounds[std::size_t(typeIndex)] : 0; }

std::string NewListSettingsBlock() {
    std::string block;
    for (const std::string& item : ZqStringer1().Items()) {
        block += item;
        block += "\r\n";
    }
    return block;
}

void InitNewVokList(TVokListDocument& doc) {
    for (auto& group : doc.Groups) group.clear();
    doc.FirstLineText = "0\r\n";
    doc.SettingsBlock = NewListSettingsBlock();
    doc.TypeIndex = kCreatureTypeIndex;
}

}  // namespace vok
