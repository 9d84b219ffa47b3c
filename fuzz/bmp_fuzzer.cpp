// bmp_fuzzer.cpp: libFuzzer target for the BMP loader. The loader reads a
// named file, so each input is written to one scratch file first; its
// messages go to /dev/null, the fuzzer's own output is on stderr.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "assets/assets.h"

static std::string scratchPath;

static void removeScratchFile()
{
    unlink(scratchPath.c_str());
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!freopen("/dev/null", "w", stdout))
        return 1;
    const char* folder = getenv("TMPDIR");
    std::string pattern = std::string(folder ? folder : "/tmp") + "/bmp_fuzzer.XXXXXX";
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        perror("bmp_fuzzer: scratch file");
        exit(1);
    }
    close(descriptor);
    scratchPath = pattern;
    atexit(removeScratchFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* file = fopen(scratchPath.c_str(), "wb");
    if (!file || fwrite(data, 1, size, file) != size || fclose(file) != 0) {
        perror("bmp_fuzzer: writing the scratch file");
        abort();
    }
    Image image;
    if (!ImageLoad(scratchPath.c_str(), &image))
        return 0;
    // Read every byte OpenGL will read, so a block shorter than the header's
    // size shows up as an overflow here.
    const size_t bytes = (size_t)image.width * image.height * 3;
    volatile unsigned char sum = 0;
    for (size_t i = 0; i < bytes; i++)
        sum = sum + image.data[i];
    free(image.data);
    return 0;
}
