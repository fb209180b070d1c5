// vokcli convert IN OUT [--bits 24]: loads a picture and saves it in its own pixel
// format, or as 24 bits. Each side's file type follows its extension: ".pcx" is PCX;
// ".bmp", ".dib" or none is BMP; any other is refused.
#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "pcx/PictureFiles.h"
#include "support/ZqSysUtils.h"

namespace vok::cli {

namespace {

void CheckPictureType(const std::string& fileName) {
    std::string ext = ExtractFileExt(fileName);
    std::string lower = ext;
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (lower.empty() || lower == ".bmp" || lower == ".dib" || lower == ".pcx") return;
    throw std::runtime_error(fileName + ": cannot read or write \"" + ext + "\" pictures (use .bmp or .pcx)");
}

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
    CheckPictureType(files[0]);
    CheckPictureType(files[1]);
    Bitmap picture = LoadPicture(files[0]);
    if (bits == 24) picture.setPixelFormat(PixelFormat::Bits24);
    SavePicture(picture, files[1]);
    return 0;
}

const CliRegistrar registrar("convert", "IN OUT [--bits 24]", RunConvert);

}  // namespace

}  // namespace vok::cli
