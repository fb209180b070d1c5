// Random use of every window: seeded clicks, keys, typing, drags, wheel turns, pastes and
// dialog answers, on the main window and on every window it opens, in a throw-away folder.
// Nothing may crash, no file outside the folder may change, and every window must close.
//   VOK_MONKEY_SECONDS=N  run for N seconds in all (seeds of up to 30 s each)
//   VOK_MONKEY_SEED=S     start from seed S (replays a run)
//   VOK_MONKEY_TRACE=1    print every action as it happens
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <map>
#include <random>

#include "app/MainWindowFixture.h"
#include "lang/HelpWindow.h"
#include "move/MoveWindow.h"
#include "palette/PaletteEditor.h"
#include "pcx/PictureFiles.h"
#include "pictures/Bitmap.h"
#include "shadow/ShadowWindow.h"
#include "voklist/VokList.h"
#include "voklist/VokListEditor.h"

namespace vok::test {
namespace {

using Random = std::mt19937_64;

int Below(Random& random, int n) { return int(random() % std::uint64_t(n)); }

// Dialog answers at random: cancel, a file of the folder, a missing file, the folder itself.
class MonkeyDialogs : public IDialogs {
public:
    MonkeyDialogs(Random& random, std::string folder, std::function<void(const std::string&)> log)
        : random_(random), folder_(std::move(folder)), log_(std::move(log)) {}

    bool OpenFile(FileDialogOptions& dialog) override { return File("open", dialog); }
    bool SaveFile(FileDialogOptions& dialog) override { return File("save", dialog); }
    bool PickColor(ColorDialogOptions& dialog) override {
        if (Below(random_, 3) == 0) return log_("colour: cancel"), false;
        dialog.Color = ColorValue(random_() & 0xFFFFFF);
        log_("colour: " + std::to_string(dialog.Color));
        return true;
    }
    MessageButton Message(const MessageOptions& message) override {
        std::vector<MessageButton> buttons;
        for (MessageButton b : {mbOK, mbCancel, mbYes, mbNo})
            if (message.Buttons & b) buttons.push_back(b);
        if (buttons.empty()) buttons.push_back(mbOK);
        // While the windows are being closed, the answer that lets them go.
        MessageButton answer = buttons[std::size_t(Below(random_, int(buttons.size())))];
        if (Closing) answer = message.Buttons & mbNo ? mbNo : message.Buttons & mbOK ? mbOK : buttons.front();
        log_("message \"" + message.Text.substr(0, 60) + "\": " + std::to_string(answer));
        return answer;
    }
    bool Closing = false;

private:
    bool File(const char* kind, FileDialogOptions& dialog) {
        static const char* const kNames[] = {"a.bmp", "b.bmp", "c.pcx", "list.txl", "bad.bmp", "new.bmp", "new.txl",
                                             "missing/none.bmp", "sub", "", "MonVoks.dat"};
        const int choice = Below(random_, int(std::size(kNames)) + 1);
        if (choice == int(std::size(kNames))) return log_(std::string(kind) + ": cancel"), false;
        dialog.Files.clear();
        const int count = dialog.MultiSelect ? 1 + Below(random_, 3) : 1;
        for (int i = 0; i < count; ++i)
            dialog.Files.push_back(folder_ + "/" + kNames[i == 0 ? choice : Below(random_, int(std::size(kNames)))]);
        dialog.FileName = dialog.Files.front();
        std::string all;
        for (const std::string& f : dialog.Files) all += " " + f.substr(folder_.size() + 1);
        log_(std::string(kind) + ":" + all);
        return true;
    }

    Random& random_;
    std::string folder_;
    std::function<void(const std::string&)> log_;
};

using Files = std::map<std::string, std::pair<qint64, qint64>>;

// Names, sizes and times of the files below a folder.
Files Snapshot(const QString& root) {
    Files files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files[info.filePath().toStdString()] = {info.size(), info.lastModified().toMSecsSinceEpoch()};
    }
    return files;
}

// The files made, changed or removed between two snapshots.
std::vector<std::string> Changed(const Files& before, const Files& after) {
    std::vector<std::string> changed;
    for (const auto& [name, stamp] : after)
        if (auto it = before.find(name); it == before.end() || it->second != stamp) changed.push_back(name);
    for (const auto& [name, stamp] : before)
        if (!after.count(name)) changed.push_back(name);
    return changed;
}

class MonkeyTest : public MainWindowTest {
protected:
    void TearDown() override {
        if (HasFailure()) {
            std::fprintf(stderr, "monkey seed %llu failed; the last actions:\n", (unsigned long long)seed_);
            for (const std::string& a : actions_) std::fprintf(stderr, "  %s\n", a.c_str());
        }
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        MainWindowTest::TearDown();
    }

    void Log(const std::string& action) {
        if (trace_) std::fprintf(stderr, "[%llu] %s\n", (unsigned long long)seed_, action.c_str());
        actions_.push_back(action);
        if (actions_.size() > 400) actions_.pop_front();
    }

    void MakeFolder() {
        WriteCreatureTable();
        SavePicture(Bitmap(16, 12, PixelFormat::Bits8), Here("a.bmp"));
        SavePicture(Bitmap(16, 12, PixelFormat::Bits24), Here("b.bmp"));
        SavePicture(Bitmap(8, 8, PixelFormat::Bits8), Here("c.pcx"));
        SavePicture(Bitmap(64, 64, PixelFormat::Bits8), Here("Grid.pcx"));  // the move window's grid
        std::ofstream(Here("bad.bmp"), std::ios::binary) << "BM not a picture";
        TVokListDocument list;
        list.Groups[0] = {"a.bmp", "b.bmp"};
        WriteVokList(Here("list.txl"), list);
        QDir(folder.path()).mkdir("sub");
    }

    void OpenMain() {
        form = std::make_unique<TForm1>(*dialogs_);
        form->show();
        for (TZqModalForm* w : std::initializer_list<TZqModalForm*>{form->Form2, form->Form3, form->Form4, form->Form5})
            w->ModalHook = [this](TZqModalForm& window) { return RunModal(window); };
        if (HelpWindow()) HelpWindow()->ModalHook = [this](TZqModalForm& window) { return RunModal(window); };
        Log("main window opened");
    }

    bool TimeUp() const { return clock_.elapsed() >= budgetMs_; }

    // A secondary window runs here instead of in its modal loop: random input until it
    // closes itself or its share of actions is spent, then it is closed.
    int RunModal(TZqModalForm& window) {
        if (std::find(open_.begin(), open_.end(), &window) != open_.end()) return -1;  // as a nested exec() does
        Log("open " + window.objectName().toStdString());
        open_.push_back(&window);
        window.setResult(0);
        window.show();
        const int steps = Below(random_, 60);
        for (int i = 0; i < steps && window.isVisible() && !TimeUp(); ++i) Act(&window);
        Close(window);
        open_.pop_back();
        return window.result();
    }

    void Close(QWidget& window) {
        for (int attempt = 0; attempt < 4 && window.isVisible(); ++attempt) {
            dialogs_->Closing = attempt >= 2;
            switch (attempt == 0 ? Below(random_, 3) : attempt == 3 ? 1 : attempt) {
            case 0:
                Log("close by Escape " + window.objectName().toStdString());
                Key(&window, Qt::Key_Escape, Qt::NoModifier);
                break;
            case 1:
                Log("close " + window.objectName().toStdString());
                window.close();
                break;
            default:
                if (auto* dialog = qobject_cast<QDialog*>(&window)) {
                    Log("reject " + window.objectName().toStdString());
                    dialog->reject();
                }
            }
            QApplication::processEvents();
        }
        dialogs_->Closing = false;
        EXPECT_FALSE(window.isVisible()) << window.objectName().toStdString() << " does not close";
    }

    void Key(QWidget* to, int key, Qt::KeyboardModifiers mods, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(to, &press);
        QKeyEvent release(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(to, &release);
    }

    void Mouse(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), QPointF(to->mapToGlobal(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    }

    // A visible, enabled widget of the window (a text edit's viewport stands for it).
    QWidget* SomeWidget(QWidget* window) {
        std::vector<QWidget*> widgets = {window};
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && w->window() == window) widgets.push_back(w);
        return widgets[std::size_t(Below(random_, int(widgets.size())))];
    }

    QPoint SomePoint(QWidget* w) {
        return QPoint(Below(random_, std::max(1, w->width())), Below(random_, std::max(1, w->height())));
    }

    static std::string Name(QWidget* w) {
        return (w->objectName().isEmpty() ? std::string(w->metaObject()->className()) : w->objectName().toStdString());
    }

    void Act(QWidget* window) {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        static const int kKeys[] = {Qt::Key_V,      Qt::Key_Insert,   Qt::Key_Z,     Qt::Key_Y,      Qt::Key_A,
                                    Qt::Key_C,      Qt::Key_X,        Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter,
                                    Qt::Key_F1,     Qt::Key_F5,       Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,
                                    Qt::Key_Right,  Qt::Key_Home,     Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown,
                                    Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Tab,   Qt::Key_Backtab,
                                    Qt::Key_1,      Qt::Key_0,        Qt::Key_N,     Qt::Key_O,      Qt::Key_S};
        static const Qt::KeyboardModifiers kMods[] = {Qt::NoModifier, Qt::NoModifier, Qt::ControlModifier,
                                                      Qt::ShiftModifier, Qt::AltModifier,
                                                      Qt::ControlModifier | Qt::ShiftModifier};
        const int what = Below(random_, 100);
        if (what < 35) {
            QWidget* w = SomeWidget(window);
            const QPoint at = SomePoint(w);
            const int kind = Below(random_, 20);
            const Qt::MouseButton button = kind == 0 ? Qt::RightButton : kind == 1 ? Qt::MiddleButton : Qt::LeftButton;
            Log("click " + std::to_string(int(button)) + " " + Name(w) + " at " + std::to_string(at.x()) + "," +
                std::to_string(at.y()) + (kind == 2 ? " twice" : ""));
            Mouse(w, QEvent::MouseButtonPress, at, button, button);
            if (kind == 2) Mouse(w, QEvent::MouseButtonDblClick, at, button, button);
            Mouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        } else if (what < 65) {
            QWidget* to = window->focusWidget() ? window->focusWidget() : window;
            const int key = kKeys[Below(random_, int(std::size(kKeys)))];
            const Qt::KeyboardModifiers mods = kMods[Below(random_, int(std::size(kMods)))];
            Log("key " + QKeySequence(key | mods.toInt()).toString().toStdString() + " to " + Name(to));
            Key(to, key, mods);
        } else if (what < 75) {
            QWidget* to = window->focusWidget() ? window->focusWidget() : SomeWidget(window);
            static const char kChars[] = "0123456789abcdefABCDEF $-.,/\\~!";
            QString text;
            for (int n = 1 + Below(random_, 6); n > 0; --n) text += QChar(kChars[Below(random_, int(sizeof kChars - 1))]);
            Log("type \"" + text.toStdString() + "\" to " + Name(to));
            for (QChar c : text) Key(to, 0, Qt::NoModifier, QString(c));
        } else if (what < 83) {
            QWidget* w = SomeWidget(window);
            QPoint at = SomePoint(w);
            Log("drag in " + Name(w));
            Mouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
            for (int n = 0; n < 4; ++n) {
                at = SomePoint(w);
                Mouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
            }
            Mouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        } else if (what < 88) {
            QWidget* w = SomeWidget(window);
            if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) w = area->viewport();
            const QPoint at = SomePoint(w);
            const int delta = Below(random_, 2) ? 120 : -120;
            Log("wheel " + std::to_string(delta) + " on " + Name(w));
            QWheelEvent wheel(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w, &wheel);
        } else if (what < 93) {
            const int kind = Below(random_, 3);
            Log(std::string("clipboard ") + (kind == 0 ? "empty" : kind == 1 ? "a line" : "lines"));
            if (kind == 0) QGuiApplication::clipboard()->setMimeData(new QMimeData);
            else QGuiApplication::clipboard()->setText(kind == 1 ? "00FF00" : "FF0000\r\n\r\nx\t1\n");
        } else if (what < 99 || window != form.get()) {
            Log("events");
            QApplication::processEvents();
        } else {
            Log("main window closed");
            Close(*form);
            form.reset();
            OpenMain();
        }
        QApplication::processEvents();
    }

    // One seeded run on a fresh folder and main window.
    void RunSeed(std::uint64_t seed, int milliseconds) {
        seed_ = seed;
        random_.seed(seed);
        actions_.clear();
        std::fprintf(stderr, "monkey seed %llu for %d ms\n", (unsigned long long)seed, milliseconds);
        MakeFolder();
        dialogs_ = std::make_unique<MonkeyDialogs>(random_, folder.path().toStdString(),
                                                   [this](const std::string& a) { Log(a); });
        const QString outside = QCoreApplication::applicationDirPath();
        const auto before = Snapshot(outside);
        OpenMain();
        budgetMs_ = milliseconds;
        clock_.start();
        while (!TimeUp() && !HasFailure()) Act(form.get());
        Close(*form);
        form.reset();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup)
                ADD_FAILURE() << Name(w) << " still open";
        EXPECT_EQ(Changed(before, Snapshot(outside)), std::vector<std::string>()) << "changed outside the test's folder";
        dialogs_.reset();
    }

    Random random_;
    std::uint64_t seed_ = 0;
    bool trace_ = qEnvironmentVariableIntValue("VOK_MONKEY_TRACE") != 0;
    std::deque<std::string> actions_;
    std::unique_ptr<MonkeyDialogs> dialogs_;
    std::vector<QWidget*> open_;
    QElapsedTimer clock_;
    qint64 budgetMs_ = 0;
};

TEST_F(MonkeyTest, RandomUseOfEveryWindow) {
    const int total = qEnvironmentVariableIsSet("VOK_MONKEY_SECONDS") ? qEnvironmentVariableIntValue("VOK_MONKEY_SECONDS") * 1000 : 0;
    std::uint64_t seed = qEnvironmentVariableIsSet("VOK_MONKEY_SEED") ? qgetenv("VOK_MONKEY_SEED").toULongLong() : 1;
    if (total == 0) {
        // The normal test run: a few seeds, a few seconds each.
        for (int i = 0; i < 3 && !HasFailure(); ++i) RunSeed(seed + std::uint64_t(i), 3000);
        return;
    }
    QElapsedTimer all;
    all.start();
    while (all.elapsed() < total && !HasFailure()) {
        RunSeed(seed++, int(std::min<qint64>(30000, total - all.elapsed())));
        // Each seed gets a fresh folder.
        folder.remove();
        ASSERT_TRUE(QDir().mkpath(folder.path()));
        QDir::setCurrent(folder.path());
    }
    std::fprintf(stderr, "monkey ran %lld s\n", (long long)(all.elapsed() / 1000));
}

}  // namespace
}  // namespace vok::test
