#pragma once
// The pictures of the tool buttons, drawn by the program itself: New, Open, Save and Add of
// the list editor (16 x 16) and the four arrows of the move window.
#include <QPixmap>

namespace vok {

QPixmap NewGlyph();
QPixmap OpenGlyph();
QPixmap SaveGlyph();
QPixmap AddGlyph();

enum class ArrowDirection { Up, Left, Down, Right };
// A solid black triangle, 9 across and 5 deep, pointing the given way; the rest transparent.
QPixmap ArrowGlyph(ArrowDirection direction);

}  // namespace vok
