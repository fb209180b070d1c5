#pragma once
// Painting helpers of the controls: flat silhouettes of glyphs, vertical gradients, and the
// system colours read from the application's palette.
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <cstdint>

#include "pictures/Color.h"

class QPainter;

namespace vok {

// 0x00BBGGRR to QColor; system colours resolved.
QColor ToQColor(ColorValue color);
// The system colours of the colour arithmetic follow the application palette from now on.
void UsePaletteSysColors();

// Paints colour where the mask is black; white leaves the surface unchanged.
void DrawMonoMask(QPainter& painter, const QImage& mono, ColorValue color, int x, int y);
// The silhouette of the picture's opaque pixels in one colour.
void DrawPictureMask(QPainter& painter, const QPixmap& picture, ColorValue color, int x, int y);
// The picture's monochrome image in one colour: what is white or transparent stays
// unpainted, everything else is painted.
void DrawMonochrome(QPainter& painter, const QPixmap& picture, ColorValue color, int x, int y);
// Each row from rect's top to its bottom in a blend running exactly from top to bottom.
void FillGradient(QPainter& painter, const QRect& rect, ColorValue top, ColorValue bottom);

// The black-on-white masks the two routines above draw with.
QImage PictureMask(const QPixmap& picture);
QImage MonochromeImage(const QPixmap& picture);

}  // namespace vok
