#include <gtest/gtest.h>

#include <QPushButton>

#include "controls/ScriptedDialogs.h"
#include "app/MainWindow.h"
#include "move/MoveWindow.h"
#include "pictures/BmpCodec.h"
#include "support/TempFolder.h"

namespace vok {
namespace {

using Names = std::vector<std::string>;

// The main window with the move window answered at once, remembering what it was given.
struct MoveFixture {
    test::ScriptedDialogs dialogs;
    TForm1 form{dialogs};
    std::vector<Names> shown;
    std::size_t startErrors = 0;
    MoveFixture() {
        // Start-up may report a missing creature table; only later reports count.
        startErrors = dialogs.Errors().size();
        form.Form4->ModalHook = [this](TZqModalForm&) {
            shown.push_back(form.Form4->FileNames);
            return int(QDialog::Rejected);
        };
    }
};

void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(MainWindowMove, ShowsTheChosenPicturesWithVokListsExpanded) {
    test::TempFolder folder;
    std::string header = "0\r\n7\r\n";
    for (int i = 0; i < 13; ++i) header += "x\r\n";
    Write(folder / "a.txl", header + "s1.bmp\r\ns2.bmp  0+\r\nsub\\w.bmp  1+\r\n");
    Write(folder / "b.bmp", "");
    // The move window loads the first frame before it opens.
    SaveBitmapToFile(Bitmap(1, 1, PixelFormat::Bits24), folder / "s1.bmp");

    MoveFixture f;
    f.dialogs.AnswerFiles({folder / "b.bmp", folder / "a.txl", folder / "b.bmp"});
    f.form.Button13->click();

    const std::string base = folder.Dir();
    ASSERT_EQ(f.shown.size(), 1u);
    EXPECT_EQ(f.shown[0], (Names{base + "s1.bmp", base + "s2.bmp", base + "sub/w.bmp", folder / "b.bmp"}));
    EXPECT_TRUE(f.form.Form4->FileNames.empty());
    EXPECT_EQ(f.dialogs.Errors().size(), f.startErrors);
    ASSERT_EQ(f.dialogs.FileDialogs().size(), 1u);
    EXPECT_EQ(f.dialogs.FileDialogs()[0].Title, "Select targets");
    EXPECT_TRUE(f.dialogs.FileDialogs()[0].MultiSelect);
}

TEST(MainWindowMove, CancelShowsNothingAndAnUnreadableListIsReported) {
    MoveFixture f;
    f.dialogs.CancelFile();
    f.form.Button13->click();
    EXPECT_TRUE(f.shown.empty());

    test::TempFolder folder;
    f.dialogs.AnswerFiles({folder / "gone.txl"});
    f.form.Button13->click();
    EXPECT_TRUE(f.shown.empty());
    ASSERT_EQ(f.dialogs.Errors().size(), f.startErrors + 1);
    const std::string report = f.dialogs.Errors().back();
    EXPECT_EQ(report.rfind("System Error.  Code: ", 0), 0u) << report;
    EXPECT_EQ(f.dialogs.unexpected, 0);
}

}  // namespace
}  // namespace vok
