// make_textures.cpp: draws the game's three textures and its icon into the
// folder named on the command line. Everything is computed from fixed seeds,
// so every build makes the same files.
#include <cstdio>
#include <string>

#include "bmp_writer.h"
#include "png_writer.h"
#include "textures/pictures.h"

static bool saveBmp(const std::string& path, const Picture& picture)
{
    return writeBmp(path, picture.width, picture.height, picture.pixels);
}

static bool savePng(const std::string& path, const Picture& picture)
{
    return writePng(path, picture.width, picture.height, picture.channels, picture.pixels);
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    struct Output {
        const char* name;
        bool (*save)(const std::string&, const Picture&);
        Picture (*make)();
    };
    const Output outputs[] = {
        {"balltexture.bmp", saveBmp, makeBallTexture},
        {"floor.bmp", saveBmp, makeLaneTexture},
        {"pintexture.bmp", saveBmp, makePinTexture},
        {"bowling.png", savePng, makeIcon},
    };
    for (const Output& output : outputs) {
        if (!output.save(folder + output.name, output.make())) {
            fprintf(stderr, "make_textures: cannot write %s%s\n", folder.c_str(), output.name);
            return 1;
        }
    }
    return 0;
}
