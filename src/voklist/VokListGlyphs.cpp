// The tool-button glyphs of the VokList editor: a blank page, an open folder, a
// disk and a green arrow into the list.
#include "voklist/VokListGlyphs.h"

#include <QPainter>
#include <QPixmap>

namespace vok {

namespace {

void DrawPage(QPainter& p) {
    const QPolygon page({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)});
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.drawPolyline(QPolygon({QPoint(10, 1), QPoint(10, 4), QPoint(13, 4)}));
}

void DrawFolder(QPainter& p) {
    p.setPen(QColor(128, 96, 0));
    p.setBrush(QColor(240, 200, 80));
    p.drawPolygon(QPolygon({QPoint(1, 3), QPoint(5, 3), QPoint(6, 4), QPoint(12, 4), QPoint(12, 13), QPoint(1, 13)}));
    p.setBrush(QColor(255, 228, 130));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(12, 13), QPoint(1, 13)}));
}

void DrawDisk(QPainter& p) {
    p.setPen(QColor(20, 40, 90));
    p.setBrush(QColor(50, 80, 160));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(3, 9, 9, 5);
}

void DrawAdd(QPainter& p) {
    p.setPen(QColor(0, 90, 0));
    p.setBrush(QColor(40, 170, 40));
    p.drawPolygon(QPolygon({QPoint(1, 6), QPoint(8, 6), QPoint(8, 2), QPoint(14, 8), QPoint(8, 14), QPoint(8, 10),
                            QPoint(1, 10)}));
}

}  // namespace

QIcon DrawVokListGlyph(VokListGlyph glyph) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    switch (glyph) {
        case VokListGlyph::New: DrawPage(painter); break;
        case VokListGlyph::Open: DrawFolder(painter); break;
        case VokListGlyph::Save: DrawDisk(painter); break;
        case VokListGlyph::Add: DrawAdd(painter); break;
    }
    painter.end();
    return QIcon(pixmap);
}

}  // namespace vok
