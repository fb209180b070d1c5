#pragma once
// A test's own folder of frames and the list that names them.
#include <gtest/gtest.h>

#include <string>

#include "ShadowFiles.h"
#include "pictures/BmpCodec.h"

namespace vok::test {

class FrameFolderTest : public ::testing::Test {
protected:
    // Saves a frame into the folder.
    void Frame(const std::string& name, const Bitmap& b) { SaveBitmapToFile(b, folder / name); }
    // Loads a frame from the folder.
    Bitmap Load(const std::string& name) { return LoadBitmapFromFile(folder / name); }
    // Writes "list.txl" with the text; gives its full name.
    std::string List(const std::string& text) {
        WriteBytes(folder / "list.txl", text);
        return folder / "list.txl";
    }

    TempFolder folder;
};

}  // namespace vok::test
