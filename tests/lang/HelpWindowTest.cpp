// The help window behind "?": its text from the language files, its size, how it closes.
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/MainWindowFixture.h"
#include "lang/HelpWindow.h"
#include "lang/LanguageFiles.h"
#include "support/AppInfo.h"

namespace vok::test {
namespace {

using HelpWindowTest = MainWindowTest;

TEST_F(HelpWindowTest, QuestionMarkShowsTheHelpTextAtItsSize) {
    WriteCreatureTable();
    TForm1& f = Open();
    TZqHelp* help = HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->ClassName, "Tarvex Vok Tool Help Form");
    std::string errors;
    LoadLanguage(dialogs, "\t[Help]\r\nMemo1.Lines.Strings\tFirst\nSecond\r\n", false, errors);
    int shown = 0;
    help->ModalHook = [&](TZqModalForm& form) {
        ++shown;
        EXPECT_EQ(form.size(), QSize(440, 463));
        EXPECT_EQ(help->Memo1->toPlainText(), "First\nSecond");
        EXPECT_TRUE(help->Memo1->isReadOnly());
        return int(QDialog::Rejected);
    };
    f.Button3->click();
    f.Button3->click();
    EXPECT_EQ(shown, 2);
}

TEST_F(HelpWindowTest, EscapeAndOkClose) {
    CreateHelpWindow("");
    TZqHelp* help = HelpWindow();
    EXPECT_EQ(help->Memo1->toPlainText(), "");
    for (int way = 0; way < 2; ++way) {
        help->show();
        ASSERT_TRUE(help->isVisible());
        if (way == 0) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(help, &escape);
        } else {
            help->Button1->click();
        }
        EXPECT_FALSE(help->isVisible());
    }
    delete help;
}

TEST_F(HelpWindowTest, LongClassNamesAreCutAndMinimisingHidesTheCompanions) {
    CreateHelpWindow(std::string(100, 'x'));
    TZqHelp* help = HelpWindow();
    EXPECT_EQ(help->ClassName, std::string(63, 'x'));
    QWidget companion;
    companion.show();
    help->Companions = {&companion};
    help->show();
    help->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(companion.isVisible());
    EXPECT_FALSE(help->isVisible());
    delete help;
}

}  // namespace
}  // namespace vok::test
