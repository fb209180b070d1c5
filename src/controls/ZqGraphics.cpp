#include "controls/ZqGraphics.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include "pictures/ColorArithmetic.h"

namespace vok {
namespace {

QColor PaletteColor(const QPalette& palette, int index) {
    switch (index) {
    case SysColor::Menu: return palette.color(QPalette::Window);
    case SysColor::Window: return palette.color(QPalette::Base);
    case SysColor::WindowText: return palette.color(QPalette::Text);
    case SysColor::Highlight: return palette.color(QPalette::Highlight);
    case SysColor::HighlightText: return palette.color(QPalette::HighlightedText);
    case SysColor::ButtonFace: return palette.color(QPalette::Button);
    case SysColor::ButtonShadow: return palette.color(QPalette::Dark);
    case SysColor::GrayText: return palette.color(QPalette::Disabled, QPalette::Text);
    case SysColor::ButtonText: return palette.color(QPalette::ButtonText);
    case SysColor::ButtonHighlight: return palette.color(QPalette::Light);
    case SysColor::DarkShadow: return palette.color(QPalette::Shadow);
    case SysColor::Light: return palette.color(QPalette::Midlight);
    case SysColor::InfoText: return palette.color(QPalette::ToolTipText);
    case SysColor::InfoBackground: return palette.color(QPalette::ToolTipBase);
    default: {
        const int mapped = MappedSysColor(index);
        // Every index maps onto one of the cases above; the guard keeps a slip from recursing.
        return mapped == index ? palette.color(QPalette::Button) : PaletteColor(palette, mapped);
    }
    }
}

// A picture whose pixels are `color` where keep() says so and transparent elsewhere.
template <class Keep>
QImage Silhouette(const QImage& source, Keep keep) {
    QImage in = source.convertToFormat(QImage::Format_ARGB32);
    QImage out(in.size(), QImage::Format_ARGB32);
    for (int y = 0; y < in.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < in.width(); ++x) to[x] = keep(from[x]) ? 0xFF000000u : 0xFFFFFFFFu;
    }
    return out;
}

}  // namespace

QColor ToQColor(ColorValue color) {
    const std::uint32_t rgb = ColorToRgb(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

void UsePaletteSysColors() {
    SetSysColorSource([](int index) {
        if (QApplication::instance() == nullptr) return DefaultSysColor(index);
        const QColor c = PaletteColor(QApplication::palette(), index);
        return RGB(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
    });
}

void DrawMonoMask(QPainter& painter, const QImage& mono, ColorValue color, int x, int y) {
    const QImage in = mono.convertToFormat(QImage::Format_ARGB32);
    QImage paint(in.size(), QImage::Format_ARGB32);
    const QRgb ink = ToQColor(color).rgb() | 0xFF000000u;
    for (int row = 0; row < in.height(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(in.constScanLine(row));
        auto* to = reinterpret_cast<QRgb*>(paint.scanLine(row));
        for (int col = 0; col < in.width(); ++col) to[col] = qGray(from[col]) < 128 ? ink : 0u;
    }
    painter.drawImage(x, y, paint);
}

QImage PictureMask(const QPixmap& picture) {
    return Silhouette(picture.toImage(), [](QRgb p) { return qAlpha(p) >= 128; });
}

QImage MonochromeImage(const QPixmap& picture) {
    return Silhouette(picture.toImage(),
                      [](QRgb p) { return qAlpha(p) >= 128 && (p & 0xFFFFFF) != 0xFFFFFF; });
}

void DrawPictureMask(QPainter& painter, const QPixmap& picture, ColorValue color, int x, int y) {
    DrawMonoMask(painter, PictureMask(picture), color, x, y);
}

void DrawMonochrome(QPainter& painter, const QPixmap& picture, ColorValue color, int x, int y) {
    DrawMonoMask(painter, MonochromeImage(picture), color, x, y);
}

void FillGradient(QPainter& painter, const QRect& rect, ColorValue top, ColorValue bottom) {
    const auto rows = GradientRows(top, bottom, rect.height());
    const QPen saved = painter.pen();
    for (int i = 0; i < int(rows.size()); ++i) {
        painter.fillRect(QRect(rect.left(), rect.top() + i, rect.width(), 1), ToQColor(ColorValue(rows[std::size_t(i)])));
    }
    painter.setPen(saved);
}

}  // namespace vok
