#include "voklist/VokListGroupNames.h"

namespace vok {

const std::array<std::string_view, 22> Groups42 = {
    "Moving",          "Mouse Over",      "Standing",       "Getting Hit",           "Defend",
    "Death",           "Unused Death",    "Turn Left",      "Turn Right",            "Turn Left",
    "Turn Right",      "Attack Up",       "Attack Straight", "Attack Down",          "Shoot Up",
    "Shoot Straight",  "Shoot Down",      "2-Hex Attack Up", "2-Hex Attack Straight", "2-Hex Attack Down",
    "Start Moving",    "Stop Moving",
};

const std::array<std::string_view, 10> Groups44 = {
    "Looking Up", "Looking Up-Right", "Looking Right", "Looking Down-Right", "Looking Down",
    "Move Up",    "Move Up-Right",    "Move Right",    "Move Down-Right",    "Move Down",
};

const std::array<std::string_view, 1> GroupsOther = {"Group"};

std::span<const std::string_view> GroupNamesFor(int typeIndex) {
    switch (typeIndex) {
        case 2: return Groups42;
        case 4: return Groups44;
        default: return GroupsOther;
    }
}

}  // namespace vok
