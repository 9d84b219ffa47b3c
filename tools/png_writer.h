// png_writer.h: writes 8-bit RGB or RGBA PNG files without a compression
// library. The image data goes into "stored" (uncompressed) deflate blocks,
// so files are large but simple, and every checksum is computed here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The checksums PNG needs: CRC-32 over each chunk, Adler-32 over the zlib data.
uint32_t crc32(const unsigned char* data, size_t size);
uint32_t adler32(const unsigned char* data, size_t size);

// The file's bytes for width x height pixels of 3 (RGB) or 4 (RGBA) bytes,
// top row first, as PNG stores them. Throws std::invalid_argument when the
// channel count or the pixel count is wrong.
std::vector<unsigned char> encodePng(int width, int height, int channels,
                                     const std::vector<unsigned char>& pixels);

// encodePng into a file; false if the file cannot be written.
bool writePng(const std::string& path, int width, int height, int channels,
              const std::vector<unsigned char>& pixels);
