#include "pictures/ZqColorTheme.h"

#include "pictures/ColorArithmetic.h"

namespace vok {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// Moves c towards target in steps of mix(target, c, 30) while it is closer than `near` to
// `away`; stops too where integer rounding no longer moves it.
std::uint32_t ApproachUntilApart(std::uint32_t c, std::uint32_t target, std::uint32_t away, int near) {
    while (ColorDist(c, away) < near) {
        const std::uint32_t next = BlendColors(target, c, 30);
        if (next == c) break;
        c = next;
    }
    return c;
}

}  // namespace

int ColorDist(std::uint32_t a, std::uint32_t b) {
    const int dr = int(RedOf(a)) - RedOf(b), dg = int(GreenOf(a)) - GreenOf(b), db = int(BlueOf(a)) - BlueOf(b);
    return dr * dr + dg * dg + db * db;
}

TZqColorTheme::TZqColorTheme() {
    source_.fill(clDefault);
    source_[DisabledColor] = SystemColor(SysColor::ButtonShadow);
    source_[ButtonColor] = SystemColor(SysColor::ButtonFace);
    source_[MenuColor] = SystemColor(SysColor::Menu);
    source_[GutterColor] = SystemColor(SysColor::ButtonFace);
}

TZqColorTheme& TZqColorTheme::Common() {
    static TZqColorTheme common;
    return common;
}

void TZqColorTheme::Set(Slot slot, ColorValue color) {
    if (source_[slot] == color) return;
    source_[slot] = color;
    resolved_ = false;
}

void TZqColorTheme::Assign(const TZqColorTheme& other) {
    source_ = other.source_;
    resolved_ = false;
}

std::uint32_t TZqColorTheme::Rgb(Slot slot) {
    Resolve();
    return rgb_[slot];
}

void TZqColorTheme::Resolve() {
    // System colours change under us: resolve again when any that is used now differs.
    std::array<std::uint32_t, SlotCount> now{};
    for (int i = 0; i < SlotCount; ++i) now[i] = source_[i] == clDefault ? 0 : ColorToRgb(source_[i]);
    const std::uint32_t highlight = ColorToRgb(SystemColor(SysColor::Highlight));
    if (resolved_ && now == seen_ && highlight == seenHighlight_) return;
    seen_ = now;
    seenHighlight_ = highlight;
    resolved_ = true;

    auto isDefault = [&](Slot s) { return source_[s] == clDefault; };
    for (int i = 0; i < SlotCount; ++i) rgb_[i] = now[i];
    const std::uint32_t menu = rgb_[MenuColor], gutter = rgb_[GutterColor], button = rgb_[ButtonColor];

    std::uint32_t& border = rgb_[SelBorderColor];
    if (isDefault(SelBorderColor)) {
        border = highlight;
        const int lightness = ColorLightness(ColorValue(border));
        if (lightness > 170) border = ChangeLightness(ColorValue(border), std::int16_t(170 - lightness));
    }
    std::uint32_t& sel2 = rgb_[SelectedColor2];
    if (isDefault(SelectedColor2)) {
        sel2 = BlendColors(border, kWhite, 75);
        if (ColorDist(border, menu) > 2000) sel2 = ApproachUntilApart(sel2, border, menu, 1100);
        if (ColorDist(border, gutter) > 2000) sel2 = ApproachUntilApart(sel2, border, gutter, 1100);
    }
    auto derive = [&](Slot s, std::uint32_t value) {
        if (isDefault(s)) rgb_[s] = value;
    };
    derive(SelectedColor1, BlendColors(sel2, kWhite, 150));
    derive(LightColor, BlendColors(sel2, kWhite, 40));
    derive(DarkColor, BlendColors(border, rgb_[SelectedColor1], 100));
    derive(CheckColor, BlendColors(sel2, kWhite, 160));
    derive(CheckedButtonColor, BlendColors(rgb_[CheckColor], button, 180));
    derive(RaisedColor1, BlendColors(rgb_[LightColor], gutter, 170));
    derive(RaisedColor2, ChangeLightness(ColorValue(sel2), -60));
    derive(SelButtonColor1, BlendColors(rgb_[SelectedColor1], rgb_[LightColor], 90));
    derive(SelButtonColor2, sel2);
}

}  // namespace vok
