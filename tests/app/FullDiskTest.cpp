// Every file the program writes, on a disk that fills up part-way: the old file stays
// whole and the report names the file.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <string>

#include "colours/ColourFiles.h"
#include "pcx/PictureFiles.h"
#include "pictures/Bitmap.h"
#include "support/IniFile.h"
#include "support/TempFolder.h"
#include "voklist/VokList.h"

namespace vok {
namespace {

constexpr rlim_t kRoomLeft = 4096;

// Runs the save in a child process whose files cannot grow past kRoomLeft bytes; 0 when it
// failed with a report that starts with `start` and names the file.
int SaveOnFullDisk(const std::function<void()>& save, const std::string& fileName, const std::string& start) {
    const pid_t child = ::fork();
    if (child == 0) {
        // Ignored, the signal lets write() return EFBIG as a full disk returns ENOSPC.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kRoomLeft, kRoomLeft};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(4);
        try {
            save();
        } catch (const std::exception& e) {
            const std::string report = e.what();
            ::_exit(report.rfind(start, 0) == 0 && report.find(fileName) != std::string::npos ? 0 : 1);
        }
        ::_exit(2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
}

TEST(FullDiskTest, EveryWriterKeepsTheOldFileAndNamesIt) {
    test::TempFolder folder;
    // Varied pixels, so the run-length coded PCX is large too.
    Bitmap picture(100, 100, PixelFormat::Bits24);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x) picture.scanLine(y)[x] = std::uint8_t(x * 7 + y * 13);
    TVokListDocument list;
    list.Groups[0].assign(500, "frame-with-a-long-name.bmp");
    SplitRecord record;
    for (int i = 0; i < 500; ++i) {
        record.PartWidths.push_back(10);
        record.PartHeights.push_back(10);
        record.PartNames.push_back("frame-with-a-long-name.bmp");
    }
    const std::string bigValue(3 * kRoomLeft, 'x');
    struct Writer {
        std::string name;
        std::function<void(const std::string&)> save;
        std::string report;
    };
    const Writer writers[] = {
        {"a.bmp", [&](const std::string& f) { SavePicture(picture, f); }, "Cannot write file \""},
        {"a.pcx", [&](const std::string& f) { SavePicture(picture, f); }, "Cannot write file \""},
        {"a.txl", [&](const std::string& f) { WriteVokList(f, list); }, "Cannot write file \""},
        {"a.bmp.parts", [&](const std::string& f) { SaveSplitRecord(record, f); }, "Cannot write file \""},
        {"a.ini", [&](const std::string& f) { IniFile(f).WriteString("Main Form", "Key", bigValue); },
         "Unable to write to "},
    };
    for (const Writer& w : writers) test::WriteBytes(folder / w.name, "old");
    for (const Writer& w : writers) {
        const std::string file = folder / w.name;
        EXPECT_EQ(SaveOnFullDisk([&] { w.save(file); }, file, w.report), 0) << w.name;
        EXPECT_EQ(test::ReadBytes(file), "old") << w.name;
    }
    EXPECT_EQ(folder.Names().size(), std::size(writers));  // no temporary left behind
}

}  // namespace
}  // namespace vok
