// The preview of the VokList editor.
#include "voklist/VokListPreview.h"

#include <QPainter>
#include <exception>

#include "pictures/BitmapImage.h"
#include "pictures/BmpCodec.h"

namespace vok {

TVokListPreview::TVokListPreview(QWidget* parent) : QWidget(parent) {}

bool TVokListPreview::PreviewPicture(const std::string& path) {
    QImage picture;
    try {
        picture = ToQImage(LoadBitmapFromFile(path));
    } catch (const std::exception&) {
        Clear();
        return false;
    }
    if (image_.size() != size()) image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(palette().color(QPalette::Button));
    QPainter painter(&image_);
    // Halved toward zero: a larger picture is cut on all sides.
    painter.drawImage((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture);
    update();
    return true;
}

void TVokListPreview::Clear() {
    image_ = QImage();
    update();
}

void TVokListPreview::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

}  // namespace vok
