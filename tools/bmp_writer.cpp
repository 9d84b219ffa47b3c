// bmp_writer.cpp: a 14-byte file header, a 40-byte info header, then the rows
// in BGR order, little-endian throughout.
#include "bmp_writer.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

static const uint32_t headerSize = 54;
static const uint32_t infoHeaderSize = 40;
static const int32_t pixelsPerMetre = 2835;  // 72 dots per inch

static void put16(std::vector<unsigned char>& out, uint16_t value)
{
    out.push_back((unsigned char)(value & 0xff));
    out.push_back((unsigned char)(value >> 8));
}

static void put32(std::vector<unsigned char>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back((unsigned char)(value >> shift));
}

static std::vector<unsigned char> encodeBmp(int width, int height, const std::vector<unsigned char>& rgb,
                                            const BmpOptions& options)
{
    if (width < 0 || height < 0 || rgb.size() != (size_t)width * (size_t)height * 3)
        throw std::invalid_argument("encodeBmp: pixels do not match the size");

    const size_t rowBytes = (size_t)width * 3;
    const size_t storedRow = options.padRows ? (rowBytes + 3) / 4 * 4 : rowBytes;
    const size_t pixelBytes = storedRow * (size_t)height;
    const size_t pixelStart = std::max(options.dataOffset, headerSize);
    const size_t fileSize = pixelStart + pixelBytes;

    std::vector<unsigned char> out;
    out.reserve(fileSize + options.trailingBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, (uint32_t)fileSize);
    put32(out, 0);  // reserved
    put32(out, options.dataOffset);

    put32(out, infoHeaderSize);
    put32(out, (uint32_t)options.headerWidth.value_or(width));
    put32(out, (uint32_t)options.headerHeight.value_or(height));
    put16(out, options.planes);
    put16(out, options.bitsPerPixel);
    put32(out, options.compression);
    put32(out, (uint32_t)pixelBytes);
    put32(out, (uint32_t)pixelsPerMetre);
    put32(out, (uint32_t)pixelsPerMetre);
    put32(out, 0);  // colours used: none, there is no palette
    put32(out, 0);  // important colours: all

    out.resize(pixelStart, 0);
    for (size_t row = 0; row < (size_t)height; row++) {
        const unsigned char* source = rgb.data() + row * rowBytes;
        for (size_t i = 0; i < rowBytes; i += 3) {
            out.push_back(source[i + 2]);
            out.push_back(source[i + 1]);
            out.push_back(source[i]);
        }
        out.resize(out.size() + storedRow - rowBytes, 0);
    }

    out.resize(out.size() - std::min(options.truncateBy, out.size()));
    out.resize(out.size() + options.trailingBytes, 0);
    return out;
}

bool writeBmp(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb,
              const BmpOptions& options)
{
    const std::vector<unsigned char> bytes = encodeBmp(width, height, rgb, options);
    std::ofstream file(path, std::ios::binary);
    file.write((const char*)bytes.data(), (std::streamsize)bytes.size());
    return (bool)file;
}
