#pragma once
// The pictures of one list of frame files, each loaded the first time it is
// asked for. A file named at several positions is loaded once and shared.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pictures/Bitmap.h"

namespace vok {

class TPicBuffer {
public:
    using Loader = std::function<Bitmap(const std::string& fileName)>;

    // Loads BMP files.
    TPicBuffer();
    explicit TPicBuffer(Loader loader);

    // Switches to another list; frees every picture of the previous one (references
    // handed out before become invalid).
    void SetFileNames(const std::vector<std::string>& names);

    // The picture of position i, loaded on first use. A load that fails raises the
    // loader's error once; from then on the position, and every position sharing its
    // file, gives the empty picture left behind, until the next SetFileNames.
    // Changes made to the returned picture are seen by every sharing position.
    Bitmap& GetPicture(int i);

    // The lowest position naming the same file as position i (i itself for the
    // first occurrence): visit positions with FirstIndex(i) == i to see each file once.
    int FirstIndex(int i) const;
    int Count() const { return int(Names.size()); }
    const std::string& Name(int i) const;

private:
    Loader Load;
    std::vector<std::unique_ptr<Bitmap>> Pictures;
    std::vector<std::string> Names;
    std::vector<int> FirstIndexes;
};

// What makes two names the same file: the same file on disk when it exists
// (whatever the spelling, as the file system decides), else the same absolute
// path with "." and ".." resolved.
std::string SameFileKey(const std::string& name);

}  // namespace vok
