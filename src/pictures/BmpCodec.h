#pragma once
// Reading and writing BMP files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pictures/Bitmap.h"

namespace vok {

// Any BMP a paint program may write. Raises EInvalidGraphic("Bitmap image is not valid")
// for anything that is not a readable BMP.
Bitmap DecodeBmp(const std::uint8_t* data, std::size_t size);
// Raises EFOpenError("Cannot open file "%s". %s") when the file cannot be opened,
// EInvalidGraphic when it is not a readable BMP.
Bitmap LoadBitmapFromFile(const std::string& fileName);

// A picture without pixels is no picture any reader takes: saving one fails with
// "Cannot create file "%s". The picture has no pixels" and writes nothing.
void CheckPictureHasPixels(const Bitmap& picture, const std::string& fileName);

// Uncompressed, bottom-up, in the picture's pixel format.
std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap);
// Writes safely (temporary file renamed over the target); raises
// EFCreateError("Cannot create file "%s". %s") and leaves the old file untouched.
void SaveBitmapToFile(const Bitmap& bitmap, const std::string& fileName);

}  // namespace vok
