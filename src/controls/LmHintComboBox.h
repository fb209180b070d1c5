#pragma once
// A drop-down list whose open list shows an item's whole text in a tip when the
// item is wider than the list.
#include <QComboBox>

namespace vok {

class TLmHintComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TLmHintComboBox(QWidget* parent = nullptr);

    // Height in pixels of each item of the open list.
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);

    bool TipsEnabled() const { return tipsEnabled_; }
    void SetTipsEnabled(bool enabled) { tipsEnabled_ = enabled; }

private:
    bool tipsEnabled_ = true;
    int itemHeight_ = 0;
};

}  // namespace vok
