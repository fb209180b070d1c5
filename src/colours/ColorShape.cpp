#include "colours/ColorShape.h"

#include <QMouseEvent>
#include <QPainter>

namespace vok {

TColorShape::TColorShape(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(QString("ColorShape%1").arg(index));
    resize(12, 12);
}

void TColorShape::SetColor(ColorValue color) {
    if (color == color_) return;
    color_ = color;
    update();
}

ColorValue TColorShape::FillColor() const {
    if (color_ >= 0) return color_;
    const QColor face = palette().color(QPalette::Button);
    return ColorValue(RGB(std::uint8_t(face.red()), std::uint8_t(face.green()), std::uint8_t(face.blue())));
}

void TColorShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QColor fill, frame;
    if (color_ < 0) {
        fill = palette().color(QPalette::Button);
        frame = palette().color(QPalette::Dark);
    } else {
        const std::uint32_t c = std::uint32_t(color_);
        fill = QColor(RedOf(c), GreenOf(c), BlueOf(c));
        frame = Qt::black;
    }
    painter.fillRect(rect(), frame);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), fill);
}

void TColorShape::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick(this);
}

}  // namespace vok
