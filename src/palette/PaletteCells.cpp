#include "palette/PaletteCells.h"

#include <algorithm>

#include "pictures/BmpCodec.h"

namespace vok {

void PaletteCells::Load(const StandardColorTable& table, ColorValue emptyColor) {
    for (std::size_t i = 0; i < 256; ++i) {
        // Every negative entry is an empty position, not only -1 (a line of 80000000 and up).
        ColorSelected[i] = table[i] >= 0;
        EditorPalette[i] = table[i] >= 0 ? (table[i] & 0xFFFFFF) : emptyColor;
    }
    DragAnchor = DragCurrent = NoDrag;
}

StandardColorTable PaletteCells::Result() const {
    StandardColorTable table = EmptyStandardColors();
    for (std::size_t i = 0; i < 256; ++i)
        if (ColorSelected[i]) table[i] = EditorPalette[i] & 0xFFFFFF;
    return table;
}

int PaletteCells::PositionAt(int x, int y) {
    const int cx = std::clamp(x, 0, PaletteAreaSize - 1) / PaletteCellSize;
    const int cy = std::clamp(y, 0, PaletteAreaSize - 1) / PaletteCellSize;
    return cy * PaletteColumns + cx;
}

bool PaletteCells::InDrag(int position) const {
    if (DragAnchor == NoDrag) return false;
    return position >= std::min(DragAnchor, DragCurrent) && position <= std::max(DragAnchor, DragCurrent);
}

std::vector<int> PaletteCells::SetDrag(int anchor, int current) {
    std::array<bool, 256> before{};
    for (int i = 0; i < 256; ++i) before[std::size_t(i)] = InDrag(i);
    DragAnchor = anchor;
    DragCurrent = current;
    std::vector<int> changed;
    for (int i = 0; i < 256; ++i)
        if (before[std::size_t(i)] != InDrag(i)) changed.push_back(i);
    return changed;
}

std::vector<int> PaletteCells::Press(int position) { return SetDrag(position, position); }

std::vector<int> PaletteCells::Move(int position) {
    if (DragAnchor == NoDrag) return {};
    return SetDrag(DragAnchor, position);
}

void PaletteCells::Release() {
    if (DragAnchor == NoDrag) return;
    for (int i = std::min(DragAnchor, DragCurrent); i <= std::max(DragAnchor, DragCurrent); ++i)
        ColorSelected[std::size_t(i)] = !ColorSelected[std::size_t(i)];
    DragAnchor = DragCurrent = NoDrag;
}

void PaletteCells::TakeColorTable(const std::vector<RgbQuad>& colors) {
    const std::size_t count = std::min<std::size_t>(colors.size(), 256);
    for (std::size_t i = 0; i < count; ++i) EditorPalette[i] = ColorValue(ToColor(colors[i]));
}

std::vector<RgbQuad> BitmapPaletteOfFile(const std::string& fileName) {
    const Bitmap picture = LoadBitmapFromFile(fileName);
    const int bits = picture.storageBits();
    if (bits > 8) return {};
    return picture.colorTable();
}

}  // namespace vok
