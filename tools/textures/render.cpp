// render.cpp: supersampling of a paint function into a picture's bytes.
#include "textures/pictures.h"

static const int samplesPerSide = 4;

static unsigned char toByte(double value)
{
    return (unsigned char)std::lround(clamp01(value) * 255);
}

Picture renderPicture(int width, int height, const std::function<Colour(double u, double v)>& paint)
{
    Picture picture = {width, height, {}};
    picture.pixels.reserve((size_t)width * height * 3);
    const int samples = samplesPerSide * samplesPerSide;
    for (int row = 0; row < height; row++) {
        for (int column = 0; column < width; column++) {
            Colour sum = {0, 0, 0};
            for (int i = 0; i < samples; i++) {
                const double u = (column + (i % samplesPerSide + 0.5) / samplesPerSide) / width;
                const double v = (row + (i / samplesPerSide + 0.5) / samplesPerSide) / height;
                sum = sum + paint(u, v);
            }
            const Colour colour = sum * (1.0 / samples);
            picture.pixels.push_back(toByte(colour.r));
            picture.pixels.push_back(toByte(colour.g));
            picture.pixels.push_back(toByte(colour.b));
        }
    }
    return picture;
}
