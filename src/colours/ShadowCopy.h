#pragma once
// Deleting and copying the special pixels of frames: shadow, selection outline
// and background, the pixels whose palette position or colour is a standard colour.
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

// Lays the special pixels of source over target, by palette position or by colour
// as the two depths ask. Raises vok::Exception, before changing anything, when the
// source is smaller than the target.
void CopyShadows(Bitmap& target, const Bitmap& source, const StandardColorTable& colors,
                 const ShadowCopySettings& settings);

}  // namespace vok
