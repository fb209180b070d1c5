#pragma once
// The shadow mask: the figure of a frame projected through a matrix, as a
// picture of 4 (shadow body) on 0, and its edging with 1 (shadow border).
#include "pictures/Bitmap.h"
#include "shadow/Matrix.h"

namespace vok {

// Palette indexes with a fixed meaning in a frame.
namespace ShadowIndex {
inline constexpr std::uint8_t Background = 0;
inline constexpr std::uint8_t Border = 1;
inline constexpr std::uint8_t Body = 4;
inline constexpr std::uint8_t SelectionOverBackground = 5;
inline constexpr std::uint8_t SelectionOverBody = 6;
inline constexpr std::uint8_t SelectionOverBorder = 7;
// Stored values above this are figure pixels.
inline constexpr std::uint8_t LastSpecial = 8;
}  // namespace ShadowIndex

// A rectangle [Left, Right) x [Top, Bottom).
struct TIntRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Projects the rectangle of an 8-bit picture through m (upward coordinates).
// Each mask pixel takes the source pixel of greatest quantised bilinear weight
// and becomes Body when that pixel is a figure pixel, else Background.
// Raises "Assertion failure (Unit3.cpp, line 398)" for a picture that is not an
// 8-bit device-independent one or a rectangle that is empty after clipping.
Bitmap TransformMask(const Bitmap& source, const TMatrix& m, TIntRect rect);

// Turns each Body pixel with a Background neighbour (left, above, right, below,
// inside the picture) into Border.
void MarkShadowBorder(Bitmap& mask);

}  // namespace vok
