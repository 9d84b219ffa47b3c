#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "bmp_writer.h"
#include "scratch_folder.h"

struct LoadResult {
    int status;
    std::string output;
    Image image;
};

// Writes the picture with distinct bytes everywhere, so a shifted row or a
// swapped channel shows, and loads it back.
using Adjust = void (*)(BmpOptions&);

static LoadResult writeAndLoad(const std::string& path, int width, int height, Adjust adjust,
                               std::vector<unsigned char>& rgb)
{
    BmpOptions options;
    if (adjust)
        adjust(options);
    rgb.resize(width * height * 3);
    for (size_t i = 0; i < rgb.size(); i++)
        rgb[i] = (unsigned char)(i * 7 + 1);
    EXPECT_TRUE(writeBmp(path, width, height, rgb, options));
    LoadResult result{};
    testing::internal::CaptureStdout();
    result.status = ImageLoad(path.c_str(), &result.image);
    fflush(stdout);
    result.output = testing::internal::GetCapturedStdout();
    return result;
}

TEST(ImageLoad, ReadsGoodFilesPixelForPixel)
{
    struct Case { const char* name; int width, height; Adjust adjust; };
    const Case cases[] = {
        {"4x2", 4, 2, nullptr},
        {"trailing bytes", 4, 2, [](BmpOptions& o) { o.trailingBytes = 17; }},
        {"pixels at 138, after a 124-byte info header", 8, 4, [](BmpOptions& o) { o.dataOffset = 138; }},
        {"offset field left at 0", 4, 2, [](BmpOptions& o) { o.dataOffset = 0; }},
        {"padded width 3", 3, 2, nullptr},
        {"padded width 5", 5, 3, nullptr},
    };
    ScratchFolder scratch;
    for (const Case& c : cases) {
        std::vector<unsigned char> rgb;
        LoadResult result = writeAndLoad(scratch / "good.bmp", c.width, c.height, c.adjust, rgb);
        ASSERT_EQ(result.status, 1) << c.name << ": " << result.output;
        EXPECT_EQ(result.output, "") << c.name;
        EXPECT_EQ(result.image.width, (unsigned)c.width) << c.name;
        EXPECT_EQ(result.image.height, (unsigned)c.height) << c.name;
        EXPECT_EQ(std::vector<unsigned char>(result.image.data, result.image.data + rgb.size()), rgb) << c.name;
        free(result.image.data);
    }
}

TEST(ImageLoad, RejectsBadFilesWithOneLine)
{
    struct Case { const char* name; int width; Adjust adjust; const char* message; };
    const Case cases[] = {
        {"8 bits per pixel", 4, [](BmpOptions& o) { o.bitsPerPixel = 8; }, "Bpp from %s is not 24: 8\n"},
        {"32 bits per pixel", 4, [](BmpOptions& o) { o.bitsPerPixel = 32; }, "Bpp from %s is not 24: 32\n"},
        {"2 planes", 4, [](BmpOptions& o) { o.planes = 2; }, "Planes from %s is not 1: 2\n"},
        {"one byte short", 4, [](BmpOptions& o) { o.truncateBy = 1; }, "Error reading image data from %s.\n"},
        {"zero width", 0, nullptr, "Error reading image data from %s.\n"},
        {"ends at byte 20, in the header", 4, [](BmpOptions& o) { o.truncateBy = 58; }, "Planes from %s is not 1: 65279\n"},
        {"compressed", 4, [](BmpOptions& o) { o.compression = 1; }, "Compressed image in %s is not supported: compression 1\n"},
        {"negative height", 4, [](BmpOptions& o) { o.headerHeight = -2; }, "Negative size in %s: 4 x -2\n"},
        {"negative width", 4, [](BmpOptions& o) { o.headerWidth = -4; }, "Negative size in %s: -4 x 2\n"},
        {"size over 32 bits", 4, [](BmpOptions& o) { o.headerWidth = 0x40000000; }, "Image in %s is too large: 1073741824 x 2\n"},
    };
    ScratchFolder scratch;
    const std::string path = scratch / "bad.bmp";
    for (const Case& c : cases) {
        std::vector<unsigned char> rgb;
        LoadResult result = writeAndLoad(path, c.width, 2, c.adjust, rgb);
        char expected[256];
        snprintf(expected, sizeof expected, c.message, path.c_str());
        EXPECT_EQ(result.status, 0) << c.name;
        EXPECT_EQ(result.output, expected) << c.name;
        EXPECT_EQ(result.image.data, nullptr) << c.name << ": no pixel block is handed out";
    }

    // A FIFO would hang the game, a folder is no picture: both are not found.
    const std::string fifo = scratch / "fifo.bmp";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& missing : {std::string("no/such/picture.bmp"), fifo, scratch.path}) {
        Image image;
        testing::internal::CaptureStdout();
        EXPECT_EQ(ImageLoad(missing.c_str(), &image), 0);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "File Not Found : " + missing + "\n");
    }
}
