#include "move/MoveGrid.h"

#include <exception>

#include "pcx/PictureFiles.h"
#include "pictures/BitmapImage.h"
#include "support/AppInfo.h"

namespace vok {

std::string GridFileName() {
    const std::string found = LocateDataFile("Grid.pcx");
    // Not found anywhere: the name beside the program, so that the message names the file.
    return found.empty() ? AppPath() + "Grid.pcx" : found;
}

MoveGrid LoadMoveGrid(const std::string& fileName) {
    MoveGrid grid;
    try {
        const Bitmap picture = LoadPicture(fileName);
        if (picture.empty()) return grid;
        grid.Picture = ToQImage(picture);
        grid.Overlay = grid.Picture.convertToFormat(QImage::Format_ARGB32);
        const QRgb transparent = grid.Overlay.pixel(0, grid.Overlay.height() - 1);
        for (int y = 0; y < grid.Overlay.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(grid.Overlay.scanLine(y));
            for (int x = 0; x < grid.Overlay.width(); ++x)
                if (line[x] == transparent) line[x] = 0;
        }
    } catch (const std::exception& e) {
        const std::string message = e.what();
        grid.Error = message.find(fileName) == std::string::npos ? fileName + ": " + message : message;
    }
    return grid;
}

}  // namespace vok
