// bmp_writer.h: writes 24-bit uncompressed Windows bitmaps, well-formed by
// default. The options exist so that tests and the fuzz corpus can write the
// broken files a loader must survive, with the same code as the good ones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct BmpOptions {
    // Header fields, written as given even where they lie about the pixels.
    uint16_t planes = 1;
    uint16_t bitsPerPixel = 24;
    uint32_t compression = 0;
    // Where the header says the pixels start. The pixel block goes there,
    // after a gap of zeros; an offset inside the 54-byte header is written as
    // given but the pixels still follow the header.
    uint32_t dataOffset = 54;
    // Sizes written instead of the real ones, e.g. a negative height or a
    // huge width with no pixels behind it.
    std::optional<int32_t> headerWidth;
    std::optional<int32_t> headerHeight;
    // Pad each row to whole 4-byte words, as every real writer does.
    bool padRows = true;
    // Cut this many bytes off the end, or add this many zeros after it.
    size_t truncateBy = 0;
    size_t trailingBytes = 0;
};

// Writes width x height RGB triples, first stored row first (the bottom row
// of an ordinary bitmap, texture row t = 0); false if the file cannot be
// written. Throws std::invalid_argument when rgb does not hold width * height
// triples.
bool writeBmp(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb,
              const BmpOptions& options = {});
