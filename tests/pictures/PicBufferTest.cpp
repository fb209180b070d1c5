#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "pictures/BmpCodec.h"
#include "pictures/PicBuffer.h"
#include "support/Errors.h"
#include "support/TempFolder.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

// Puts a one-byte file into the folder; gives its full name.
std::string Touch(const test::TempFolder& folder, const std::string& name) {
    test::WriteBytes(folder / name, "x");
    return folder / name;
}

// Counts loads per file; "bad" names fail like a file that is not a picture.
struct CountingLoader {
    std::map<std::string, int> loads;
    TPicBuffer::Loader Fn() {
        return [this](const std::string& name) {
            ++loads[name];
            if (name.find("bad") != std::string::npos) throw EInvalidGraphic("Bitmap image is not valid");
            return Bitmap(int(name.size()), 1, PixelFormat::Bits8);
        };
    }
    int Total() const {
        int n = 0;
        for (const auto& [name, count] : loads) n += count;
        return n;
    }
};

TEST(PicBuffer, OneFileNamedTwiceIsLoadedOnceAndShared) {
    test::TempFolder folder;
    const std::string frame = Touch(folder, "frame.bmp");
    fs::create_directory(folder / "sub");
    const std::string roundabout = folder / "sub/../frame.bmp";
    const std::string relative = fs::relative(frame, fs::current_path()).string();
    fs::create_hard_link(frame, folder / "linked.bmp");

    CountingLoader loader;
    TPicBuffer buffer(loader.Fn());
    const std::vector<std::string> names = {
        Touch(folder, "a.bmp"), Touch(folder, "b.bmp"), frame, roundabout, relative,
        folder / "linked.bmp", folder / "a.bmp"};
    buffer.SetFileNames(names);

    const std::vector<int> expected = {0, 1, 2, 2, 2, 2, 0};
    for (int i = 0; i < buffer.Count(); ++i) EXPECT_EQ(buffer.FirstIndex(i), expected[std::size_t(i)]) << i;

    Bitmap& first = buffer.GetPicture(2);
    for (int i = 3; i <= 5; ++i) EXPECT_EQ(&buffer.GetPicture(i), &first) << i;
    EXPECT_EQ(loader.loads[frame], 1);
    EXPECT_EQ(loader.Total(), 1);
    // A change through one position is seen through the others.
    first.setSize(7, 7);
    EXPECT_EQ(buffer.GetPicture(4).width(), 7);
}

TEST(PicBuffer, NamesDifferingInCaseAreTwoFilesUnlessTheyAreOne) {
    test::TempFolder folder;
    const std::string lower = Touch(folder, "frame.bmp");
    const std::string upper = folder / "FRAME.BMP";
    TPicBuffer buffer(CountingLoader{}.Fn());
    buffer.SetFileNames({lower, upper});
    // Only one of them exists here, so they cannot be the same file.
    EXPECT_EQ(buffer.FirstIndex(1), 1);

    const std::string missing = folder / "gone/../missing.bmp";
    buffer.SetFileNames({missing, folder / "missing.bmp", folder / "MISSING.bmp"});
    EXPECT_EQ(buffer.FirstIndex(1), 0);
    EXPECT_EQ(buffer.FirstIndex(2), 2);
}

TEST(PicBuffer, FailedLoadLeavesAnEmptyPictureUntilTheNextList) {
    CountingLoader loader;
    TPicBuffer buffer(loader.Fn());
    const std::vector<std::string> names = {"/nowhere/bad.bmp", "/nowhere/good.bmp", "/nowhere/x/../bad.bmp"};
    buffer.SetFileNames(names);
    EXPECT_THROW(buffer.GetPicture(0), EInvalidGraphic);
    EXPECT_EQ(buffer.GetPicture(0).width(), 0);
    EXPECT_EQ(buffer.GetPicture(0).height(), 0);
    EXPECT_EQ(buffer.GetPicture(2).width(), 0);
    EXPECT_EQ(loader.loads["/nowhere/bad.bmp"], 1);

    // A new list frees everything: the file is tried again.
    buffer.SetFileNames(names);
    EXPECT_THROW(buffer.GetPicture(2), EInvalidGraphic);
    EXPECT_EQ(loader.loads["/nowhere/bad.bmp"], 2);
    EXPECT_EQ(buffer.GetPicture(1).width(), int(names[1].size()));
}

TEST(PicBuffer, EmptyListAndPositionsOutsideTheList) {
    CountingLoader loader;
    TPicBuffer buffer(loader.Fn());
    EXPECT_EQ(buffer.Count(), 0);
    buffer.SetFileNames({"/nowhere/a.bmp"});
    buffer.SetFileNames({});
    EXPECT_EQ(buffer.Count(), 0);
    EXPECT_THROW(buffer.GetPicture(0), EAssertionFailed);
    EXPECT_THROW(buffer.FirstIndex(-1), EAssertionFailed);
    EXPECT_EQ(loader.Total(), 0);
}

TEST(PicBuffer, LoadsBmpFilesFromDisk) {
    test::TempFolder folder;
    Bitmap frame(3, 2, PixelFormat::Bits8);
    std::vector<RgbQuad> colors(256);
    colors[9] = ToQuad(RGB(200, 10, 30));
    frame.setColorTable(colors);
    frame.scanLine(1)[2] = 9;
    const std::string good = folder / "frame.bmp";
    SaveBitmapToFile(frame, good);
    const std::string bad = Touch(folder, "broken.bmp");

    TPicBuffer buffer;
    buffer.SetFileNames({bad, good, folder / "./frame.bmp"});
    const Bitmap& loaded = buffer.GetPicture(2);
    EXPECT_EQ(&loaded, &buffer.GetPicture(1));
    EXPECT_EQ(loaded.width(), 3);
    EXPECT_EQ(loaded.height(), 2);
    EXPECT_EQ(loaded.colorAt(2, 1), RGB(200, 10, 30));
    EXPECT_EQ(loaded.colorAt(0, 0), 0u);

    EXPECT_THROW(buffer.GetPicture(0), EInvalidGraphic);
    EXPECT_TRUE(buffer.GetPicture(0).empty());
}

}  // namespace
}  // namespace vok
