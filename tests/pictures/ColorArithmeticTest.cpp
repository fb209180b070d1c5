// Colour arithmetic of the controls' painters and the office colour theme.
#include <gtest/gtest.h>

#include "pictures/ColorArithmetic.h"
#include "pictures/ZqColorTheme.h"

namespace vok {
namespace {

struct SysColorsFromTable {
    explicit SysColorsFromTable(std::uint32_t highlight) {
        SetSysColorSource([highlight](int index) {
            return index == SysColor::Highlight ? highlight : DefaultSysColor(index);
        });
    }
    ~SysColorsFromTable() { SetSysColorSource(nullptr); }
};

TEST(ColorArithmetic, LightnessOfPureAndSystemColours) {
    EXPECT_EQ(ColorLightness(0x00FF0000), 127);
    EXPECT_EQ(ColorLightness(0x00FFFFFF), 255);
    EXPECT_EQ(ColorLightness(0), 0);
    SysColorsFromTable table(RGB(200, 100, 0));
    EXPECT_EQ(ColorLightness(SystemColor(SysColor::Highlight)), 100);
}

TEST(ColorArithmetic, ChangeLightnessKeepsRatiosAndNeverPassesWhite) {
    EXPECT_EQ(ChangeLightness(0, 40), 0x00282828u);
    EXPECT_EQ(ChangeLightness(0, -40), 0u);
    // k would be 512; 128 * 512 passes 0xFFFF, so k falls to 511 and green stops at 255.
    EXPECT_EQ(ChangeLightness(0x00008000, 64), 0x0000FF00u);
    EXPECT_EQ(ChangeLightness(0x00FFFFFF, 100), 0x00FFFFFFu);
    EXPECT_EQ(ChangeLightness(0x00404040, -200), 0u);
    EXPECT_EQ(ChangeLightness(RGB(100, 50, 0), -25), RGB(50, 25, 0));  // k = 128
}

TEST(ColorArithmetic, BlendsAtTheEndsAndTheMiddle) {
    const std::uint32_t a = RGB(255, 10, 201), b = RGB(0, 255, 100);
    EXPECT_EQ(BlendColors(a, b, 256), a);
    EXPECT_EQ(BlendColors(a, b, 0), b);
    EXPECT_EQ(BlendColors(a, b, 128), RGB(127, 132, 150));
    EXPECT_EQ(BlendColors(0xFFFFFF, 0xFFFFFF, 255), 0xFFFFFFu);  // no spill between components
    EXPECT_EQ(BlendByCounts(a, b, 1, 0), a);
    EXPECT_EQ(BlendByCounts(a, b, 0, 7), b);
    EXPECT_EQ(BlendByCounts(a, b, 0, 0), BlendColors(a, b, 128));
    EXPECT_EQ(BlendByCounts(0xFFFFFF, 0, 0xFFFFFFFFu, 0xFFFFFFFFu), 0x7F7F7Fu);
    SysColorsFromTable table(RGB(0, 0, 255));
    EXPECT_EQ(BlendSysColors(SystemColor(SysColor::Highlight), 0, 128), RGB(0, 0, 127));
}

TEST(ColorArithmetic, GradientRowsRunFromTopToBottomExactly) {
    const auto rows = GradientRows(0xFFFFFF, 0, 4);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], 0xFFFFFFu);
    EXPECT_EQ(rows[1], 0xA9A9A9u);  // 169
    EXPECT_EQ(rows[2], 0x545454u);  // 84
    EXPECT_EQ(rows[3], 0u);
    EXPECT_EQ(GradientRows(0xFFFFFF, 0, 1), std::vector<std::uint32_t>{0x7F7F7F});
    EXPECT_TRUE(GradientRows(0xFFFFFF, 0, 0).empty());
}

TEST(ZqColorTheme, FollowsTheSystemHighlightUntilABorderIsSet) {
    TZqColorTheme theme;
    {
        SysColorsFromTable table(RGB(0x0A, 0x24, 0x6A));
        EXPECT_EQ(theme.Rgb(TZqColorTheme::SelBorderColor), RGB(0x0A, 0x24, 0x6A));
        EXPECT_EQ(theme.Rgb(TZqColorTheme::SelButtonColor2), theme.Rgb(TZqColorTheme::SelectedColor2));
    }
    {
        // A light highlight is darkened to lightness 170.
        SysColorsFromTable table(RGB(240, 240, 240));
        EXPECT_EQ(ColorLightness(ColorValue(theme.Rgb(TZqColorTheme::SelBorderColor))), 170);
    }
    theme.Set(TZqColorTheme::SelBorderColor, RGB(255, 0, 0));
    EXPECT_EQ(theme.Rgb(TZqColorTheme::SelBorderColor), RGB(255, 0, 0));
    TZqColorTheme copy;
    copy.Assign(theme);
    EXPECT_EQ(copy.Rgb(TZqColorTheme::DarkColor), theme.Rgb(TZqColorTheme::DarkColor));
}

TEST(ZqColorTheme, SelectionMovesAwayFromAMenuOfTheSameShade) {
    // The first mix lands on the menu colour itself; the approach must move it clear or stop.
    TZqColorTheme theme;
    SysColorsFromTable table(RGB(0, 0, 128));
    const std::uint32_t first = BlendColors(RGB(0, 0, 128), 0xFFFFFF, 75);
    theme.Set(TZqColorTheme::MenuColor, ColorValue(first));
    theme.Set(TZqColorTheme::GutterColor, ColorValue(first));
    const std::uint32_t sel2 = theme.Rgb(TZqColorTheme::SelectedColor2);
    EXPECT_GE(ColorDist(sel2, first), 1100);
    // Wherever rounding stalls the approach short of the border colour, resolving still ends.
    for (int grey = 0; grey < 256; grey += 5) {
        theme.Set(TZqColorTheme::SelBorderColor, RGB(std::uint8_t(grey), 0, std::uint8_t(255 - grey)));
        const std::uint32_t mixed = BlendColors(RGB(std::uint8_t(grey), 0, std::uint8_t(255 - grey)), 0xFFFFFF, 75);
        theme.Set(TZqColorTheme::MenuColor, ColorValue(mixed));
        (void)theme.Rgb(TZqColorTheme::SelectedColor2);
    }
}

}  // namespace
}  // namespace vok
