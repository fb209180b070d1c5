#pragma once
// The names of the groups of a VokList, as the editor labels them.
#include <array>
#include <span>
#include <string_view>

namespace vok {

// Creature groups 0 to 21; "Turn Left" and "Turn Right" each stand twice.
extern const std::array<std::string_view, 22> Groups42;
// Hero groups 0 to 9.
extern const std::array<std::string_view, 10> Groups44;
// Every other type has one group.
extern const std::array<std::string_view, 1> GroupsOther;

// The group names for a type index: creature, hero, or the single "Group".
std::span<const std::string_view> GroupNamesFor(int typeIndex);

}  // namespace vok
