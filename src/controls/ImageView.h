#pragma once
// A picture on a window, as the designer's image control shows it: drawn at the top-left
// corner, and reporting the mouse in its own coordinates.
#include <QImage>
#include <QWidget>

namespace vok {

class TImageView : public QWidget {
    Q_OBJECT
public:
    explicit TImageView(QWidget* parent = nullptr);
    // With AutoSize the control takes the size of each picture it is given.
    bool AutoSize = false;
    void SetImage(QImage image);
    void Clear();
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
