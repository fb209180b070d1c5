// Writes COUNT 24-bit frames of WIDTH x HEIGHT with shaded figures (see ShadedFrames.h)
// as FOLDER/frameNNN.bmp. Usage: vok_make_shaded_frames FOLDER [COUNT WIDTH HEIGHT]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ShadedFrames.h"
#include "pictures/BmpCodec.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 5) {
        std::fprintf(stderr, "usage: %s FOLDER [COUNT WIDTH HEIGHT]\n", argv[0]);
        return 2;
    }
    const int count = argc == 5 ? std::atoi(argv[2]) : 150;
    const int width = argc == 5 ? std::atoi(argv[3]) : 450, height = argc == 5 ? std::atoi(argv[4]) : 400;
    std::filesystem::create_directories(argv[1]);
    for (int k = 0; k < count; ++k) {
        char name[32];
        std::snprintf(name, sizeof name, "/frame%03d.bmp", k);
        vok::SaveBitmapToFile(vok::bench::ShadedFrame(k, width, height), std::string(argv[1]) + name);
    }
    return 0;
}
