#pragma once
// From a VokList of renders to game-ready frames in one step: every distinct frame reduced
// to one palette (positions 2, 3 and 8 kept free), written as an 8-bit BMP below the output
// folder, the list copied with ".bmp" names, and the shadows generated on the copy.
#include <string>
#include <vector>

#include "colours/ReduceFrames.h"
#include "colours/StandardColors.h"
#include "shadow/ShadowGenerator.h"
#include "shadow/ShadowList.h"
#include "support/Progress.h"

namespace vok {

// The palette positions the shadow generator treats as special that the standard list
// leaves empty: no figure pixel may land there.
inline const std::vector<int> kGeneratorSpecialPositions = {2, 3, 8};

struct PrepareSettings {
    ReduceSettings reduce;  // its reserve and extension are set by the preparation
    std::int32_t baseLine = kUnset;  // kUnset: the list's, or found from the frames
};

struct PrepareSummary {
    int frames = 0, distinctFrames = 0, colorsUsed = 0, freePositions = 0;
    std::int32_t baseLine = 0;
    std::string baseLineSource;  // "given", "read from the list" or "found from the frames"
    ShadowKind kind = ShadowKind::Slanted;
    std::vector<std::string> written;  // the frames, then the list
};

// Nothing is written unless the list reads, every frame loads and the folder holds none
// of the sources; files already in the folder are replaced safely. Raises vok::Exception.
PrepareSummary PrepareList(const std::string& listFile, const std::string& folder, const StandardColorTable& colors,
                           PrepareSettings settings, IProgress* progress = nullptr);

std::string PrepareSummaryText(const PrepareSummary& summary);

}  // namespace vok
