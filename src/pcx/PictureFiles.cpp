#include "pcx/PictureFiles.h"

#include <cctype>

#include "pcx/Pcx.h"
#include "png/Png.h"
#include "pictures/BmpCodec.h"

namespace vok {

bool IsPcxName(const std::string& fileName) {
    if (fileName.size() < 4) return false;
    std::string ext = fileName.substr(fileName.size() - 4);
    for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".pcx";
}

Bitmap LoadPicture(const std::string& fileName) {
    if (IsPngName(fileName)) return LoadPngFromFile(fileName);
    return IsPcxName(fileName) ? LoadPcxFromFile(fileName) : LoadBitmapFromFile(fileName);
}

void SavePicture(const Bitmap& picture, const std::string& fileName) {
    if (IsPngName(fileName))
        SavePngToFile(picture, fileName);
    else if (IsPcxName(fileName))
        SavePcxToFile(picture, fileName);
    else
        SaveBitmapToFile(picture, fileName);
}

}  // namespace vok
