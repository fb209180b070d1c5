// vokcli convert IN OUT [--bits 24]: loads a BMP and saves it in its own pixel
// format, or as 24 bits.
#include <string>
#include <vector>

#include "CliCommands.h"
#include "pictures/BmpCodec.h"

namespace vok::cli {

namespace {

int RunConvert(const Args& args) {
    ArgReader reader(args);
    std::vector<std::string> files;
    int bits = 0;
    while (!reader.done()) {
        if (reader.atOption()) {
            const std::string option = reader.next();
            if (option != "--bits") throw UsageError("unknown option " + option);
            bits = reader.intValue(option);
            if (bits != 24) throw UsageError("--bits takes only 24");
        } else {
            files.push_back(reader.next());
        }
    }
    if (files.size() != 2) throw UsageError("needs IN and OUT");
    Bitmap picture = LoadBitmapFromFile(files[0]);
    if (bits == 24) picture.setPixelFormat(PixelFormat::Bits24);
    SaveBitmapToFile(picture, files[1]);
    return 0;
}

const CliRegistrar registrar("convert", "IN OUT [--bits 24]", RunConvert);

}  // namespace

}  // namespace vok::cli
