// vokcli info FILE...: size, depth and colour-table size of BMP and PCX pictures.
#include <cstdio>
#include <exception>
#include <string>

#include <memory>
#include <vector>

#include <CLI/CLI.hpp>

#include "CliCommands.h"
#include "pcx/PictureFiles.h"

namespace vok::cli {

namespace {

std::string BitsText(const Bitmap& b) {
    switch (b.pixelFormat()) {
    case PixelFormat::Bits1: return "1";
    case PixelFormat::Bits4: return "4";
    case PixelFormat::Bits8: return "8";
    case PixelFormat::Bits15: return "15";
    case PixelFormat::Bits16: return "16";
    case PixelFormat::Bits24: return "24";
    case PixelFormat::Bits32: return "32";
    case PixelFormat::Custom: return "custom";
    case PixelFormat::Device: break;
    }
    return "device";
}

// One line per file; a file that fails is reported on stderr and the others still run.
int RunInfo(const std::vector<std::string>& files) {
    int status = 0;
    for (const std::string& file : files) {
        try {
            const Bitmap b = LoadPicture(file);
            std::printf("%s: width=%d height=%d bits=%s palette=%zu\n", file.c_str(), b.width(), b.height(),
                        BitsText(b).c_str(), b.colorTable().size());
        } catch (const std::exception& e) {
            std::fflush(stdout);
            std::fprintf(stderr, "%s\n", FailureText(e).c_str());
            status = 1;
        }
    }
    return status;
}

RunCommand DeclareInfo(CLI::App& app) {
    auto files = std::make_shared<std::vector<std::string>>();
    app.add_option("FILE", *files, "The pictures to describe")->required();
    return [files] { return RunInfo(*files); };
}

const CliRegistrar infoRegistrar({"info", "Print the size, depth and colour-table size of pictures",
                              "vokcli info frames/*.bmp", DeclareInfo});

}  // namespace

}  // namespace vok::cli
