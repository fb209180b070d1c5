#pragma once
// The entries of the main window's creature box: index, two blanks, creature name.
#include <array>

#include "app/MonVoks.h"

namespace vok {

extern const std::array<const char*, CreatureCount> CreatureNames;

}  // namespace vok
