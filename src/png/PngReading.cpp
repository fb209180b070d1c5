// The reading setting for PNG transparency, and PNG file names.
#include <atomic>

#include "png/Png.h"
#include "support/CaseFold.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

// Set between commands, read by every loader (possibly on several threads).
std::atomic<std::uint32_t> background{PngReading{}.background};
std::atomic<int> alphaThreshold{PngReading{}.alphaThreshold};

}  // namespace

PngReading CurrentPngReading() { return PngReading{background.load(), alphaThreshold.load()}; }

void SetPngReading(const PngReading& reading) {
    background.store(reading.background & 0xFFFFFF);
    alphaThreshold.store(reading.alphaThreshold);
}

bool IsPngName(const std::string& fileName) {
    return EqualsIgnoringCase(ExtractFileExt(fileName), ".png");
}

}  // namespace vok
