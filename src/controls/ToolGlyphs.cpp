#include "controls/ToolGlyphs.h"

#include <QPainter>
#include <QPolygon>
#include <QTransform>

namespace vok {
namespace {

const QColor kOutline(64, 64, 64);

// A transparent 16 x 16 picture painted pixel-exact by draw.
template <class Draw>
QPixmap Glyph16(Draw draw) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    draw(p);
    p.end();
    return QPixmap::fromImage(image);
}

void Page(QPainter& p) {
    // A sheet with its top right corner folded down.
    const QPolygon sheet({{3, 1}, {9, 1}, {12, 4}, {12, 14}, {3, 14}});
    p.setPen(kOutline);
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.setBrush(QColor(200, 200, 200));
    p.drawPolygon(QPolygon({{9, 1}, {9, 4}, {12, 4}}));
}

}  // namespace

QPixmap NewGlyph() {
    return Glyph16([](QPainter& p) {
        Page(p);
        p.setPen(QColor(255, 200, 0));  // a spark in the corner
        p.drawLine(1, 1, 3, 3);
        p.drawLine(3, 0, 3, 1);
        p.drawLine(0, 3, 1, 3);
    });
}

QPixmap OpenGlyph() {
    return Glyph16([](QPainter& p) {
        p.setPen(kOutline);
        p.setBrush(QColor(230, 180, 60));
        p.drawPolygon(QPolygon({{1, 3}, {5, 3}, {6, 4}, {12, 4}, {12, 6}, {1, 6}}));  // back and tab
        p.setBrush(QColor(250, 215, 100));
        p.drawPolygon(QPolygon({{1, 13}, {4, 7}, {15, 7}, {12, 13}}));  // the open front
        p.drawLine(1, 6, 1, 13);
    });
}

QPixmap SaveGlyph() {
    return Glyph16([](QPainter& p) {
        p.setPen(kOutline);
        p.setBrush(QColor(40, 70, 150));
        p.drawPolygon(QPolygon({{1, 1}, {14, 1}, {14, 14}, {3, 14}, {1, 12}}));  // the disk
        p.fillRect(QRect(4, 2, 8, 6), Qt::white);                                // label
        p.setPen(QColor(150, 150, 150));
        p.drawLine(5, 4, 10, 4);
        p.drawLine(5, 6, 10, 6);
        p.fillRect(QRect(5, 10, 6, 4), QColor(200, 200, 200));  // shutter
        p.fillRect(QRect(9, 11, 1, 2), QColor(40, 70, 150));
    });
}

QPixmap AddGlyph() {
    return Glyph16([](QPainter& p) {
        Page(p);
        p.setPen(QColor(0, 110, 0));
        p.setBrush(QColor(40, 170, 40));
        p.drawPolygon(QPolygon({{9, 6}, {11, 6}, {11, 9}, {14, 9}, {14, 11}, {11, 11}, {11, 14}, {9, 14}, {9, 11},
                                {6, 11}, {6, 9}, {9, 9}}));
    });
}

QPixmap ArrowGlyph(ArrowDirection direction) {
    QImage up(9, 5, QImage::Format_ARGB32);
    up.fill(Qt::transparent);
    for (int row = 0; row < 5; ++row)
        for (int x = 4 - row; x <= 4 + row; ++x) up.setPixel(x, row, 0xFF000000u);
    switch (direction) {
    case ArrowDirection::Up: return QPixmap::fromImage(up);
    case ArrowDirection::Down: return QPixmap::fromImage(up.mirrored(false, true));
    case ArrowDirection::Left: return QPixmap::fromImage(up.transformed(QTransform().rotate(-90)));
    case ArrowDirection::Right: return QPixmap::fromImage(up.transformed(QTransform().rotate(90)));
    }
    return {};
}

}  // namespace vok
