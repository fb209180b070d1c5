// vokcli convert IN OUT [--bits 24]: loads a picture and saves it in its own pixel
// format, or as 24 bits. Each side's file type follows its extension: ".pcx" is PCX;
// ".png" is PNG; ".bmp", ".dib" or none is BMP; any other is refused.
#include <memory>
#include <stdexcept>
#include <string>

#include <CLI/CLI.hpp>

#include "CliCommands.h"
#include "pcx/PictureFiles.h"
#include "support/CaseFold.h"
#include "support/ZqSysUtils.h"

namespace vok::cli {

namespace {

void CheckPictureType(const std::string& fileName) {
    const std::string ext = ExtractFileExt(fileName);
    for (const char* known : {"", ".bmp", ".dib", ".pcx", ".png"})
        if (EqualsIgnoringCase(ext, known)) return;
    throw std::runtime_error(fileName + ": cannot read or write \"" + ext + "\" pictures (use .bmp, .pcx or .png)");
}

struct ConvertArgs {
    std::string in, out;
    int bits = 0;
};

RunCommand DeclareConvert(CLI::App& app) {
    auto a = std::make_shared<ConvertArgs>();
    app.add_option("IN", a->in, "The picture to read (.bmp, .dib, .pcx, .png or no extension)")->required();
    app.add_option("OUT", a->out, "The picture to write; its extension chooses BMP, PCX or PNG")->required();
    app.add_option("--bits", a->bits, "Write 24 bits per pixel instead of the picture's own format")
        ->check(CLI::IsMember({24}));
    return [a] {
        CheckPictureType(a->in);
        CheckPictureType(a->out);
        Bitmap picture = LoadPicture(a->in);
        if (a->bits == 24) picture.setPixelFormat(PixelFormat::Bits24);
        SavePicture(picture, a->out);
        return 0;
    };
}

const CliRegistrar convertRegistrar({"convert", "Read a picture and write it again, in its own format or as 24 bits",
                              "vokcli convert frame.bmp frame.pcx --bits 24", DeclareConvert});

}  // namespace

}  // namespace vok::cli
