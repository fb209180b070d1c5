// TZqHelp, "Help": the program's help text from the language files.
#include "lang/HelpWindow.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/LanguageSections.h"
#include "support/AppInfo.h"

namespace vok {
namespace {

QPointer<TZqHelp>& HelpInstance() {
    static QPointer<TZqHelp> help;
    return help;
}

// The window-class name field holds 63 characters and its terminator.
constexpr std::size_t kClassNameLength = 63;

}  // namespace

TZqHelp::TZqHelp(QWidget* parent) : TZqModalForm(parent) {
    setObjectName("ZqHelp");
    setWindowTitle("Help");
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);
    QFont font = this->font();
    font.setFamilies({"MS Sans Serif", "DejaVu Sans Condensed", "Liberation Sans Narrow", font.family()});
    font.setPixelSize(11);
    setFont(font);
    resize(564, 494);

    Panel2 = new QFrame(this);
    Panel2->setObjectName("Panel2");
    auto* panel2Layout = new QVBoxLayout(Panel2);
    panel2Layout->setContentsMargins(4, 4, 4, 4);
    Memo1 = new QPlainTextEdit(Panel2);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panel2Layout->addWidget(Memo1);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFixedHeight(29);
    auto* panel1Layout = new QHBoxLayout(Panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    Button1 = new QPushButton("OK", Panel1);
    Button1->setObjectName("Button1");
    Button1->setFixedSize(75, 25);
    panel1Layout->addWidget(Button1, 0, Qt::AlignHCenter | Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel2, 1);
    layout->addWidget(Panel1);
    // OK closes as Escape does.
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TZqHelp::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
        if (Companions.empty()) {
            // The whole program goes down with it.
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window != this && window->isVisible() && !window->parentWidget()) window->showMinimized();
        } else {
            for (const QPointer<QWidget>& companion : Companions)
                if (companion) companion->hide();
            setWindowState(windowState() & ~Qt::WindowMinimized);
            hide();
        }
    }
    TZqModalForm::changeEvent(event);
}

void CreateHelpWindow(const std::string& className, QWidget* owner) {
    delete HelpInstance().data();
    auto* help = new TZqHelp(owner);
    const std::string name = className.empty() ? std::string(AppTitle) + " Help Form" : className;
    help->ClassName = name.substr(0, kClassNameLength);
    HelpInstance() = help;
    AddLanguageSection("[Help]", help);
}

TZqHelp* HelpWindow() { return HelpInstance().data(); }

void ShowHelp(const std::vector<QWidget*>& companions, int width, int height) {
    TZqHelp* help = HelpWindow();
    if (!help) return;
    help->Companions.assign(companions.begin(), companions.end());
    help->resize(width, height);
    help->ShowModal();
    help->Companions.clear();
}

}  // namespace vok
