#pragma once
// A drop-down list whose open list shows an item's whole text in a tip when the item is
// wider than the list.
#include <QComboBox>
#include <functional>

namespace vok {

class TListBoxTip;

class TLmHintComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TLmHintComboBox(QWidget* parent = nullptr);

    // Height in pixels of each item of the open list.
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);

    bool TipsEnabled() const { return tipsEnabled_; }
    void SetTipsEnabled(bool enabled);
    // -1: none. Otherwise the open list scrolls sideways over this many pixels.
    int HorizontalExtent() const { return horizontalExtent_; }
    void SetHorizontalExtent(int extent);
    TListBoxTip* ListTip() const { return tip_; }

    // (sender, buttons, x, y) in list coordinates.
    std::function<void(TLmHintComboBox*, Qt::MouseButtons, int, int)> OnListMouseMove;
    // (sender, text, cancel)
    std::function<void(TLmHintComboBox*, const QString&, bool&)> OnTipShow;

    // Shows, replaces or releases the tip for the item at a point of the open list.
    void UpdateTip(const QPoint& listPoint);

    void hidePopup() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyExtent();

    TListBoxTip* tip_;
    bool tipsEnabled_ = true;
    int itemHeight_ = 0;
    int horizontalExtent_ = -1;
    QPoint lastMouse_{-1, -1};
};

}  // namespace vok
