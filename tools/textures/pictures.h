// pictures.h: the game's textures, each drawn by its own file, and the
// sampling they share.
#pragma once

#include <functional>
#include <vector>

#include "textures/maths.h"

struct Picture {
    int width;
    int height;
    std::vector<unsigned char> pixels;  // RGB, row 0 first, in the order the file stores rows
};

// Fills a picture by averaging paint over a grid of points inside each
// pixel. paint gets (u, v) from 0 to 1 across the picture, v growing with the
// row number. The averaging softens edges, so shapes stay clean when the game
// magnifies the texture with nearest-neighbour filtering.
Picture renderPicture(int width, int height, const std::function<Colour(double u, double v)>& paint);

// Rows: t = 0 first, as the game's BMP reader hands them to OpenGL.
Picture makeBallTexture();
Picture makeLaneTexture();
Picture makePinTexture();
