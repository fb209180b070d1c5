#pragma once
// Casting the shadow of a frame's figure onto its background, with an optional
// selection outline.
#include "pictures/Bitmap.h"
#include "shadow/Matrix.h"

namespace vok {

enum class ShadowKind {
    Creature,  // the figure squashed to a third of its height, same columns
    Slanted,   // leaning to the left: h rows up falls 0.44 h left and 0.62 h up
};

// The projection of the kind, in upward coordinates.
TMatrix ShadowMatrix(ShadowKind kind);

// Casts the shadow of rows 0..baseLine-1 with its lowest row on baseLine - 1 and
// its right edge on the frame's right edge; only background pixels (0) take it.
// Then draws the selection outline when asked. Raises "Assertion failure
// (Unit3.cpp, line 398)", leaving the frame unchanged, for a frame that is not an
// 8-bit device-independent picture or a base line of 0 or less.
void GenerateShadow(Bitmap& frame, int baseLine, ShadowKind kind, bool withSelection);

// The lowest row holding a non-zero stored value (scanning each row from the
// right), or the height when every pixel is 0. A device-dependent picture is
// made device-independent first.
int FindBaseLine(Bitmap& picture);

}  // namespace vok
