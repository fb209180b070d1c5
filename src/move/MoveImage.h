#pragma once
// The move window's view: shows its image unscaled at the top-left corner, with a
// cross-hair cursor, and passes mouse events on in view coordinates.
#include <QImage>
#include <QWidget>

namespace vok {

class TMoveImage : public QWidget {
    Q_OBJECT
public:
    explicit TMoveImage(QWidget* parent = nullptr);
    // The widget takes the image's size.
    void SetImage(QImage image);
    const QImage& Image() const { return image_; }

signals:
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

}  // namespace vok
