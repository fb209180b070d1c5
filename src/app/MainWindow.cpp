// TForm1, "Vok Tool": the main window, from which every command and secondary window starts.
#include "app/MainWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <iterator>

#include "support/AppInfo.h"
#include "colours/ColorShape.h"
#include "app/CreatureNames.h"
#include "app/MonVoks.h"
#include "controls/ContextHint.h"
#include "controls/ControlHint.h"
#include "controls/LanguageSections.h"
#include "controls/LmHintComboBox.h"
#include "controls/PasteGuard.h"
#include "controls/ZqSpinEdit.h"
#include "controls/ZqWinController.h"
#include "lang/HelpWindow.h"
#include "lang/LanguageFiles.h"
#include "move/MoveWindow.h"
#include "palette/PaletteEditor.h"
#include "shadow/ShadowWindow.h"
#include "support/Errors.h"
#include "voklist/VokListEditor.h"

namespace vok {
namespace {

// Lets the mouse through a disabled control to the panel beneath it, so that the
// panel's hint and right-click answer for it; an enabled control takes the mouse again.
class MouseThroughWhileDisabled : public QObject {
public:
    explicit MouseThroughWhileDisabled(QWidget* control) : QObject(control) {
        control->installEventFilter(this);
        Update(control);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) Update(static_cast<QWidget*>(watched));
        return false;
    }

private:
    static void Update(QWidget* control) {
        control->setAttribute(Qt::WA_TransparentForMouseEvents, !control->isEnabled());
    }
};

}  // namespace

TForm1::TForm1(IDialogs& dialogs, QWidget* parent, bool applyLanguageFiles)
    : QWidget(parent), dialogs_(dialogs), applyLanguageFiles_(applyLanguageFiles) {
    setObjectName("Form1");
    setWindowTitle(AppTitle);
    InstallPasteGuard();
    // Single border, system menu and minimise only: the window cannot be maximised.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // The layout is made for a small sans-serif face 11 pixels high.
    QFont font = this->font();
    font.setFamilies({"DejaVu Sans Condensed", "Liberation Sans Narrow", font.family()});
    font.setPixelSize(11);
    setFont(font);
    StandardColorTable = EmptyStandardColors();
    CreateControls();
    SetTabOrder();
    FormCreate();
}

TForm1::~TForm1() {
    // The controllers go first, while the controls they watch are still whole.
    delete ZqWinController1;
    delete ZqWinController2;
}

void TForm1::AddContextHint(QWidget* control) {
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, this,
            [this, control](const QPoint& pos) { Panel1ContextPopup(control, pos); });
}

void TForm1::ConnectHandlers() {
    auto click = [this](QAbstractButton* button, void (TForm1::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] { Run(handler); });
    };
    click(Button1, &TForm1::Button1Click);
    click(Button2, &TForm1::Button2Click);
    click(Button3, &TForm1::Button3Click);
    click(Button6, &TForm1::Button6Click);
    click(Button7, &TForm1::Button7Click);
    click(Button8, &TForm1::Button8Click);
    click(Button9, &TForm1::Button9Click);
    click(Button10, &TForm1::Button10Click);
    click(Button12, &TForm1::Button12Click);
    click(Button13, &TForm1::Button13Click);
    click(Button14, &TForm1::Button14Click);
    click(Button15, &TForm1::Button15Click);
    click(CheckBox3, &TForm1::CheckBox3Click);
    click(CheckBox4, &TForm1::CheckBox3Click);
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        if (memoChangeAttached_) Run(&TForm1::Memo1Change);
    });
    // Scrolling by wheel or by dragging moves the lines as well: keep the swatches with them.
    connect(Memo1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (MemoFirstVisibleLine() != MemoTopLine) Run(&TForm1::Memo1Change);
    });
}

void TForm1::Run(void (TForm1::*handler)()) {
    RunReported(dialogs_, [this, handler] { (this->*handler)(); });
}

void TForm1::FormCreate() {
    AddLanguageSection("[Main Form]", this);
    ExposeDialogTexts();
    // The secondary windows and the help window live as long as the main window.
    Form2 = new TForm2(dialogs_, this);
    Form3 = new TForm3(dialogs_, this);
    Form4 = new TForm4(dialogs_, this);
    Form5 = new TForm5(dialogs_, this);
    CreateHelpWindow(std::string(AppTitle) + " Help Form", this);
    if (applyLanguageFiles_) LoadLanguageFiles(dialogs_);
    InstallHintWindow();
    AcceptVokListDrops();
    {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->setCurrentIndex(0);
    }
    // The designed area up to Bevel1 is shown, and the row of the one-step commands below it.
    setFixedSize(Bevel1->x(), Bevel1->y() + 32);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    try {
        MonVoksData = ReadFileBytes(FindDataFile(MonVoksFileName));
    } catch (const std::exception& e) {
        dialogs_.ShowError(e.what());
        return;  // the window opens all the same, without the rest
    }
    ComboBox1Change();
    SetInitialColors();
    WrapSplitButton();
    LoadSettings();
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { Run(&TForm1::ComboBox1Change); });
}

void TForm1::ExposeDialogTexts() {
    auto expose = [this](const char* name, FileDialogOptions& dialog) {
        ExposeLanguageTexts(this, name, {{"Title", &dialog.Title}, {"Filter", &dialog.Filter}});
    };
    expose("OpenPictureDialog1", OpenPictureDialog1);
    expose("OpenPictureDialog2", OpenPictureDialog2);
    expose("OpenPictureDialog3", OpenPictureDialog3);
    expose("OpenPictureDialog4", OpenPictureDialog4);
    expose("SavePictureDialog1", SavePictureDialog1);
    expose("SavePictureDialog2", SavePictureDialog2);
    expose("OpenDialog4", OpenDialog4);
    expose("OpenPictureDialog5", OpenPictureDialog5);
    expose("SaveDialog5", SaveDialog5);
    ExposeProgressTexts(this, "ProgressDialog1", ProgressDialog1);
    ExposeProgressTexts(this, "ProgressDialog2", ProgressDialog2);
}

void TForm1::WrapSplitButton() {
    // A disabled button shows no hint and takes no right-click: the panel, never
    // disabled, carries both for it.
    SplitButtonPanel = new QWidget(this);
    SplitButtonPanel->setObjectName("SplitButtonPanel");
    SplitButtonPanel->setGeometry(Button7->geometry());
    SetHint(SplitButtonPanel, Hint(Button7));
    AddContextHint(SplitButtonPanel);
    Button7->setParent(SplitButtonPanel);
    Button7->move(0, 0);
    Button7->show();
    SetHint(Button7, QString());
    Button7->disconnect(this);
    Button7->setContextMenuPolicy(Qt::DefaultContextMenu);
    new MouseThroughWhileDisabled(Button7);
    connect(Button7, &QAbstractButton::clicked, this, [this] { Run(&TForm1::Button7Click); });
    SplitButtonPanel->show();
    SplitButtonPanel->stackUnder(CheckBox3);
    QWidget::setTabOrder(Button6, Button7);
    QWidget::setTabOrder(Button7, CheckBox3);
}

void TForm1::closeEvent(QCloseEvent* event) {
    Run(&TForm1::SaveSettings);
    event->accept();
}

void TForm1::ComboBox1Change() {
    Edit1->setText(QString::fromLatin1(VokNameOf(MonVoksData, ComboBox1->currentIndex()).c_str()));
}

void TForm1::Button1Click() { Form5->EditNewVokList(); }

void TForm1::Button2Click() { Form5->EditExistingVokList(); }

void TForm1::Button3Click() { ShowHelp({}, 440, 463); }

void TForm1::Button10Click() {
    ReadStandardColors();
    if (Form2->ShowPaletteEditor(StandardColorTable)) SetMemoLines(StandardColorLines(StandardColorTable));
}

void TForm1::OpenPictureDialog4TypeChange(FileDialogOptions& dialog) {
    dialog.DefaultExt = dialog.FilterIndex == 1 ? ".bmp" : ".TXL";
}

bool TForm1::Panel1ContextPopup(QWidget* control, const QPoint&) { return ShowContextHint(control); }

bool TForm1::Label11ContextPopup(const QPoint&) {
    QString text = LongHint(Hint(Label11));
    if (text.isEmpty()) return false;
    text.replace("%s", Label11->text());
    return ShowContextHint(Label11, text);
}

void TForm1::ZqWinController2WndProc(TZqWinController*, QEvent* msg, bool&, const std::function<bool()>&) {
    // F1 anywhere in the window asks for help; the key then takes its normal course.
    if (msg->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(msg)->key() == Qt::Key_F1) Run(&TForm1::Button3Click);
    // The window cannot be maximised.
    if (msg->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

}  // namespace vok
