#pragma once
// Deleting and copying the special pixels of frames: shadow, selection outline
// and background, the pixels whose palette position or colour is a standard colour.
#include <string>

#include "colours/StandardColors.h"
#include "pictures/Bitmap.h"

namespace vok {

struct ShadowCopySettings {
    bool overwrite = true;        // "Overwrite": replace figure pixels too, not only background
    bool copyBackground = true;   // "Copy background": position 0 is copied like the others
    int dx = 0;                   // 8-bit pairs only: shift of the target's own pixels
    int dy = 0;
};

// Every special pixel other than background becomes background: position 0 in an
// 8-bit picture, the background colour (black when there is none) in any other.
// Raises EAssertionFailed for a layout the pixel accessor does not support.
void DeleteShadows(Bitmap& picture, const StandardColorTable& colors);

// Copy reads each source at the coordinates of its target: raises vok::Exception
// "The source picture "S" is smaller than its target "T"" when the source is
// narrower or lower than the target (the names, when given, fill in S and T).
void CheckCopySource(const Bitmap& target, const Bitmap& source, const std::string& targetName = {},
                     const std::string& sourceName = {});

// Lays the special pixels of source over target, by palette position or by colour
// as the two depths ask. Checks the source with CheckCopySource before changing anything.
void CopyShadows(Bitmap& target, const Bitmap& source, const StandardColorTable& colors,
                 const ShadowCopySettings& settings);

}  // namespace vok
