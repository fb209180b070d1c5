// vokcli convert IN OUT [--bits 24]: loads a picture and saves it in its own pixel
// format, or as 24 bits.
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "CliCommands.h"
#include "pictures/BmpCodec.h"

namespace vok::cli {

namespace {

struct ConvertArgs {
    std::string in, out;
    int bits = 0;
};

RunCommand DeclareConvert(CLI::App& app) {
    auto a = std::make_shared<ConvertArgs>();
    app.add_option("IN", a->in, "The picture to read")->required();
    app.add_option("OUT", a->out, "The picture to write")->required();
    app.add_option("--bits", a->bits, "Write 24 bits per pixel instead of the picture's own format")
        ->check(CLI::IsMember({24}));
    return [a] {
        Bitmap picture = LoadBitmapFromFile(a->in);
        if (a->bits == 24) picture.setPixelFormat(PixelFormat::Bits24);
        SaveBitmapToFile(picture, a->out);
        return 0;
    };
}

const CliRegistrar registrar({"convert", "Read a picture and write it again, in its own format or as 24 bits",
                              "vokcli convert frame.bmp frame24.bmp --bits 24", DeclareConvert});

}  // namespace

}  // namespace vok::cli
