#pragma once
// The hint window of the program: a flat box in the hint colour with a one-pixel black
// frame and the text 2 pixels in from its left and top edges. Tool-tips and the hints
// shown on right click both use it.
#include <QString>
#include <QWidget>

namespace vok {

class TZqSimpleHintWindow : public QWidget {
    Q_OBJECT
public:
    // A context hint can take the keyboard; a tool-tip never does.
    explicit TZqSimpleHintWindow(bool canActivate, QWidget* parent = nullptr);

    // The size the text needs at most maxWidth wide, as a rectangle at (0, 0).
    QRect CalcHintRect(int maxWidth, const QString& text) const;
    // Shows the text in the rectangle (4 pixels higher), moved back inside the
    // desktop when it would leave it, on top and without taking the activation.
    void ActivateHint(QRect rect, const QString& text);
    const QString& Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

}  // namespace vok
