// The palette grid: which positions a drag toggles, what OK hands back, Load.
#include <gtest/gtest.h>

#include "palette/PaletteCells.h"
#include "pictures/BmpCodec.h"
#include "support/Errors.h"
#include "support/TempFolder.h"

namespace vok::test {
namespace {

constexpr ColorValue Face = 0xC0C0C0;

TEST(PaletteCellsTest, ADragTogglesARunByIndexAndFramesShowItBeforehand) {
    PaletteCells cells;
    cells.Load(DefaultStandardColors(), Face);
    EXPECT_TRUE(cells.FrameBlack(7));
    EXPECT_FALSE(cells.FrameBlack(8));
    EXPECT_EQ(cells.EditorPalette[8], Face);

    EXPECT_EQ(cells.Press(20), std::vector<int>{20});
    EXPECT_TRUE(cells.FrameBlack(20));
    const std::vector<int> entered = cells.Move(5);  // back across a line break of the grid
    EXPECT_EQ(entered.size(), 15u);                  // 5 to 19
    EXPECT_FALSE(cells.FrameBlack(5));
    EXPECT_EQ(cells.Move(6), std::vector<int>{5});   // only the cell that left is redrawn
    cells.Move(5);
    cells.Release();
    EXPECT_EQ(cells.DragAnchor, NoDrag);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(cells.ColorSelected[std::size_t(i)], i < 5 || (i > 7 && i <= 20)) << i;
    for (int i = 0; i < 256; ++i) EXPECT_EQ(cells.FrameBlack(i), cells.ColorSelected[std::size_t(i)]) << i;
}

TEST(PaletteCellsTest, LeavingTheCellAreaClampsToTheBorderCell) {
    EXPECT_EQ(PaletteCells::PositionAt(-40, -3), 0);
    EXPECT_EQ(PaletteCells::PositionAt(500, 17), 15);
    EXPECT_EQ(PaletteCells::PositionAt(18, 18), 17);
    EXPECT_EQ(PaletteCells::PositionAt(5, 9999), 240);
    EXPECT_EQ(PaletteCells::PositionAt(287, 287), 255);
}

TEST(PaletteCellsTest, ResultKeepsOnlySelectedPositions) {
    PaletteCells cells;
    StandardColorTable table = EmptyStandardColors();
    table[3] = 0x7F123456;  // bits above the colour are dropped
    cells.Load(table, Face);
    cells.Press(255);
    cells.Release();
    const StandardColorTable result = cells.Result();
    EXPECT_EQ(result[3], 0x123456);
    EXPECT_EQ(result[255], Face);
    EXPECT_EQ(StandardColorLines(result).size(), 256u);
    cells.Press(0);
    cells.Move(255);
    cells.Release();  // toggles all: 3 and 255 off, the rest on
    EXPECT_EQ(cells.Result()[3], -1);
    EXPECT_EQ(cells.Result()[4], Face);
}

TEST(PaletteCellsTest, EmptyLinesOfEveryKindStayUnselectedAndEmpty) {
    // "80000000" and "FFFFFFFE" read as negative values: empty positions like a blank line.
    const StandardColorTable table = ParseStandardColors({"FF00FF", "80000000", "", "FFFFFFFE", "000000"});
    PaletteCells cells;
    cells.Load(table, Face);
    EXPECT_EQ(cells.EditorPalette[1], Face);
    const StandardColorTable result = cells.Result();
    EXPECT_EQ(StandardColorLines(result), (std::vector<std::string>{"FF00FF", "", "", "", "000000"}));
}

TEST(PaletteCellsTest, LoadTakesThePaletteOfPalettedPicturesOnly) {
    TempFolder folder;
    Bitmap sixteen(2, 2, PixelFormat::Bits4);
    std::vector<RgbQuad> colors(16);
    for (std::size_t i = 0; i < 16; ++i) colors[i] = ToQuad(RGB(std::uint8_t(i), 1, 2));
    sixteen.setColorTable(colors);
    SaveBitmapToFile(sixteen, folder / "16.bmp");
    SaveBitmapToFile(Bitmap(2, 2, PixelFormat::Bits24), folder / "24.bmp");
    WriteBytes(folder / "text.bmp", "not a picture");

    PaletteCells cells;
    cells.Load(EmptyStandardColors(), Face);
    cells.TakeColorTable(BitmapPaletteOfFile(folder / "16.bmp"));
    EXPECT_EQ(cells.EditorPalette[15], ColorValue(RGB(15, 1, 2)));
    EXPECT_EQ(cells.EditorPalette[16], Face);
    EXPECT_TRUE(BitmapPaletteOfFile(folder / "24.bmp").empty());
    EXPECT_THROW(BitmapPaletteOfFile(folder / "text.bmp"), EInvalidGraphic);
}

}  // namespace
}  // namespace vok::test
