// bmp.cpp: a small reader for uncompressed 24-bit Windows bitmaps. Every size
// in a header is checked before it is trusted, and every failure prints one
// line and closes the file in the same place.
#include <climits>
#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "assets/assets.h"
#include "regular_file.h"

static const uint32_t classicHeaderSize = 54;  // file header plus a 40-byte info header

// Little-endian; a read past the end folds EOF into the number, which the
// planes or bits test then rejects.
static unsigned short getshort(FILE* file)
{
    const int low = getc(file);
    const int high = getc(file);
    return (unsigned short)(low + high * 256);
}

static unsigned int getint(FILE* file)
{
    const unsigned int b0 = getc(file);
    const unsigned int b1 = getc(file);
    const unsigned int b2 = getc(file);
    const unsigned int b3 = getc(file);
    return b0 + b1 * 256u + b2 * 65536u + b3 * 16777216u;
}

// What the last picture that could not be read says, as ImageLoad prints it.
static char trouble[PATH_MAX + 128];

__attribute__((format(printf, 3, 4)))
static int fail(FILE* file, Image* image, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(trouble, sizeof trouble, format, arguments);
    va_end(arguments);
    free(image->data);
    image->data = nullptr;
    fclose(file);
    return 0;
}

static long fileLength(FILE* file)
{
    fseek(file, 0, SEEK_END);
    return ftell(file);
}

// Rows of a width that is not a multiple of 4 are padded to whole 4-byte
// words in the file; they are read without the padding.
static bool readRows(FILE* file, Image* image, uint32_t rowBytes, uint32_t paddedRow)
{
    if (rowBytes == paddedRow)
        return fread(image->data, (size_t)rowBytes * image->height, 1, file) == 1;
    for (uint32_t row = 0; row < image->height; row++) {
        if (row > 0 && fseek(file, paddedRow - rowBytes, SEEK_CUR) != 0)
            return false;
        if (fread(image->data + (size_t)row * rowBytes, rowBytes, 1, file) != 1)
            return false;
    }
    return true;
}

// ImageLoad without a word: 0 with its message in trouble.
static int readImage(const char* filename, Image* image)
{
    image->data = nullptr;
    // Anything but a regular file counts as missing: a FIFO would hang the game.
    FILE* file = openRegularFile(filename);
    if (!file) {
        snprintf(trouble, sizeof trouble, "File Not Found : %s\n", filename);
        return 0;
    }

    fseek(file, 10, SEEK_CUR);
    const uint32_t dataOffset = getint(file);
    fseek(file, 4, SEEK_CUR);
    image->width = getint(file);
    image->height = getint(file);
    const unsigned short planes = getshort(file);
    if (planes != 1)
        return fail(file, image, "Planes from %s is not 1: %u\n", filename, planes);
    const unsigned short bits = getshort(file);
    if (bits != 24)
        return fail(file, image, "Bpp from %s is not 24: %u\n", filename, bits);
    const uint32_t compression = getint(file);
    if (compression != 0)
        return fail(file, image, "Compressed image in %s is not supported: compression %u\n",
                    filename, compression);

    // Negative sizes (a top-down bitmap) would read as huge unsigned numbers.
    if ((int32_t)image->width < 0 || (int32_t)image->height < 0)
        return fail(file, image, "Negative size in %s: %d x %d\n", filename,
                    (int32_t)image->width, (int32_t)image->height);
    const uint64_t rowBytes = (uint64_t)image->width * 3;
    const uint64_t size = rowBytes * image->height;
    if (size > UINT32_MAX)
        return fail(file, image, "Image in %s is too large: %u x %u\n", filename,
                    image->width, image->height);

    // Pixels start where the header says, but never inside the header
    // itself: writers that leave the offset at 0 still put them at 54.
    const uint64_t paddedRow = (rowBytes + 3) / 4 * 4;
    const uint64_t start = dataOffset < classicHeaderSize ? classicHeaderSize : dataOffset;
    const uint64_t end = size == 0 ? 0 : start + paddedRow * (image->height - 1) + rowBytes;
    if (size == 0 || (uint64_t)fileLength(file) < end)
        return fail(file, image, "Error reading image data from %s.\n", filename);

    image->data = (unsigned char*)malloc(size);
    if (!image->data)
        return fail(file, image, "Error allocating memory for color-corrected image data");
    fseek(file, (long)start, SEEK_SET);
    if (!readRows(file, image, (uint32_t)rowBytes, (uint32_t)paddedRow))
        return fail(file, image, "Error reading image data from %s.\n", filename);

    // BGR in the file, RGB for OpenGL.
    for (uint64_t i = 0; i < size; i += 3) {
        const unsigned char blue = image->data[i];
        image->data[i] = image->data[i + 2];
        image->data[i + 2] = blue;
    }
    fclose(file);
    return 1;
}

int ImageLoad(const char* filename, Image* image)
{
    if (readImage(filename, image))
        return 1;
    fputs(trouble, stdout);
    return 0;
}

const char* imageTrouble(const char* filename)
{
    errno = 0;
    FILE* file = openRegularFile(filename);
    if (!file)
        return errno ? strerror(errno) : "not a regular file";
    fclose(file);
    Image image;
    if (!readImage(filename, &image)) {
        trouble[strcspn(trouble, "\n")] = '\0';
        return trouble;
    }
    free(image.data);
    return nullptr;
}
