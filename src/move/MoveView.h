#pragma once
// What the move window's view shows: a frame at its offset under the grid, and while
// playing the frame before it faintly under it (onion skin).
#include <QImage>

#include "move/FrameShift.h"

namespace vok {

struct ViewFrame {
    QImage Image;  // the frame's display form
    FrameOffset Offset;
};

// Fills the view with the colour of the frame's top-left pixel, draws the frame at its
// offset and the grid's overlay over it. With an onion frame, that one is drawn faintly
// first, and the frame's own background (its top-left colour) lets it through.
void DrawFrameView(QImage& view, const ViewFrame& frame, const QImage& gridOverlay, const ViewFrame* onion = nullptr);

}  // namespace vok
