#include "controls/LmHintComboBox.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

namespace vok {
namespace {

// Draws the items as usual, each the combo box's item height high.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(const TLmHintComboBox* box, QObject* parent) : QStyledItemDelegate(parent), box_(box) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (box_->ItemHeight() > 0) size.setHeight(box_->ItemHeight());
        return size;
    }

private:
    const TLmHintComboBox* box_;
};

}  // namespace

TLmHintComboBox::TLmHintComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
}

void TLmHintComboBox::SetItemHeight(int height) {
    if (itemHeight_ == 0) view()->setItemDelegate(new FixedHeightDelegate(this, view()));
    itemHeight_ = height;
}

}  // namespace vok
