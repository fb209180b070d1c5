#pragma once
// The VokList editor's preview: one frame picture centred on the button face.
#include <QImage>
#include <QWidget>
#include <string>

namespace vok {

class TVokListPreview : public QWidget {
    Q_OBJECT
public:
    explicit TVokListPreview(QWidget* parent = nullptr);

    // Shows a BMP picture centred and cut to the preview's size; anything that
    // cannot be read as one empties the preview without a message; false then.
    bool PreviewPicture(const std::string& path);
    void Clear();
    // What is shown; null when empty.
    const QImage& Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace vok
