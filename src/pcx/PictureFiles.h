#pragma once
// Loading and saving pictures by file name: names ending in ".pcx" (any case) are
// PCX pictures, names ending in ".png" PNG pictures, every other name is a BMP file.
#include <string>

#include "pictures/Bitmap.h"

namespace vok {

bool IsPcxName(const std::string& fileName);

// Raises the reader's errors (EFOpenError, EInvalidGraphic, EPcxError, EPngError). PNG
// transparency is read with CurrentPngReading().
Bitmap LoadPicture(const std::string& fileName);
// Saves safely in the picture's own format (PCX: 24-bit for formats it has no case for;
// PNG: RGB for formats other than 1, 4 and 8 bits);
// raises EFCreateError.
void SavePicture(const Bitmap& picture, const std::string& fileName);

}  // namespace vok
