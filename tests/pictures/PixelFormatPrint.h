#pragma once
// Pixel formats print by name in test names and failure messages.
#include <ostream>

#include "pictures/PixelFormat.h"

namespace vok {

inline void PrintTo(PixelFormat f, std::ostream* os) {
    static const char* const names[] = {"Device", "Bits1", "Bits4", "Bits8", "Bits15", "Bits16", "Bits24", "Bits32", "Custom"};
    *os << names[static_cast<int>(f)];
}

}  // namespace vok
