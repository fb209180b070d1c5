#include "controls/LmHintComboBox.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>
#include <QGuiApplication>
#include <QListView>
#include <QProxyStyle>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include "controls/ListBoxTip.h"

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

// The open list drops down under the box at the box's width, as a drop-down list does,
// instead of a menu as wide as the widest item (measuring every item stalls long lists).
class DropDownListStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

TLmHintComboBox::TLmHintComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    auto* listStyle = new DropDownListStyle;
    listStyle->setParent(this);
    setStyle(listStyle);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* list = qobject_cast<QListView*>(view())) list->setUniformItemSizes(true);
    tip_ = new TListBoxTip(this);
    view()->viewport()->installEventFilter(this);
    view()->installEventFilter(this);
    view()->setMouseTracking(true);
    // Scrolling moves another item under the resting mouse.
    connect(view()->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (lastMouse_.x() >= 0) UpdateTip(lastMouse_);
    });
}

void TLmHintComboBox::SetItemHeight(int height) {
    if (itemHeight_ == 0) view()->setItemDelegate(new FixedHeightDelegate(this, view()));
    itemHeight_ = height;
}

void TLmHintComboBox::SetTipsEnabled(bool enabled) {
    tipsEnabled_ = enabled;
    if (!enabled) tip_->ReleaseHandle();
}

void TLmHintComboBox::SetHorizontalExtent(int extent) {
    horizontalExtent_ = extent;
    ApplyExtent();
}

void TLmHintComboBox::ApplyExtent() {
    view()->setHorizontalScrollBarPolicy(horizontalExtent_ >= 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    view()->setTextElideMode(horizontalExtent_ >= 0 ? Qt::ElideNone : Qt::ElideRight);
}

void TLmHintComboBox::hidePopup() {
    tip_->ReleaseHandle();
    lastMouse_ = {-1, -1};
    QComboBox::hidePopup();
}

bool TLmHintComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view()->viewport() && event->type() == QEvent::MouseMove) {
        auto* move = static_cast<QMouseEvent*>(event);
        lastMouse_ = move->position().toPoint();
        UpdateTip(lastMouse_);
        if (OnListMouseMove) OnListMouseMove(this, move->buttons(), lastMouse_.x(), lastMouse_.y());
    } else if (watched == view() && event->type() == QEvent::Hide) {
        tip_->ReleaseHandle();
    } else if (watched == view()->viewport() && event->type() == QEvent::Leave) {
        lastMouse_ = {-1, -1};
    }
    return QComboBox::eventFilter(watched, event);
}

void TLmHintComboBox::UpdateTip(const QPoint& listPoint) {
    QWidget* list = view()->viewport();
    const QModelIndex index = tipsEnabled_ && list->rect().contains(listPoint) ? view()->indexAt(listPoint) : QModelIndex();
    if (!index.isValid()) return tip_->ReleaseHandle();
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect item = view()->visualRect(index);
    // The item's text sits inside the view's text margins.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view()) + 1;
    const int right = item.left() + margin + fontMetrics().horizontalAdvance(text) + margin;
    if (right <= list->width()) return tip_->ReleaseHandle();
    bool cancel = false;
    if (OnTipShow) OnTipShow(this, text, cancel);
    if (cancel) return tip_->ReleaseHandle();
    if (tip_->isVisible() && tip_->Text() == text) return;
    tip_->setFont(font());
    const QScreen* screen = list->screen() ? list->screen() : QGuiApplication::primaryScreen();
    const int maxWidth = screen ? screen->availableGeometry().width() : 1024;
    const QSize need = tip_->CalcHintSize(text, maxWidth);
    const QPoint at = list->mapToGlobal(item.topLeft()) - QPoint(1, 1);
    tip_->ActivateHint(QRect(at, QSize(std::max(item.width() + 2, need.width()), std::max(need.height(), item.height() + 2))),
                       text);
}

}  // namespace vok
