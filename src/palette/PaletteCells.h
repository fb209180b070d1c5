#pragma once
// What the palette editor holds: 256 colours shown as 16 x 16 cells, which positions
// are to carry a standard colour, and the mouse drag that toggles a run of them.
#include <array>
#include <string>
#include <vector>

#include "colours/StandardColors.h"
#include "pictures/Color.h"

namespace vok {

inline constexpr int PaletteCellSize = 18;
inline constexpr int PaletteColumns = 16;
inline constexpr int PaletteAreaSize = PaletteCellSize * PaletteColumns;  // 288
// No drag runs.
inline constexpr int NoDrag = 2147483647;

class PaletteCells {
public:
    // Colours 0x00BBGGRR, one per palette position.
    std::array<ColorValue, 256> EditorPalette{};
    std::array<bool, 256> ColorSelected{};
    int DragAnchor = NoDrag;
    int DragCurrent = NoDrag;

    // Selects the positions that have a standard colour and shows their colours;
    // the others get `emptyColor`. No drag runs afterwards.
    void Load(const StandardColorTable& table, ColorValue emptyColor);
    // The selected positions with their colours (low 24 bits), every other one empty.
    StandardColorTable Result() const;

    // The position under a point of the cell area; a point outside counts as the
    // nearest border cell.
    static int PositionAt(int x, int y);

    bool InDrag(int position) const;
    // Black frame: selected, or about to be toggled on by the running drag.
    bool FrameBlack(int position) const { return ColorSelected[std::size_t(position)] != InDrag(position); }

    // The mouse drag, by index order: pressing at p and moving to q covers every
    // position from min(p, q) to max(p, q). Press and Move return the positions
    // whose frame changed; Release toggles the covered positions, which leaves
    // every frame as the drag showed it.
    std::vector<int> Press(int position);
    std::vector<int> Move(int position);
    void Release();

    // Copies a picture's colour table from position 0 on (at most 256 entries);
    // positions beyond it keep their colours.
    void TakeColorTable(const std::vector<RgbQuad>& colors);

private:
    std::vector<int> SetDrag(int anchor, int current);
};

// The colour table of a BMP file, empty for a picture of 15 bits per pixel or more.
// Raises the loader's error for a file that is not a readable BMP.
std::vector<RgbQuad> BitmapPaletteOfFile(const std::string& fileName);

}  // namespace vok
