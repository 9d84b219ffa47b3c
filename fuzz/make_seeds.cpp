// make_seeds.cpp: writes the fuzzer's seed corpus into the folder given:
// good bitmaps of a few sizes and one of each kind of broken header, all
// written by the same writer the tests use.
#include <cstdio>
#include <string>
#include <vector>

#include "bmp_writer.h"

struct Seed {
    const char* name;
    int width;
    int height;
    BmpOptions options;
};

static BmpOptions with(void (*change)(BmpOptions&))
{
    BmpOptions options;
    change(options);
    return options;
}

static std::vector<unsigned char> gradient(int width, int height)
{
    std::vector<unsigned char> rgb((size_t)width * height * 3);
    for (size_t i = 0; i < rgb.size(); i++)
        rgb[i] = (unsigned char)(i * 37 + 11);
    return rgb;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    const Seed seeds[] = {
        {"good-1x1", 1, 1, {}},
        {"good-4x4", 4, 4, {}},
        {"good-3x5-padded", 3, 5, {}},
        {"good-16x8", 16, 8, {}},
        {"good-33x7-padded", 33, 7, {}},
        {"good-trailing-bytes", 4, 2, with([](BmpOptions& o) { o.trailingBytes = 9; })},
        {"planes-2", 4, 2, with([](BmpOptions& o) { o.planes = 2; })},
        {"bpp-8", 4, 2, with([](BmpOptions& o) { o.bitsPerPixel = 8; })},
        {"bpp-32", 4, 2, with([](BmpOptions& o) { o.bitsPerPixel = 32; })},
        {"compressed-rle8", 4, 2, with([](BmpOptions& o) { o.compression = 1; })},
        {"compressed-bitfields", 4, 2, with([](BmpOptions& o) { o.compression = 3; })},
        {"negative-height", 4, 2, with([](BmpOptions& o) { o.headerHeight = -2; })},
        {"negative-width", 4, 2, with([](BmpOptions& o) { o.headerWidth = -4; })},
        {"oversized-over-32-bits", 4, 2, with([](BmpOptions& o) { o.headerWidth = 0x40000000; })},
        {"oversized-no-pixels", 4, 2, with([](BmpOptions& o) { o.headerWidth = 30000; o.headerHeight = 30000; })},
        {"offset-0", 4, 2, with([](BmpOptions& o) { o.dataOffset = 0; })},
        {"offset-138", 4, 2, with([](BmpOptions& o) { o.dataOffset = 138; })},
        // 4 x 2 pixels are 24 bytes: cut them and the gap, keep the header.
        {"offset-past-end", 4, 2, with([](BmpOptions& o) { o.dataOffset = 4000; o.truncateBy = 4000 - 54 + 24; })},
        {"rows-not-padded", 3, 4, with([](BmpOptions& o) { o.padRows = false; })},
        {"truncated-pixels", 4, 2, with([](BmpOptions& o) { o.truncateBy = 1; })},
        {"truncated-header", 4, 2, with([](BmpOptions& o) { o.truncateBy = 24 + 34; })},
        {"zero-width", 0, 3, {}},
        {"zero-height", 3, 0, {}},
        {"empty", 0, 0, with([](BmpOptions& o) { o.truncateBy = 54; })},
    };
    const std::string folder = argv[1];
    for (const Seed& seed : seeds) {
        const std::string path = folder + "/" + seed.name + ".bmp";
        if (!writeBmp(path, seed.width, seed.height, gradient(seed.width, seed.height), seed.options)) {
            fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
