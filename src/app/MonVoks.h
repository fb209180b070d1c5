#pragma once
// The creature table: the vok-file name of each creature of the game.
#include <cstdint>
#include <string>
#include <vector>

namespace vok {

inline constexpr int CreatureCount = 149;
inline constexpr int MonVoksRecordSize = 20;
inline constexpr int MonVoksNameSize = 12;
inline constexpr const char* MonVoksFileName = "MonVoks.dat";

// The vok name of creature `index`. The records stand in reverse order: the record of
// creature i starts at byte (148 - i) * 20; its first 12 bytes hold the name, ending at
// the first zero byte. A record beyond the end of a short file gives an empty name.
std::string VokNameOf(const std::vector<std::uint8_t>& data, int index);

}  // namespace vok
