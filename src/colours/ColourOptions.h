#pragma once
// The two check boxes that choose how Combine and Split treat the standard colours.
namespace vok {

struct ColourOptions {
    bool noStandardColors = false;  // "No Standard Colors"
    bool noBackground = false;      // "No Background" (counts only with the first one on)
};

}  // namespace vok
