// bmp_writer_test.cpp: the image writers that make the game's textures and
// the loader tests' broken files. The bytes are read back by hand, so a
// writer fault cannot hide behind a reader with the same fault.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "png_writer.h"

using Bytes = std::vector<unsigned char>;

static uint32_t little32(const Bytes& b, size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | (uint32_t)b[at + 3] << 24;
}
static uint16_t little16(const Bytes& b, size_t at) { return (uint16_t)(b[at] | b[at + 1] << 8); }
static uint32_t big32(const Bytes& b, size_t at)
{
    return (uint32_t)b[at] << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

// Every pixel distinct, so a swapped channel or a shifted row shows.
static Bytes testPixels(int width, int height, int channels = 3)
{
    Bytes pixels((size_t)width * height * channels);
    for (size_t i = 0; i < pixels.size(); i++)
        pixels[i] = (unsigned char)(i * 7 + 1);
    return pixels;
}

TEST(BmpWriter, WritesHeaderAndPaddedBgrRows)
{
    struct Case { const char* name; int width, height; BmpOptions options; uint32_t pixelsAt, storedRow; };
    BmpOptions offset138, offsetZero, unpadded;
    offset138.dataOffset = 138;
    offsetZero.dataOffset = 0;
    unpadded.padRows = false;
    const Case cases[] = {
        {"4x2, rows already whole words", 4, 2, {}, 54, 12},
        {"width 1 pads to 4", 1, 3, {}, 54, 4},
        {"width 3 pads to 12", 3, 2, {}, 54, 12},
        {"width 5 pads to 16", 5, 2, {}, 54, 16},
        {"pixels at 138", 4, 2, offset138, 138, 12},
        {"offset field 0, pixels after the header", 2, 2, offsetZero, 54, 8},
        {"unpadded rows", 3, 2, unpadded, 54, 9},
    };
    for (const Case& c : cases) {
        const Bytes rgb = testPixels(c.width, c.height);
        const Bytes file = encodeBmp(c.width, c.height, rgb, c.options);
        const uint32_t pixelBytes = c.storedRow * c.height;
        ASSERT_EQ(file.size(), c.pixelsAt + pixelBytes) << c.name;
        EXPECT_EQ(file[0], 'B') << c.name;
        EXPECT_EQ(file[1], 'M') << c.name;
        EXPECT_EQ(little32(file, 2), file.size()) << c.name;
        EXPECT_EQ(little32(file, 10), c.options.dataOffset) << c.name;
        EXPECT_EQ(little32(file, 14), 40u) << c.name;
        EXPECT_EQ(little32(file, 18), (uint32_t)c.width) << c.name;
        EXPECT_EQ(little32(file, 22), (uint32_t)c.height) << c.name;
        EXPECT_EQ(little16(file, 26), 1) << c.name;
        EXPECT_EQ(little16(file, 28), 24) << c.name;
        EXPECT_EQ(little32(file, 30), 0u) << c.name;
        EXPECT_EQ(little32(file, 34), pixelBytes) << c.name;
        for (size_t i = 54; i < c.pixelsAt; i++)
            ASSERT_EQ(file[i], 0) << c.name << ": gap byte " << i;
        for (int row = 0; row < c.height; row++) {
            const size_t start = c.pixelsAt + (size_t)row * c.storedRow;
            for (int x = 0; x < c.width; x++) {
                const size_t in = ((size_t)row * c.width + x) * 3;
                EXPECT_EQ(file[start + x * 3], rgb[in + 2]) << c.name << ": blue of " << x << "," << row;
                EXPECT_EQ(file[start + x * 3 + 1], rgb[in + 1]) << c.name << ": green";
                EXPECT_EQ(file[start + x * 3 + 2], rgb[in]) << c.name << ": red";
            }
            for (size_t pad = start + c.width * 3; pad < start + c.storedRow; pad++)
                EXPECT_EQ(file[pad], 0) << c.name << ": padding of row " << row;
        }
    }
}

TEST(BmpWriter, BreaksFilesExactlyAsAsked)
{
    struct Case { const char* name; BmpOptions options; size_t at, fieldBytes; uint32_t expected; size_t size; };
    BmpOptions planes, bits, compression, negative, huge, truncated, trailing;
    planes.planes = 2;
    bits.bitsPerPixel = 8;
    compression.compression = 1;
    negative.headerHeight = -2;
    huge.headerWidth = 0x40000000;
    truncated.truncateBy = 5;
    trailing.trailingBytes = 17;
    const size_t whole = 54 + 24;  // 4 x 2 pixels
    const Case cases[] = {
        {"planes", planes, 26, 2, 2, whole},
        {"bits per pixel", bits, 28, 2, 8, whole},
        {"compression", compression, 30, 4, 1, whole},
        {"negative height", negative, 22, 4, 0xfffffffeu, whole},
        {"huge width, real pixels", huge, 18, 4, 0x40000000, whole},
        {"truncated keeps the full size field", truncated, 2, 4, whole, whole - 5},
        {"trailing bytes keep the size field", trailing, 2, 4, whole, whole + 17},
    };
    for (const Case& c : cases) {
        const Bytes file = encodeBmp(4, 2, testPixels(4, 2), c.options);
        ASSERT_EQ(file.size(), c.size) << c.name;
        EXPECT_EQ(c.fieldBytes == 2 ? little16(file, c.at) : little32(file, c.at), c.expected) << c.name;
    }
    BmpOptions allGone;
    allGone.truncateBy = 1000;
    EXPECT_TRUE(encodeBmp(4, 2, testPixels(4, 2), allGone).empty());
    EXPECT_THROW(encodeBmp(4, 2, testPixels(4, 1)), std::invalid_argument);
}

TEST(PngWriter, ChecksumsMatchPublishedValues)
{
    struct Case { const char* name; std::string text; uint32_t crc, adler; };
    const Case cases[] = {
        {"empty", "", 0, 1},
        {"check string", "123456789", 0xcbf43926u, 0x091e01deu},
        {"Wikipedia", "Wikipedia", 0xadaac02eu, 0x11e60398u},
    };
    for (const Case& c : cases) {
        const auto* data = (const unsigned char*)c.text.data();
        EXPECT_EQ(crc32(data, c.text.size()), c.crc) << c.name;
        EXPECT_EQ(adler32(data, c.text.size()), c.adler) << c.name;
    }
}

// Walks the chunks, checking each CRC, and unpacks the stored deflate blocks
// of the IDAT back into filter bytes and pixels.
TEST(PngWriter, WritesValidChunksAroundStoredBlocks)
{
    struct Case { const char* name; int width, height, channels; int colourType; size_t blocks; };
    const Case cases[] = {
        {"1x1 RGB", 1, 1, 3, 2, 1},
        {"3x2 RGBA", 3, 2, 4, 6, 1},
        {"icon-sized RGBA spans several blocks", 256, 256, 4, 6, 5},
    };
    for (const Case& c : cases) {
        const Bytes pixels = testPixels(c.width, c.height, c.channels);
        const Bytes file = encodePng(c.width, c.height, c.channels, pixels);
        const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
        ASSERT_TRUE(std::equal(signature.begin(), signature.end(), file.begin())) << c.name;

        std::vector<std::string> types;
        Bytes header, zlib;
        for (size_t at = 8; at < file.size();) {
            const uint32_t length = big32(file, at);
            ASSERT_LE(at + 12 + length, file.size()) << c.name;
            const std::string type(file.begin() + at + 4, file.begin() + at + 8);
            EXPECT_EQ(big32(file, at + 8 + length), crc32(file.data() + at + 4, length + 4)) << c.name << " " << type;
            const Bytes data(file.begin() + at + 8, file.begin() + at + 8 + length);
            Bytes& into = type == "IHDR" ? header : zlib;  // IEND adds nothing
            into.insert(into.end(), data.begin(), data.end());
            types.push_back(type);
            at += 12 + length;
        }
        EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"})) << c.name;
        ASSERT_EQ(header.size(), 13u) << c.name;
        EXPECT_EQ(big32(header, 0), (uint32_t)c.width) << c.name;
        EXPECT_EQ(big32(header, 4), (uint32_t)c.height) << c.name;
        EXPECT_EQ(header[8], 8) << c.name;
        EXPECT_EQ(header[9], c.colourType) << c.name;

        ASSERT_GE(zlib.size(), 6u) << c.name;
        EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0) << c.name << ": zlib header check";
        Bytes raw;
        size_t at = 2, blocks = 0;
        bool last = false;
        while (!last) {
            ASSERT_LE(at + 5, zlib.size()) << c.name;
            last = zlib[at] == 1;
            EXPECT_TRUE(zlib[at] <= 1) << c.name << ": a stored block";
            const uint16_t length = little16(zlib, at + 1);
            EXPECT_EQ(little16(zlib, at + 3), (uint16_t)~length) << c.name << ": NLEN";
            ASSERT_LE(at + 5 + length, zlib.size()) << c.name;
            raw.insert(raw.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + length);
            at += 5 + length;
            blocks++;
        }
        EXPECT_EQ(blocks, c.blocks) << c.name;
        ASSERT_EQ(at + 4, zlib.size()) << c.name;
        EXPECT_EQ(big32(zlib, at), adler32(raw.data(), raw.size())) << c.name;

        const size_t rowBytes = (size_t)c.width * c.channels;
        Bytes expected;
        for (int row = 0; row < c.height; row++) {
            expected.push_back(0);
            expected.insert(expected.end(), pixels.begin() + row * rowBytes, pixels.begin() + (row + 1) * rowBytes);
        }
        EXPECT_EQ(raw, expected) << c.name << ": rows top first, each after a filter byte of 0";
    }
}
