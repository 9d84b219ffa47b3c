// png_writer.cpp: signature, IHDR, one IDAT holding a zlib stream of stored
// deflate blocks, IEND. Multi-byte numbers are big-endian, as PNG wants.
#include "png_writer.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

static const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
static const size_t maxStoredBlock = 65535;  // a stored block's length is 16 bits

uint32_t crc32(const unsigned char* data, size_t size)
{
    uint32_t crc = 0xffffffffu;
    for (size_t i = 0; i < size; i++) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; bit++)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xffffffffu;
}

uint32_t adler32(const unsigned char* data, size_t size)
{
    const uint32_t modulus = 65521;
    uint32_t a = 1;
    uint32_t b = 0;
    for (size_t i = 0; i < size; i++) {
        a = (a + data[i]) % modulus;
        b = (b + a) % modulus;
    }
    return (b << 16) | a;
}

static void putBig32(std::vector<unsigned char>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((unsigned char)(value >> shift));
}

// Length, type, data, then the CRC of type and data.
static void putChunk(std::vector<unsigned char>& out, const char* type,
                     const std::vector<unsigned char>& data)
{
    putBig32(out, (uint32_t)data.size());
    const size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBig32(out, crc32(out.data() + typeStart, out.size() - typeStart));
}

// A zlib stream (no preset dictionary) whose deflate data is stored blocks.
static std::vector<unsigned char> zlibStored(const std::vector<unsigned char>& raw)
{
    std::vector<unsigned char> out = {0x78, 0x01};  // 32K window; the check bits make 0x7801 % 31 == 0
    size_t done = 0;
    do {
        const size_t length = std::min(maxStoredBlock, raw.size() - done);
        const bool last = done + length == raw.size();
        out.push_back(last ? 1 : 0);  // BFINAL, then BTYPE 00: stored
        out.push_back((unsigned char)(length & 0xff));
        out.push_back((unsigned char)(length >> 8));
        out.push_back((unsigned char)(~length & 0xff));
        out.push_back((unsigned char)((~length >> 8) & 0xff));
        out.insert(out.end(), raw.begin() + (long)done, raw.begin() + (long)(done + length));
        done += length;
    } while (done < raw.size());
    putBig32(out, adler32(raw.data(), raw.size()));
    return out;
}

std::vector<unsigned char> encodePng(int width, int height, int channels,
                                     const std::vector<unsigned char>& pixels)
{
    if (channels != 3 && channels != 4)
        throw std::invalid_argument("encodePng: channels must be 3 or 4");
    if (width <= 0 || height <= 0 ||
        pixels.size() != (size_t)width * (size_t)height * (size_t)channels)
        throw std::invalid_argument("encodePng: pixels do not match the size");

    std::vector<unsigned char> header;
    putBig32(header, (uint32_t)width);
    putBig32(header, (uint32_t)height);
    header.push_back(8);                       // bits per channel
    header.push_back(channels == 4 ? 6 : 2);   // colour type: RGBA or RGB
    header.push_back(0);                       // compression: deflate
    header.push_back(0);                       // filtering: adaptive
    header.push_back(0);                       // no interlace

    // Every row starts with its filter type; 0 leaves the bytes as they are.
    const size_t rowBytes = (size_t)width * (size_t)channels;
    std::vector<unsigned char> raw;
    raw.reserve((rowBytes + 1) * (size_t)height);
    for (size_t row = 0; row < (size_t)height; row++) {
        raw.push_back(0);
        const auto start = pixels.begin() + (long)(row * rowBytes);
        raw.insert(raw.end(), start, start + (long)rowBytes);
    }

    std::vector<unsigned char> out(signature, signature + sizeof signature);
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", zlibStored(raw));
    putChunk(out, "IEND", {});
    return out;
}

bool writePng(const std::string& path, int width, int height, int channels,
              const std::vector<unsigned char>& pixels)
{
    const std::vector<unsigned char> bytes = encodePng(width, height, channels, pixels);
    std::ofstream file(path, std::ios::binary);
    file.write((const char*)bytes.data(), (std::streamsize)bytes.size());
    return (bool)file;
}
