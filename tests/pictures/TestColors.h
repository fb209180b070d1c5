#pragma once
// Colours the picture tests draw with.
#include <cstdint>

#include "pictures/Color.h"

namespace vok::test {

inline constexpr std::uint32_t kWhite = RGB(255, 255, 255), kBlack = 0, kRed = RGB(255, 0, 0),
                               kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

}  // namespace vok::test
