// pictures.h: the game's textures and icon, each drawn by its own file, and
// the sampling they share.
#pragma once

#include <functional>
#include <vector>

#include "textures/maths.h"

struct Picture {
    int width;
    int height;
    int channels;                       // 3: RGB, 4: RGBA
    std::vector<unsigned char> pixels;  // row 0 first, in the order the file stores rows
};

// A stretch of a picture between two heights, e.g. a stripe.
struct Band {
    double from, to;
};

// The pin's colours, the same on the pin texture and on the icon.
const Colour pinWhite = {0.97, 0.95, 0.91};
const Colour pinRed = {0.80, 0.07, 0.09};

// A colour with its coverage, 0 (nothing) to 1 (opaque).
struct Paint {
    Colour colour;
    double alpha;
};

// Fills a picture by averaging paint over a grid of points inside each
// pixel. paint gets (u, v) from 0 to 1 across the picture, v growing with the
// row number. The averaging softens edges, so shapes stay clean when the game
// magnifies the texture with nearest-neighbour filtering.
Picture renderPicture(int width, int height, int channels,
                      const std::function<Paint(double u, double v)>& paint);

// Rows: t = 0 first, as the game's BMP reader hands them to OpenGL.
Picture makeBallTexture();
Picture makeLaneTexture();
Picture makePinTexture();
// Top row first, as PNG stores it.
Picture makeIcon();

// The ball's marbled shell and finger holes at a point of the unit sphere,
// in the ball's own frame; shared by the ball texture and the icon.
Colour ballSurfaceColour(const Vec3& direction);
