// The window controller on real widgets: interception, handled events, the callable
// rest of the chain, priorities, and removal in awkward moments.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <memory>
#include <string>

#include "controls/TypeKeys.h"
#include "controls/ZqWinController.h"

namespace vok {
namespace {

using test::Type;

bool IsKey(QEvent* e) { return e->type() == QEvent::KeyPress; }

TEST(ZqWinController, HandledKeepsTheEventFromTheControl) {
    QLineEdit edit;
    TZqWinController controller;
    int seen = 0;
    controller.OnWndProc = [&](TZqWinController* sender, QEvent* msg, bool& handled, const TZqNextWndProc&) {
        EXPECT_EQ(sender, &controller);
        if (IsKey(msg)) {
            ++seen;
            handled = static_cast<QKeyEvent*>(msg)->text() == "x";
        }
    };
    controller.SetControl(&edit);
    EXPECT_TRUE(controller.Hooked());
    Type(&edit, "axb");
    EXPECT_EQ(seen, 3);
    EXPECT_EQ(edit.text(), "ab");
}

TEST(ZqWinController, HandlerCanRunTheControlFirstAndSeeTheResult) {
    QLineEdit edit;
    TZqWinController controller;
    std::string textAfter;
    controller.OnWndProc = [&](TZqWinController*, QEvent* msg, bool& handled, const TZqNextWndProc& next) {
        if (!IsKey(msg)) return;
        EXPECT_TRUE(next());
        handled = true;
        textAfter = edit.text().toStdString();
        EXPECT_TRUE(next());  // the control handles one event once
    };
    controller.SetControl(&edit);
    Type(&edit, "ab");
    EXPECT_EQ(textAfter, "ab");
    EXPECT_EQ(edit.text(), "ab");
}

// Counts key presses and keeps "x" from the control, like a filter some other part installed.
class KeyFilter : public QObject {
public:
    int keys = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (!IsKey(e)) return false;
        ++keys;
        return static_cast<QKeyEvent*>(e)->text() == "x";
    }
};

TEST(ZqWinController, FiltersInstalledBeforeTheHookStillRun) {
    QLineEdit edit;
    KeyFilter earlier;
    edit.installEventFilter(&earlier);
    TZqWinController controller;
    bool runFirst = false;
    controller.OnWndProc = [&](TZqWinController*, QEvent* msg, bool&, const TZqNextWndProc& next) {
        if (IsKey(msg) && runFirst) next();
    };
    controller.SetControl(&edit);
    Type(&edit, "ax");  // the hook passes the event on
    runFirst = true;
    Type(&edit, "bx");  // the hook runs the rest of the chain itself
    EXPECT_EQ(earlier.keys, 4);
    EXPECT_EQ(edit.text(), "ab");
}

TEST(ZqWinController, AWindowThatRefusesToCloseStaysOpenWhenAHookRanItFirst) {
    struct Refusing : QWidget {
        void closeEvent(QCloseEvent* e) override { e->ignore(); }
    } window;
    TZqWinController controller;
    controller.OnWndProc = [](TZqWinController*, QEvent*, bool&, const TZqNextWndProc& next) { next(); };
    controller.SetControl(&window);
    window.show();
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
}

TEST(ZqWinController, AnInnerHookSeesAnEventOnceWhenTheOuterOneRanItFirst) {
    QLineEdit edit;
    TZqWinController outer, inner;
    outer.SetPriority(300);
    int innerKeys = 0;
    outer.OnWndProc = [](TZqWinController*, QEvent* msg, bool&, const TZqNextWndProc& next) {
        if (IsKey(msg)) next();  // and leaves Handled false
    };
    inner.OnWndProc = [&](TZqWinController*, QEvent* msg, bool& handled, const TZqNextWndProc&) {
        if (IsKey(msg)) ++innerKeys, handled = true;
    };
    outer.SetControl(&edit);
    inner.SetControl(&edit);
    Type(&edit, "ab");
    EXPECT_EQ(innerKeys, 2);
    EXPECT_EQ(edit.text(), "");
}

TEST(ZqWinController, InactiveOrWithoutHandlerPassesEverything) {
    QLineEdit edit;
    TZqWinController controller;
    int seen = 0;
    controller.SetControl(&edit);
    Type(&edit, "a");  // no handler yet
    controller.OnWndProc = [&](TZqWinController*, QEvent* msg, bool& handled, const TZqNextWndProc&) {
        if (IsKey(msg)) ++seen, handled = true;
    };
    controller.SetActive(false);
    EXPECT_FALSE(controller.Hooked());
    Type(&edit, "b");
    EXPECT_EQ(seen, 0);
    controller.SetActive(true);
    Type(&edit, "c");
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(edit.text(), "ab");
}

TEST(ZqWinController, HigherPriorityIsOfferedFirstAndPriorityChangeReinstalls) {
    QLineEdit edit;
    TZqWinController low, high;
    std::string order;
    low.OnWndProc = [&](TZqWinController*, QEvent* msg, bool&, const TZqNextWndProc&) {
        if (IsKey(msg)) order += 'L';
    };
    high.OnWndProc = [&](TZqWinController*, QEvent* msg, bool&, const TZqNextWndProc&) {
        if (IsKey(msg)) order += 'H';
    };
    low.SetPriority(100);
    low.SetControl(&edit);
    high.SetControl(&edit);  // 200
    Type(&edit, "a");
    EXPECT_EQ(order, "HL");
    order.clear();
    low.SetPriority(300);
    EXPECT_TRUE(low.Hooked());
    Type(&edit, "b");
    EXPECT_EQ(order, "LH");
    EXPECT_EQ(edit.text(), "ab");
}

TEST(ZqWinController, DestroyingTheControlUnhooksAndANewControlHooksAgain) {
    TZqWinController controller;
    int seen = 0;
    controller.OnWndProc = [&](TZqWinController*, QEvent* msg, bool&, const TZqNextWndProc&) {
        if (IsKey(msg)) ++seen;
    };
    {
        QLineEdit first;
        controller.SetControl(&first);
        EXPECT_TRUE(controller.Hooked());
    }
    EXPECT_FALSE(controller.Hooked());
    EXPECT_EQ(controller.Control(), nullptr);
    QLineEdit second;
    controller.SetControl(&second);
    Type(&second, "a");
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(second.text(), "a");
}

TEST(ZqWinController, UnhookingFromInsideItsOwnHandler) {
    QLineEdit edit;
    TZqWinController controller, other;
    int seen = 0, otherSeen = 0;
    controller.OnWndProc = [&](TZqWinController* sender, QEvent* msg, bool&, const TZqNextWndProc&) {
        if (!IsKey(msg)) return;
        ++seen;
        sender->SetActive(false);
    };
    other.SetPriority(100);
    other.OnWndProc = [&](TZqWinController*, QEvent* msg, bool&, const TZqNextWndProc&) {
        if (IsKey(msg)) ++otherSeen;
    };
    other.SetControl(&edit);
    controller.SetControl(&edit);
    Type(&edit, "ab");
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(otherSeen, 2);  // the chain behind it goes on
    EXPECT_EQ(edit.text(), "ab");
}

TEST(ZqWinController, DestroyingTheControllerInsideItsHandler) {
    QLineEdit edit;
    auto* controller = new TZqWinController;
    int seen = 0;
    controller->OnWndProc = [&](TZqWinController* sender, QEvent* msg, bool&, const TZqNextWndProc& next) {
        if (!IsKey(msg)) return;
        ++seen;
        delete sender;
        next();  // the rest of the chain still works
    };
    controller->SetControl(&edit);
    Type(&edit, "ab");
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(edit.text(), "ab");
}

TEST(ZqWinController, KeysTheControlIgnoresStillReachItsParent) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    TZqWinController onEdit, onWindow;
    int windowKeys = 0;
    onEdit.OnWndProc = [](TZqWinController*, QEvent*, bool&, const TZqNextWndProc&) {};
    onWindow.OnWndProc = [&](TZqWinController*, QEvent* msg, bool&, const TZqNextWndProc&) {
        if (IsKey(msg) && static_cast<QKeyEvent*>(msg)->key() == Qt::Key_F1) ++windowKeys;
    };
    onEdit.SetControl(edit);
    onWindow.SetControl(&window);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(edit, &f1);
    EXPECT_EQ(windowKeys, 1);
}

}  // namespace
}  // namespace vok
