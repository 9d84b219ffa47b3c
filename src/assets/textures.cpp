// textures.cpp: the three pictures as OpenGL textures with fixed names.
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

#include "assets/assets.h"

Image* TextureImage = nullptr;

void init_tex()
{
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
}

void LoadTexture(const char* filename, int name)
{
    TextureImage = (Image*)malloc(sizeof(Image));
    if (!TextureImage) {
        printf("Error allocating space for image");
        exit(1);
    }
    // Flushed line by line: a line the output could not take is lost
    // alone, where std::cout would refuse every line after it.
    printf("trying to load %s\n", filename);
    fflush(stdout);
    if (!ImageLoad(filename, TextureImage))
        exit(1);
    // OpenGL would take a larger picture without a word and draw nothing.
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (TextureImage->width > (unsigned)largest || TextureImage->height > (unsigned)largest) {
        printf("Image in %s is too large for the renderer: %u x %u, at most %d a side\n",
               filename, TextureImage->width, TextureImage->height, largest);
        exit(1);
    }

    // Rows of width * 3 bytes meet OpenGL's default 4-byte row alignment
    // only for widths that are a multiple of 4; others are tightly packed.
    const bool alignedRows = TextureImage->width * 3 % 4 == 0;
    glBindTexture(GL_TEXTURE_2D, name);
    if (!alignedRows)
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, TextureImage->width, TextureImage->height, 0,
                 GL_RGB, GL_UNSIGNED_BYTE, TextureImage->data);
    if (!alignedRows)
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);

    // OpenGL keeps its own copy of the pixels.
    free(TextureImage->data);
    free(TextureImage);
    TextureImage = nullptr;
}
