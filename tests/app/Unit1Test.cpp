#include <gtest/gtest.h>

#include "app/Unit1.h"

TEST(MainWindow, OpensWithItsTitle) {
    vok::TForm1 form;
    EXPECT_EQ(form.windowTitle().toStdString(), "Tarvex Vok Tool");
}
