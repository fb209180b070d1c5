#include "controls/ImageView.h"

#include <QMouseEvent>
#include <QPainter>

namespace vok {

TImageView::TImageView(QWidget* parent) : QWidget(parent) {}

void TImageView::SetImage(QImage image) {
    image_ = std::move(image);
    if (AutoSize && !image_.isNull()) resize(image_.size());
    update();
}

void TImageView::Clear() {
    image_ = QImage();
    update();
}

void TImageView::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void TImageView::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseDown(event->button(), p.x(), p.y());
}

void TImageView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseMove(p.x(), p.y());
}

void TImageView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseUp(event->button(), p.x(), p.y());
}

}  // namespace vok
