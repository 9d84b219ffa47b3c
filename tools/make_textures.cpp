// make_textures.cpp: draws the game's three textures into the folder named
// on the command line. Everything is computed from fixed seeds, so every
// build makes the same files.
#include <cstdio>
#include <string>

#include "bmp_writer.h"
#include "textures/pictures.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    struct Output {
        const char* name;
        Picture (*make)();
    };
    const Output outputs[] = {
        {"balltexture.bmp", makeBallTexture},
        {"floor.bmp", makeLaneTexture},
        {"pintexture.bmp", makePinTexture},
    };
    for (const Output& output : outputs) {
        const Picture picture = output.make();
        if (!writeBmp(folder + output.name, picture.width, picture.height, picture.pixels)) {
            fprintf(stderr, "make_textures: cannot write %s%s\n", folder.c_str(), output.name);
            return 1;
        }
    }
    return 0;
}
