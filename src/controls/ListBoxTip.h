#pragma once
// The tip over a list item whose text is cut: the whole text in a framed, always-on-top
// window of the info colour.
#include <QWidget>

namespace vok {

class TListBoxTip : public QWidget {
    Q_OBJECT
public:
    explicit TListBoxTip(QWidget* owner);

    QString Text() const { return text_; }
    // The size the text needs, wrapped at maxWidth.
    QSize CalcHintSize(const QString& text, int maxWidth) const;
    // Shows the text over the given screen rectangle.
    void ActivateHint(const QRect& screenRect, const QString& text);
    void ReleaseHandle();
    int TimesShown() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    int shown_ = 0;
};

}  // namespace vok
