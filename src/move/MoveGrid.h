#pragma once
// The reference grid drawn over the frames of the move window.
#include <QImage>
#include <string>

namespace vok {

// Where the grid picture is read from: "Grid.pcx" beside the program.
std::string GridFileName();

struct MoveGrid {
    QImage Picture;      // the grid as loaded, opaque
    QImage Overlay;      // the same with its transparent colour (the bottom-left pixel's) see-through
    std::string Error;   // why there is no grid, naming the file; empty when loaded
};

// Loads the grid; a missing or unreadable file gives no picture and its error.
MoveGrid LoadMoveGrid(const std::string& fileName);

}  // namespace vok
