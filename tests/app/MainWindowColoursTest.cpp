// Combine, Split, Delete and Copy run from the main window, the dialogs answered by script.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <spng.h>

#include "colours/ColourTestPictures.h"
#include "MainWindowFixture.h"
#include "controls/ZqSpinEdit.h"
#include "pictures/BmpCodec.h"
#include "png/Png.h"
#include "colours/ReduceFrames.h"
#include "pcx/PictureFiles.h"
#include "shadow/PrepareList.h"
#include "support/TempFolder.h"

namespace vok {

using namespace vok::test;

namespace {

using test::kDefaults;

Bitmap Figure(int w, int h, int seed) {
    Bitmap b = PatternFrame(w, h, std::uint32_t(kDefaults[0]), std::uint32_t(kDefaults[1]), 5, seed);
    SetIndex(b, 0, 0, 1);
    SetIndex(b, 1, 1, 2);
    return b;
}

class ColourWindow : public MainWindowTest {
protected:
    TempFolder dir;

    void SetUp() override {
        MainWindowTest::SetUp();
        WriteCreatureTable();
        Open();
        ASSERT_NE(form->SplitButtonPanel, nullptr);
        ASSERT_TRUE(dialogs.Errors().empty()) << dialogs.Errors().front();
        dialogs.asked.clear();
        // Start from empty proposals, whatever settings file lies beside the tests.
        form->SavePictureDialog1.FileName.clear();
    }

    // Writes the frames b.bmp (9 x 6), A.bmp (5 x 8), c.bmp (7 x 7); returns them in that order.
    std::vector<std::string> WriteFrames() {
        SaveBitmapToFile(Figure(9, 6, 0), dir / "b.bmp");
        SaveBitmapToFile(Figure(5, 8, 1), dir / "A.bmp");
        SaveBitmapToFile(Figure(7, 7, 2), dir / "c.bmp");
        return {dir / "b.bmp", dir / "A.bmp", dir / "c.bmp"};
    }

    void Combine(const std::vector<std::string>& frames, const std::string& output) {
        dialogs.AnswerFiles(frames);
        dialogs.AnswerFile(output);
        form->Button6->click();
    }
};

}  // namespace

TEST_F(ColourWindow, CombineReadsTransparentPngPixelsAsTheListsFirstColour) {
    form->Memo1->setPlainText("204060\nFF96FF");
    // Two RGBA pixels, written by libspng itself: transparent green, opaque red.
    spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
    spng_ihdr h{2, 1, 8, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 0, 0, 0};
    spng_set_ihdr(ctx, &h);
    const std::uint8_t pixels[] = {0, 255, 0, 0, 255, 0, 0, 255};
    ASSERT_EQ(spng_encode_image(ctx, pixels, sizeof pixels, SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE), 0);
    std::size_t length = 0;
    int error = 0;
    char* png = static_cast<char*>(spng_get_png_buffer(ctx, &length, &error));
    WriteBytes(dir / "r.png", std::string(png, length));
    std::free(png);
    spng_ctx_free(ctx);

    Combine({dir / "r.png"}, dir / "All.bmp");
    ASSERT_TRUE(dialogs.Errors().empty()) << dialogs.Errors().front();
    const Bitmap all = LoadBitmapFromFile(dir / "All.bmp");
    EXPECT_EQ(all.colorAt(0, 0), 0x204060u);
    EXPECT_EQ(all.colorAt(1, 0), RGB(255, 0, 0));
    SetPngReading({});
}

TEST_F(ColourWindow, ReduceFramesAndPrepareVokListWriteWhatTheCommandsWrite) {
    form->Memo1->setPlainText("FFFF00\nFF96FF\n\n\n\n\n\n\n\n123456");
    form->CheckBox3->setChecked(true);
    SaveBitmapToFile(TrueColor(6, 5, RGB(200, 10, 10)), dir / "a.bmp");
    SavePicture(Figure(7, 4, 3), dir / "b.png");
    const StandardColorTable colors = ParseStandardColors({"FFFF00", "FF96FF", "", "", "", "", "", "", "", "123456"});
    ReduceSettings settings;
    settings.options.noStandardColors = true;
    settings.extension = ".bmp";

    TempFolder window, direct;
    dialogs.AnswerFiles({dir / "a.bmp", dir / "b.png"});
    dialogs.AnswerFile(window / "any");
    form->Button14->click();
    ASSERT_TRUE(dialogs.Errors().empty()) << dialogs.Errors().front();
    ReduceFiles({dir / "a.bmp", dir / "b.png"}, direct.Path(), colors, settings);
    EXPECT_EQ(window.Names(), (std::vector<std::string>{"a.bmp", "b.bmp"}));
    for (const char* name : {"a.bmp", "b.bmp"}) EXPECT_EQ(ReadBytes(window / name), ReadBytes(direct / name)) << name;

    WriteBytes(dir / "list.txl", "a.bmp\r\nb.png  1+\r\n");
    TempFolder preparedWindow, preparedDirect;
    dialogs.AnswerFile(dir / "list.txl");
    dialogs.AnswerFile(preparedWindow / "any");
    form->Button15->click();
    ASSERT_TRUE(dialogs.Errors().empty()) << dialogs.Errors().front();
    PrepareSettings prepare;
    prepare.reduce.options.noStandardColors = true;
    const PrepareSummary summary = PrepareList(dir / "list.txl", preparedDirect.Path(), colors, prepare);
    for (const char* name : {"a.bmp", "b.bmp", "list.txl"})
        EXPECT_EQ(ReadBytes(preparedWindow / name), ReadBytes(preparedDirect / name)) << name;
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().Text.substr(0, 20), PrepareSummaryText(summary).substr(0, 20));
}

TEST_F(ColourWindow, CombineProposesItsFilesAndEnablesSplit) {
    const auto frames = WriteFrames();
    EXPECT_FALSE(form->Button7->isEnabled());
    Combine(frames, dir / "mine.bmp");
    ASSERT_TRUE(dialogs.Errors().empty()) << dialogs.Errors().front();
    const auto shown = dialogs.FileDialogs();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].Title, "Select targets");
    EXPECT_EQ(shown[1].FileName, dir / "All.bmp");
    EXPECT_TRUE(form->Button7->isEnabled());
    EXPECT_TRUE(form->SplitButtonPanel->toolTip().isEmpty());
    EXPECT_EQ(form->OpenPictureDialog3.FileName, dir / "mine.bmp");
    EXPECT_EQ(form->SavePictureDialog2.FileName, dir / "A.bmp");
    EXPECT_EQ(form->PartNames, (std::vector<std::string>{"A.bmp", "b.bmp", "c.bmp"}));
    EXPECT_EQ(form->PartWidths, (std::vector<int>{5, 9, 7}));
    EXPECT_EQ(form->PartHeights, (std::vector<int>{8, 6, 7}));
    const Bitmap combined = LoadBitmapFromFile(dir / "mine.bmp");
    EXPECT_EQ(combined.pixelFormat(), PixelFormat::Bits24);
    EXPECT_EQ(combined.width(), 21 + 1600);

    // The next proposal keeps the name chosen last, in the folder of the new frames.
    TempFolder other;
    SaveBitmapToFile(Figure(2, 2, 0), other / "z.bmp");
    Combine({other / "z.bmp"}, other / "mine.bmp");
    EXPECT_EQ(dialogs.FileDialogs()[3].FileName, other / "mine.bmp");
}

TEST_F(ColourWindow, CombineReduceSplitCycle) {
    const auto frames = WriteFrames();
    std::vector<Bitmap> originals;
    for (const auto& f : frames) originals.push_back(LoadBitmapFromFile(f));
    Combine(frames, dir / "All.bmp");
    SaveBitmapToFile(ReduceLosslessly(LoadBitmapFromFile(dir / "All.bmp"), kDefaults), dir / "reduced.bmp");

    form->ZqSpinEdit3->SetValue(3);
    dialogs.AnswerFile(dir / "reduced.bmp");
    dialogs.AnswerFile(form->SavePictureDialog2.FileName);  // the proposal: back into the frames' folder
    form->Button7->click();
    ASSERT_TRUE(dialogs.Errors().empty()) << dialogs.Errors().front();
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const Bitmap back = LoadBitmapFromFile(frames[k]);
        EXPECT_EQ(back.pixelFormat(), PixelFormat::Bits8);
        ExpectSameColours(back, originals[k]);
        EXPECT_EQ(IndexAt(back, 0, 0), 0);
        EXPECT_EQ(IndexAt(back, 1, 1), 1);
    }
}

TEST_F(ColourWindow, SplitSpreadsWithNoStandardColors) {
    form->PartWidths = {3};
    form->PartHeights = {1};
    form->PartNames = {"f.bmp"};
    form->Button7->setEnabled(true);  // as after a Combine of one 3 x 1 frame
    Bitmap reduced = Paletted(3, 1, PlainColors());
    SetIndex(reduced, 1, 0, 1);
    SetIndex(reduced, 2, 0, 248);
    SaveBitmapToFile(reduced, dir / "reduced.bmp");
    form->CheckBox3->click();
    form->CheckBox4->click();  // no background: every reduced colour moves up by 8
    dialogs.AnswerFile(dir / "reduced.bmp");
    dialogs.AnswerFile(dir / "ignored name.bmp");
    form->Button7->click();
    ASSERT_TRUE(dialogs.Errors().empty()) << dialogs.Errors().front();
    const Bitmap frame = LoadBitmapFromFile(dir / "f.bmp");
    EXPECT_EQ(IndexAt(frame, 0, 0), 8);
    EXPECT_EQ(IndexAt(frame, 1, 0), 9);
    EXPECT_EQ(IndexAt(frame, 2, 0), 248);  // beyond the 248 free positions: keeps its index
    EXPECT_EQ(frame.colorAt(0, 0), PlainColors()[0]);
    EXPECT_EQ(ToColor(frame.colorTable()[4]), std::uint32_t(kDefaults[4]));
}

TEST_F(ColourWindow, FailedCombineKeepsTheLastRecord) {
    WriteBytes(dir / "bad.bmp", "BM but not a picture");
    Combine({dir / "bad.bmp"}, dir / "All.bmp");
    EXPECT_EQ(dialogs.Errors(), (std::vector<std::string>{"Bitmap image is not valid."}));
    EXPECT_FALSE(form->Button7->isEnabled());
    EXPECT_TRUE(form->PartNames.empty());

    const auto frames = WriteFrames();
    Combine(frames, dir / "All.bmp");
    const std::string proposal = form->OpenPictureDialog3.FileName;
    Combine({dir / "c.bmp", dir / "bad.bmp"}, dir / "Other.bmp");
    EXPECT_EQ(dialogs.Errors().size(), 2u);
    EXPECT_TRUE(form->Button7->isEnabled());
    EXPECT_EQ(form->PartNames, (std::vector<std::string>{"A.bmp", "b.bmp", "c.bmp"}));
    EXPECT_EQ(form->OpenPictureDialog3.FileName, proposal);
    EXPECT_FALSE(FileExists(dir / "Other.bmp"));
}

TEST_F(ColourWindow, SplitOfACroppedPictureWritesNothing) {
    const auto frames = WriteFrames();
    Combine(frames, dir / "All.bmp");
    const std::string before = ReadBytes(dir / "A.bmp");
    SaveBitmapToFile(Paletted(20, 8, PlainColors()), dir / "cropped.bmp");
    dialogs.AnswerFile(dir / "cropped.bmp");
    dialogs.AnswerFile(dir / "A.bmp");
    form->Button7->click();
    ASSERT_EQ(dialogs.Errors().size(), 1u);
    EXPECT_NE(dialogs.Errors()[0].find("cropped.bmp"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "A.bmp"), before);
}

TEST_F(ColourWindow, CancelledDialogsDoNothing) {
    const auto frames = WriteFrames();
    dialogs.CancelFile();
    form->Button6->click();
    dialogs.AnswerFiles(frames);
    dialogs.CancelFile();
    form->Button6->click();
    EXPECT_FALSE(FileExists(dir / "All.bmp"));
    EXPECT_FALSE(form->Button7->isEnabled());

    dialogs.AnswerFiles(frames);
    dialogs.CancelFile();  // no targets
    form->Button9->click();
    EXPECT_EQ(dialogs.unexpected, 0);
    EXPECT_TRUE(dialogs.Errors().empty());
}

TEST_F(ColourWindow, DeleteUsesTheListInTheMemo) {
    Bitmap frame = Row8({1, 4, 9, 20});
    SaveBitmapToFile(frame, dir / "f.bmp");
    form->SetMemoLines({"FFFF00", "", "", "", "", "", "", "", "", "123456"});  // background and position 9
    dialogs.AnswerFiles({dir / "f.bmp"});
    form->Button8->click();
    ASSERT_TRUE(dialogs.Errors().empty()) << dialogs.Errors().front();
    const Bitmap after = LoadBitmapFromFile(dir / "f.bmp");
    EXPECT_EQ(IndexAt(after, 0, 0), 1);
    EXPECT_EQ(IndexAt(after, 1, 0), 4);
    EXPECT_EQ(IndexAt(after, 2, 0), 0);
    EXPECT_EQ(IndexAt(after, 3, 0), 20);
}

TEST_F(ColourWindow, CopyTakesTheBoxesAndShifts) {
    SaveBitmapToFile(Row8({30, 30, 4, 0, 30}), dir / "s.bmp");
    SaveBitmapToFile(Row8({20, 21, 22, 23, 24}), dir / "t.bmp");
    form->ZqSpinEdit1->SetValue(1);
    form->CheckBox1->click();  // copy background off
    dialogs.AnswerFiles({dir / "s.bmp"});
    dialogs.AnswerFiles({dir / "t.bmp"});
    form->Button9->click();
    ASSERT_TRUE(dialogs.Errors().empty()) << dialogs.Errors().front();
    const auto shown = dialogs.FileDialogs();
    EXPECT_EQ(shown[0].Title, "Select sources");
    EXPECT_EQ(shown[1].Title, "Select targets");
    const Bitmap after = LoadBitmapFromFile(dir / "t.bmp");
    EXPECT_EQ((std::vector<int>{IndexAt(after, 0, 0), IndexAt(after, 1, 0), IndexAt(after, 2, 0), IndexAt(after, 3, 0),
                                IndexAt(after, 4, 0)}),
              (std::vector<int>{20, 20, 4, 22, 23}));
}

TEST_F(ColourWindow, CopyWithDifferentNumbersOfPictures) {
    SaveBitmapToFile(Row8({4}), dir / "s1.bmp");
    SaveBitmapToFile(Row8({4}), dir / "s2.bmp");
    SaveBitmapToFile(Row8({20}), dir / "t.bmp");
    const std::string before = ReadBytes(dir / "t.bmp");
    dialogs.AnswerFiles({dir / "s1.bmp", dir / "s2.bmp"});
    dialogs.AnswerFiles({dir / "t.bmp"});
    form->Button9->click();
    EXPECT_EQ(dialogs.Errors(), (std::vector<std::string>{"Different number of pictures."}));
    EXPECT_EQ(ReadBytes(dir / "t.bmp"), before);
}

}  // namespace vok
