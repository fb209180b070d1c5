// The speed button's painted pixels in each style and state, and its colour themes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPainter>

#include "controls/ToolGlyphs.h"
#include "controls/ZqGraphics.h"
#include "controls/ZqSpeedButton.h"
#include "pictures/ColorArithmetic.h"

namespace vok {
namespace {

std::uint32_t Pixel(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGB(std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p)));
}

QPixmap BlackSquare(int size) {
    QPixmap glyph(size, size);
    glyph.fill(Qt::black);
    return glyph;
}

class SpeedButtonPaint : public ::testing::Test {
protected:
    void SetUp() override {
        SetSysColorSource(nullptr);
        TZqSpeedButton::SetThemesActive(false);
        button.resize(21, 15);
        button.SetGlyph(BlackSquare(5));  // at (8, 5) to (12, 9)
    }
    QImage Shot() { return button.grab().toImage(); }
    std::uint32_t Theme(TZqColorTheme::Slot slot) { return button.ColorTheme().Rgb(slot); }
    std::uint32_t Sys(int index) { return ColorToRgb(SystemColor(index)); }

    TZqSpeedButton button;
};

TEST_F(SpeedButtonPaint, OfficeIdleHotPressedAndDisabled) {
    button.SetStyle(ZqsbOffice);
    QImage idle = Shot();
    EXPECT_EQ(Pixel(idle, 0, 0), Sys(SysColor::ButtonFace));
    EXPECT_EQ(Pixel(idle, 10, 1), Sys(SysColor::ButtonFace));
    EXPECT_EQ(Pixel(idle, 10, 7), 0u);

    button.SetHighlighted(true);
    QImage hot = Shot();
    EXPECT_EQ(Pixel(hot, 0, 0), Sys(SysColor::ButtonFace));  // corner
    EXPECT_EQ(Pixel(hot, 0, 7), Theme(TZqColorTheme::SelBorderColor));
    EXPECT_EQ(Pixel(hot, 3, 1), Theme(TZqColorTheme::SelButtonColor1));
    EXPECT_EQ(Pixel(hot, 3, 13), Theme(TZqColorTheme::SelButtonColor2));
    EXPECT_EQ(Pixel(hot, 13, 10), Theme(TZqColorTheme::RaisedColor2));  // the raised shadow
    EXPECT_EQ(Pixel(hot, 10, 7), 0u);
    button.SetHighlighted(false);

    button.SetKeyboardPressed(true);  // 15 high: two bands of four rows
    QImage down = Shot();
    EXPECT_EQ(Pixel(down, 3, 1), Theme(TZqColorTheme::LightColor));
    EXPECT_EQ(Pixel(down, 3, 4), Theme(TZqColorTheme::CheckedButtonColor));
    EXPECT_EQ(Pixel(down, 3, 7), Theme(TZqColorTheme::CheckedButtonColor));
    EXPECT_EQ(Pixel(down, 3, 13), Theme(TZqColorTheme::DarkColor));
    EXPECT_EQ(Pixel(down, 0, 7), Theme(TZqColorTheme::SelBorderColor));
    EXPECT_EQ(Pixel(down, 20, 14), Sys(SysColor::ButtonFace));
    button.resize(21, 9);  // nine high: two halves
    button.SetGlyph(QPixmap());
    QImage small = Shot();
    EXPECT_EQ(Pixel(small, 3, 1), Theme(TZqColorTheme::LightColor));
    EXPECT_EQ(Pixel(small, 3, 4), Theme(TZqColorTheme::CheckedButtonColor));
    EXPECT_EQ(Pixel(small, 3, 7), Theme(TZqColorTheme::DarkColor));
    button.SetKeyboardPressed(false);

    button.resize(21, 15);
    button.SetGlyph(BlackSquare(5));
    button.setEnabled(false);
    QImage off = Shot();
    EXPECT_EQ(Pixel(off, 10, 7), Sys(SysColor::ButtonShadow));
    EXPECT_EQ(Pixel(off, 10, 10), Sys(SysColor::ButtonHighlight));  // one row below the glyph
    EXPECT_EQ(Pixel(off, 2, 2), Sys(SysColor::ButtonFace));
}

TEST_F(SpeedButtonPaint, BrightStylesFrameWithHalfAndShadow) {
    const std::uint32_t half = BlendSysColors(SystemColor(SysColor::ButtonHighlight), SystemColor(SysColor::ButtonFace), 128);
    button.SetStyle(ZqsbBright);
    QImage idle = Shot();
    EXPECT_EQ(Pixel(idle, 0, 0), Sys(SysColor::ButtonFace));
    EXPECT_EQ(Pixel(idle, 1, 1), Sys(SysColor::ButtonFace));
    button.SetHighlighted(true);
    QImage hot = Shot();
    EXPECT_EQ(Pixel(hot, 0, 0), half);
    EXPECT_EQ(Pixel(hot, 1, 1), half);
    EXPECT_EQ(Pixel(hot, 3, 3), Sys(SysColor::ButtonHighlight));
    button.SetStyle(ZqsbBrightFrame1);
    QImage frame1 = Shot();
    EXPECT_EQ(Pixel(frame1, 0, 7), half);
    EXPECT_EQ(Pixel(frame1, 1, 7), Sys(SysColor::ButtonShadow));
    button.SetStyle(ZqsbBrightFrame2);
    button.SetHighlighted(false);
    button.SetKeyboardPressed(true);  // pressed: shifted glyph, frames as when hot
    QImage frame2 = Shot();
    EXPECT_EQ(Pixel(frame2, 0, 7), Sys(SysColor::ButtonShadow));
    EXPECT_EQ(Pixel(frame2, 1, 7), half);
    EXPECT_EQ(Pixel(frame2, 13, 10), 0u);
    EXPECT_EQ(Pixel(frame2, 8, 5), Sys(SysColor::ButtonHighlight));
    // Transparent and idle: frames only while hot or pressed, and no fill.
    button.SetKeyboardPressed(false);
    button.setEnabled(false);
    QImage off = Shot();
    EXPECT_EQ(Pixel(off, 10, 7), Sys(SysColor::ButtonShadow));
}

TEST_F(SpeedButtonPaint, ThemedButtonsPaintAsStandardUnlessStyledOnXP) {
    TZqSpeedButton::SetThemesActive(true);
    button.SetStyle(ZqsbStandard);
    const QImage standard = Shot();
    button.SetStyle(ZqsbOffice);
    button.SetHighlighted(true);  // ignored with themes on
    EXPECT_EQ(Shot(), standard);
    button.SetStyledOnXP(true);
    EXPECT_NE(Shot(), standard);
    TZqSpeedButton::SetThemesActive(false);
}

TEST_F(SpeedButtonPaint, PaintEventCanChangeTheStateItDrawsAndDrawsTheStandardPainting) {
    button.SetStyle(ZqsbOffice);
    button.SetKeyboardPressed(true);
    const QImage pressed = Shot();
    button.SetKeyboardPressed(false);
    int calls = 0;
    button.OnPaint = [&](TZqSpeedButton* sender, const TZqSpeedButton::StandardPaint& paint, TButtonState& state,
                         bool& mouseIn, bool reallyIn) {
        EXPECT_EQ(sender, &button);
        EXPECT_EQ(state, bsUp);
        EXPECT_FALSE(mouseIn || reallyIn);
        state = bsDown;
        paint();
        ++calls;
    };
    EXPECT_EQ(Shot(), pressed);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(button.PaintState(), bsUp);
}

TEST(ZqSpeedButton, PrivateThemeIsACopyThatLeavesTheCommonOneAlone) {
    TZqSpeedButton a, b;
    a.SetCommonColorTheme(false);
    a.ColorTheme().Set(TZqColorTheme::SelBorderColor, RGB(255, 0, 0));
    EXPECT_EQ(a.ColorTheme().Rgb(TZqColorTheme::SelBorderColor), RGB(255, 0, 0));
    EXPECT_NE(b.ColorTheme().Rgb(TZqColorTheme::SelBorderColor), RGB(255, 0, 0));
    EXPECT_EQ(&b.ColorTheme(), &TZqColorTheme::Common());
    a.SetCommonColorTheme(true);
    EXPECT_EQ(&a.ColorTheme(), &TZqColorTheme::Common());
}

TEST(ZqSpeedButton, GroupedButtonsStayDownOneAtATime) {
    QWidget parent;
    auto* first = new TZqSpeedButton(&parent);
    auto* second = new TZqSpeedButton(&parent);
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    first->click();
    EXPECT_TRUE(first->Down());
    second->click();
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    second->click();
    EXPECT_TRUE(second->Down());
    EXPECT_EQ(second->PaintState(), bsExclusive);
}

TEST(ToolGlyphs, ArrowsPointTheirWayAndButtonGlyphsAreDrawn) {
    const QImage up = ArrowGlyph(ArrowDirection::Up).toImage(), down = ArrowGlyph(ArrowDirection::Down).toImage();
    const QImage left = ArrowGlyph(ArrowDirection::Left).toImage(), right = ArrowGlyph(ArrowDirection::Right).toImage();
    ASSERT_EQ(up.size(), QSize(9, 5));
    ASSERT_EQ(left.size(), QSize(5, 9));
    // The tip is a single opaque pixel; the base row is full.
    EXPECT_EQ(qAlpha(up.pixel(4, 0)), 255);
    EXPECT_EQ(qAlpha(up.pixel(3, 0)), 0);
    EXPECT_EQ(qAlpha(up.pixel(0, 4)), 255);
    EXPECT_EQ(qAlpha(down.pixel(4, 4)), 255);
    EXPECT_EQ(qAlpha(down.pixel(3, 4)), 0);
    EXPECT_EQ(qAlpha(left.pixel(0, 4)), 255);
    EXPECT_EQ(qAlpha(left.pixel(0, 3)), 0);
    EXPECT_EQ(qAlpha(right.pixel(4, 4)), 255);
    EXPECT_EQ(qAlpha(right.pixel(4, 3)), 0);
    for (const QPixmap& glyph : {NewGlyph(), OpenGlyph(), SaveGlyph(), AddGlyph()}) {
        ASSERT_EQ(glyph.size(), QSize(16, 16));
        const QImage image = glyph.toImage();
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_GT(opaque, 40);
        EXPECT_LT(opaque, 256);
    }
}

TEST(SystemColors, EveryIndexHasAColourFromThePalette) {
    UsePaletteSysColors();
    const QPalette palette = QApplication::palette();
    const auto rgb = [](const QColor& c) { return RGB(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())); };
    // Indexes without a colour of their own: text-like ones the window text, the rest the button face.
    EXPECT_EQ(ColorToRgb(SystemColor(7)), rgb(palette.color(QPalette::Text)));
    for (int index : {0, 1, 3, 12, 25, 30, -1})
        EXPECT_EQ(ColorToRgb(SystemColor(index)), rgb(palette.color(QPalette::Button))) << index;
    SetSysColorSource(nullptr);
    EXPECT_EQ(ColorToRgb(SystemColor(0)), DefaultSysColor(SysColor::ButtonFace));
    EXPECT_EQ(ColorToRgb(SystemColor(9)), 0u);
}

}  // namespace
}  // namespace vok
