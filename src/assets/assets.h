// assets.h: reading 24-bit BMP pictures and turning them into the game's
// three textures.
#pragma once

struct Image {
    unsigned int width;
    unsigned int height;
    unsigned char* data;  // width * height RGB triples, bottom row first, no padding
};

// The record of the texture being loaded; released once OpenGL has its copy.
extern Image* TextureImage;

// Reads an uncompressed 24-bit BMP into image and returns 1, or prints one
// line saying why not and returns 0. On 0 the record holds no pixel block.
// A name that is not a regular file is not found.
int ImageLoad(const char* filename, Image* image);

// The three textures' names.
enum TextureName { ballTexture = 1, floorTexture = 2, pinTexture = 3 };

// Textured surfaces show their pictures unshaded.
void init_tex();
// Loads the file into the texture of this name, or ends the program with
// one line saying why: a bad picture, or one larger than the renderer takes.
void LoadTexture(const char* filename, int name);

// Why the picture cannot be read, in one line, or nullptr where it can:
// what opening the name says, else what ImageLoad would. Prints nothing.
// Valid until the next call.
const char* imageTrouble(const char* filename);

// The name itself where it exists in the current folder, else the picture
// of that name in the game's data folder where that exists, else the name.
// A picture in the current folder that cannot be read gives way to a good
// one in the data folder, and standard error says why. The path stays
// valid until the next call.
const char* picturePath(const char* filename);
