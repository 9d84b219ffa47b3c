#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "bmp_writer.h"

// Distinct bytes everywhere, so a shifted row or a swapped channel shows.
static std::vector<unsigned char> testPixels(int width, int height)
{
    std::vector<unsigned char> rgb(width * height * 3);
    for (size_t i = 0; i < rgb.size(); i++)
        rgb[i] = (unsigned char)(i * 7 + 1);
    return rgb;
}

struct LoadResult {
    int status;
    std::string output;
    Image image;
};

static LoadResult load(const std::string& path)
{
    LoadResult result{};
    testing::internal::CaptureStdout();
    result.status = ImageLoad(path.c_str(), &result.image);
    fflush(stdout);
    result.output = testing::internal::GetCapturedStdout();
    return result;
}

static std::string scratchFile(const char* name)
{
    return testing::TempDir() + name;
}

TEST(ImageLoad, ReadsGoodFilesPixelForPixel)
{
    struct Case { const char* name; int width, height; BmpOptions options; };
    BmpOptions trailing, offset, offsetZero;
    trailing.trailingBytes = 17;
    offset.dataOffset = 138;   // a 124-byte information header, as editors write
    offsetZero.dataOffset = 0; // a writer that left the field empty
    const Case cases[] = {
        {"4x2", 4, 2, {}},
        {"trailing bytes", 4, 2, trailing},
        {"pixels at 138", 8, 4, offset},
        {"offset field 0", 4, 2, offsetZero},
        {"padded width 3", 3, 2, {}},
        {"padded width 5", 5, 3, {}},
        {"padded width 1", 1, 1, {}},
    };
    for (const Case& c : cases) {
        const std::string path = scratchFile("good.bmp");
        const std::vector<unsigned char> rgb = testPixels(c.width, c.height);
        ASSERT_TRUE(writeBmp(path, c.width, c.height, rgb, c.options)) << c.name;
        LoadResult result = load(path);
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
    struct Case { const char* name; int width, height; BmpOptions options; const char* message; };
    const std::string path = scratchFile("bad.bmp");
    const char* file = path.c_str();
    BmpOptions eightBits, twoPlanes, short1, compressed, negative, topDownWide, huge, zero;
    eightBits.bitsPerPixel = 8;
    twoPlanes.planes = 2;
    short1.truncateBy = 1;
    compressed.compression = 1;
    negative.headerHeight = -2;
    topDownWide.headerWidth = -4;
    huge.headerWidth = 0x40000000;
    huge.headerHeight = 2;
    BmpOptions headerOnly;
    headerOnly.truncateBy = 24 + 34;  // ends inside the header, at byte 20
    const Case cases[] = {
        {"8 bits per pixel", 4, 2, eightBits, "Bpp from %s is not 24: 8\n"},
        {"2 planes", 4, 2, twoPlanes, "Planes from %s is not 1: 2\n"},
        {"one byte short", 4, 2, short1, "Error reading image data from %s.\n"},
        {"zero width", 0, 2, zero, "Error reading image data from %s.\n"},
        {"header cut short", 4, 2, headerOnly, "Planes from %s is not 1: 65279\n"},
        {"compressed", 4, 2, compressed, "Compressed image in %s is not supported: compression 1\n"},
        {"negative height", 4, 2, negative, "Negative size in %s: 4 x -2\n"},
        {"negative width", 4, 2, topDownWide, "Negative size in %s: -4 x 2\n"},
        {"size over 32 bits", 4, 2, huge, "Image in %s is too large: 1073741824 x 2\n"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(writeBmp(path, c.width, c.height, testPixels(c.width, c.height), c.options)) << c.name;
        LoadResult result = load(path);
        char expected[256];
        snprintf(expected, sizeof expected, c.message, file);
        EXPECT_EQ(result.status, 0) << c.name;
        EXPECT_EQ(result.output, expected) << c.name;
        EXPECT_EQ(result.image.data, nullptr) << c.name << ": no pixel block is handed out";
    }
}

TEST(ImageLoad, NamesAMissingFileAsGiven)
{
    LoadResult result = load("no/such/picture.bmp");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "File Not Found : no/such/picture.bmp\n");
}
