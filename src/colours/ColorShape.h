#pragma once
// One colour swatch beside the standard-colour list: a 12 x 12 square, filled with
// the colour of its line or drawn in the empty style.
#include <QWidget>
#include <functional>

#include "pictures/Color.h"

namespace vok {

class TColorShape : public QWidget {
    Q_OBJECT
public:
    TColorShape(int index, QWidget* parent);

    int Index() const { return index_; }
    // A colour, or a negative value for the empty style (button face framed in button shadow).
    ColorValue Color() const { return color_; }
    void SetColor(ColorValue color);
    bool IsEmptyStyle() const { return color_ < 0; }
    // The colour the square is filled with: its colour, or the button face when empty.
    ColorValue FillColor() const;

    std::function<void(TColorShape*)> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    ColorValue color_ = -1;
};

}  // namespace vok
