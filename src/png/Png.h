#pragma once
// PNG pictures, read and written through libspng. Palette pictures keep their palette and
// their indexes; every other kind becomes a 24-bit picture, transparent pixels taking a
// background colour.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pictures/Bitmap.h"
#include "support/Errors.h"

namespace vok {

// A file that is no PNG picture this reader accepts. The message names the file when
// the picture came from one.
class EPngError : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

// How pixels with alpha (an alpha channel or a tRNS colour) are read: alpha below the
// threshold gives the background colour, any other pixel keeps its colour unblended.
// Fully opaque pixels always keep their colour, so 256 turns every partly transparent
// pixel into background and 0 keeps every colour.
struct PngReading {
    std::uint32_t background = 0xFFFF00;  // 0x00BBGGRR; the first of the default standard colours
    int alphaThreshold = 128;             // 0 to 256
};

// The setting LoadPicture reads PNG files with: the window sets it from its standard
// colours, vokcli from its options, before pictures are loaded.
PngReading CurrentPngReading();
void SetPngReading(const PngReading& reading);

bool IsPngName(const std::string& fileName);

// 1-, 2-, 4- and 8-bit palette PNGs become 1-, 4-, 4- and 8-bit pictures with the
// PNG's palette; all others 24-bit. Raises EPngError.
Bitmap DecodePng(const std::uint8_t* data, std::size_t size, const PngReading& reading);
// Raises EFOpenError when the file cannot be read, EPngError when it is no PNG picture.
Bitmap LoadPngFromFile(const std::string& fileName);

// 1-, 4- and 8-bit pictures as palette PNGs of that depth with their whole colour table,
// every other format as 8-bit RGB. Compressed for speed (zlib level 1): a frame is
// written once per command and read many times, and the files stay close to the best
// size for flat sprite art. Raises EPngError for a picture without pixels.
std::vector<std::uint8_t> EncodePng(const Bitmap& picture);
// Saves safely (temporary file renamed over the target); raises EFCreateError.
void SavePngToFile(const Bitmap& picture, const std::string& fileName);

}  // namespace vok
