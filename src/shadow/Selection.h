#pragma once
// The selection outline around the figure of an 8-bit frame.
#include "pictures/Bitmap.h"

namespace vok {

// Each special pixel (value 8 or less) with a figure pixel left, above, right or
// below it becomes outline: over shadow border 7, over shadow body 6, else 5.
// Running it twice changes nothing more. The frame must be 8-bit.
void DrawSelection(Bitmap& frame);

}  // namespace vok
