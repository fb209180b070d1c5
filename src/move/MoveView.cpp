#include "move/MoveView.h"

#include <QPainter>
#include <algorithm>

namespace vok {

namespace {

// How strongly the onion frame shows.
constexpr double kOnionOpacity = 0.35;

// Offsets far outside the view draw nothing; keep them where the painter's
// arithmetic stays sound.
QPoint ViewPoint(FrameOffset offset) {
    return QPoint(std::clamp(offset.x, -100000, 100000), std::clamp(offset.y, -100000, 100000));
}

// The frame with its background, the colour of its top-left pixel, see-through.
QImage FigureOnly(const QImage& frame) {
    QImage figure = frame.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = figure.pixel(0, 0);
    for (int y = 0; y < figure.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(figure.scanLine(y));
        for (int x = 0; x < figure.width(); ++x)
            if (row[x] == background) row[x] = 0;
    }
    return figure;
}

}  // namespace

void DrawFrameView(QImage& view, const ViewFrame& frame, const QImage& gridOverlay, const ViewFrame* onion) {
    if (frame.Image.isNull()) return;
    QPainter painter(&view);
    painter.fillRect(view.rect(), frame.Image.pixelColor(0, 0));
    if (onion && !onion->Image.isNull()) {
        painter.setOpacity(kOnionOpacity);
        painter.drawImage(ViewPoint(onion->Offset), FigureOnly(onion->Image));
        painter.setOpacity(1.0);
        painter.drawImage(ViewPoint(frame.Offset), FigureOnly(frame.Image));
    } else {
        painter.drawImage(ViewPoint(frame.Offset), frame.Image);
    }
    if (!gridOverlay.isNull()) painter.drawImage(0, 0, gridOverlay);
}

}  // namespace vok
