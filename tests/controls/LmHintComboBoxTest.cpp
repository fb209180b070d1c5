// The open list's tip: only over cut items, not re-shown for the same item, gone with the list.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScrollBar>

#include "controls/ListBoxTip.h"
#include "controls/LmHintComboBox.h"

namespace vok {
namespace {

void MoveTo(TLmHintComboBox& box, int row) {
    QWidget* list = box.view()->viewport();
    const QPoint at = box.view()->visualRect(box.model()->index(row, 0)).center();
    QMouseEvent move(QEvent::MouseMove, QPointF(at), list->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(list, &move);
}

TEST(LmHintComboBox, TipShowsTheWholeTextOfACutItemOnly) {
    TLmHintComboBox box;
    box.resize(80, 21);
    const QString longText = "A rather long creature name that cannot fit";
    box.addItems({"Imp", longText, longText + " either", "Orc"});
    box.show();
    box.showPopup();
    TListBoxTip* tip = box.ListTip();
    int asked = 0;
    box.OnTipShow = [&](TLmHintComboBox*, const QString&, bool&) { ++asked; };

    MoveTo(box, 0);
    EXPECT_FALSE(tip->isVisible());
    MoveTo(box, 1);
    ASSERT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->Text(), longText);
    const QRect item = box.view()->visualRect(box.model()->index(1, 0));
    EXPECT_EQ(tip->geometry().topLeft(), box.view()->viewport()->mapToGlobal(item.topLeft()) - QPoint(1, 1));
    EXPECT_GE(tip->height(), item.height() + 2);
    const int shown = tip->TimesShown();
    MoveTo(box, 1);  // the same item: no new showing
    EXPECT_EQ(tip->TimesShown(), shown);
    MoveTo(box, 2);
    EXPECT_EQ(tip->Text(), longText + " either");
    EXPECT_EQ(asked, 3);

    box.OnTipShow = [](TLmHintComboBox*, const QString&, bool& cancel) { cancel = true; };
    MoveTo(box, 1);
    EXPECT_FALSE(tip->isVisible());
    box.OnTipShow = nullptr;
    MoveTo(box, 1);
    EXPECT_TRUE(tip->isVisible());
    MoveTo(box, 3);
    EXPECT_FALSE(tip->isVisible());
    MoveTo(box, 1);
    box.hidePopup();
    EXPECT_FALSE(tip->isVisible());
}

TEST(LmHintComboBox, ScrollingUpdatesTheTipAndHugeListsStayQuick) {
    TLmHintComboBox box;
    box.resize(80, 21);
    QStringList items;
    for (int i = 0; i < 10000; ++i) items << (i % 2 ? QString("Item %1").arg(i) : QString(5000, QChar('W')));
    box.addItems(items);
    box.show();
    QElapsedTimer clock;
    clock.start();
    box.showPopup();
    MoveTo(box, 1);
    EXPECT_FALSE(box.ListTip()->isVisible());
    const QPoint mouse = box.view()->visualRect(box.model()->index(1, 0)).center();
    box.view()->verticalScrollBar()->setValue(box.view()->verticalScrollBar()->value() + 1);
    // The mouse rests; the item under it now is a cut one.
    const QModelIndex under = box.view()->indexAt(mouse);
    ASSERT_TRUE(under.isValid());
    ASSERT_EQ(under.row() % 2, 0);
    EXPECT_TRUE(box.ListTip()->isVisible());
    EXPECT_EQ(box.ListTip()->Text().size(), 5000);
    EXPECT_LT(clock.elapsed(), 5000);
    box.hidePopup();
}

}  // namespace
}  // namespace vok
