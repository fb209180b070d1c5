#pragma once
// Colour arithmetic for painting controls: lightness, lighter and darker shades, blends,
// and the system colours they may start from.
#include <cstdint>
#include <functional>
#include <vector>

#include "pictures/Color.h"

namespace vok {

// A negative colour value names a system colour by its low byte.
constexpr ColorValue SystemColor(int index) { return ColorValue(0x80000000u | std::uint32_t(index & 0xFF)); }
namespace SysColor {
inline constexpr int Menu = 4, Window = 5, WindowText = 8, Highlight = 13, HighlightText = 14, ButtonFace = 15,
                     ButtonShadow = 16, GrayText = 17, ButtonText = 18, ButtonHighlight = 20, DarkShadow = 21,
                     Light = 22, InfoText = 23, InfoBackground = 24;
}

// Where the RGB values of the system colours come from; the windows install one that reads
// their palette. Without one, the classic grey defaults are used.
using SysColorSource = std::function<std::uint32_t(int index)>;
void SetSysColorSource(SysColorSource source);
std::uint32_t DefaultSysColor(int index);
// The system colour an index without a colour of its own stands for: the window text colour
// for the text and frame colours (window frame, menu text, caption texts), the button face
// for every other index.
int MappedSysColor(int index);
// An RGB colour passes unchanged; a system colour becomes its current RGB value.
std::uint32_t ColorToRgb(ColorValue color);

int ColorLightness(ColorValue color);
std::uint32_t ChangeLightness(ColorValue color, std::int16_t amount);
// weight 256ths of a, the rest of b.
std::uint32_t BlendColors(std::uint32_t a, std::uint32_t b, int weight);
std::uint32_t BlendSysColors(ColorValue a, ColorValue b, int weight);
// a counts p parts and b counts q parts; no parts at all counts as half of each.
std::uint32_t BlendByCounts(std::uint32_t a, std::uint32_t b, std::uint32_t p, std::uint32_t q);

// The row colours of a vertical gradient over `rows` rows: the first row exactly top, the
// last exactly bottom; a single row gets the mean.
std::vector<std::uint32_t> GradientRows(ColorValue top, ColorValue bottom, int rows);

}  // namespace vok
