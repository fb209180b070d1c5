#pragma once
// The selection colours of the office look, derived from a few system colours.
#include <array>
#include <cstdint>
#include <memory>

#include "pictures/Color.h"

namespace vok {

// A colour value that means "derive it from the others".
inline constexpr ColorValue clDefault = ColorValue(0x20000000);

class TZqColorTheme {
public:
    enum Slot {
        SelectedColor1, SelectedColor2, SelBorderColor, SelButtonColor1, SelButtonColor2, LightColor, DarkColor,
        CheckColor, CheckedButtonColor, RaisedColor1, RaisedColor2, DisabledColor, ButtonColor, MenuColor,
        GutterColor, SlotCount
    };

    TZqColorTheme();
    // The program-wide theme, made on first use.
    static TZqColorTheme& Common();

    ColorValue Get(Slot slot) const { return source_[slot]; }
    void Set(Slot slot, ColorValue color);
    // Copies the colours of another theme.
    void Assign(const TZqColorTheme& other);

    // The RGB value of a slot, resolved again first when a source colour or a system colour
    // it depends on has changed.
    std::uint32_t Rgb(Slot slot);
    void Resolve();

private:
    std::array<ColorValue, SlotCount> source_{};
    std::array<std::uint32_t, SlotCount> rgb_{};
    // The system colours the last resolving saw.
    std::array<std::uint32_t, SlotCount> seen_{};
    std::uint32_t seenHighlight_ = 0;
    bool resolved_ = false;
};

// Sum of the squared differences of red, green and blue.
int ColorDist(std::uint32_t a, std::uint32_t b);

}  // namespace vok
