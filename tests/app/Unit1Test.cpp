#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "app/ScriptedDialogs.h"

TEST(MainWindow, OpensWithItsTitle) {
    vok::test::ScriptedDialogs dialogs;
    vok::TForm1 form(dialogs);
    EXPECT_EQ(form.windowTitle().toStdString(), "Tarvex Vok Tool");
}
