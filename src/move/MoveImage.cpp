#include "move/MoveImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace vok {

TMoveImage::TMoveImage(QWidget* parent) : QWidget(parent) { setCursor(Qt::CrossCursor); }

void TMoveImage::SetImage(QImage image) {
    image_ = std::move(image);
    if (!image_.isNull()) resize(image_.size());
    update();
}

void TMoveImage::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void TMoveImage::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseDown(event->button(), p.x(), p.y());
}

void TMoveImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseMove(p.x(), p.y());
}

void TMoveImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseUp(event->button(), p.x(), p.y());
}

}  // namespace vok
