#pragma once
// Display conversion of a picture for the windows.
#include <QImage>

#include "pictures/Bitmap.h"

namespace vok {

// A 32-bit RGB image with the picture's colours (paletted pictures through their table).
QImage ToQImage(const Bitmap& bitmap);

}  // namespace vok
