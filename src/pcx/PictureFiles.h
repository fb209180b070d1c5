#pragma once
// Loading and saving pictures by file name: names ending in ".pcx" (any case) are
// PCX pictures, every other name is a BMP file.
#include <string>

#include "pictures/Bitmap.h"

namespace vok {

bool IsPcxName(const std::string& fileName);

// Raises the reader's errors (EFOpenError, EInvalidGraphic, EPcxError).
Bitmap LoadPicture(const std::string& fileName);
// Saves safely in the picture's own format (PCX: 24-bit for formats it has no case for);
// raises EFCreateError.
void SavePicture(const Bitmap& picture, const std::string& fileName);

}  // namespace vok
