// render.cpp: supersampling of a paint function into a picture's bytes.
#include "textures/pictures.h"

static const int samplesPerSide = 4;

static unsigned char toByte(double value)
{
    return (unsigned char)std::lround(clamp01(value) * 255);
}

Picture renderPicture(int width, int height, int channels,
                      const std::function<Paint(double u, double v)>& paint)
{
    Picture picture = {width, height, channels, {}};
    picture.pixels.reserve((size_t)width * height * channels);
    const int samples = samplesPerSide * samplesPerSide;
    for (int row = 0; row < height; row++) {
        for (int column = 0; column < width; column++) {
            // Colours are summed weighted by coverage, so a half-covered
            // pixel keeps the shape's colour instead of darkening it.
            Colour sum = {0, 0, 0};
            double coverage = 0;
            for (int i = 0; i < samples; i++) {
                const double u = (column + (i % samplesPerSide + 0.5) / samplesPerSide) / width;
                const double v = (row + (i / samplesPerSide + 0.5) / samplesPerSide) / height;
                const Paint sample = paint(u, v);
                sum = sum + sample.colour * sample.alpha;
                coverage += sample.alpha;
            }
            const Colour colour = coverage > 0 ? sum * (1 / coverage) : Colour{0, 0, 0};
            picture.pixels.push_back(toByte(colour.r));
            picture.pixels.push_back(toByte(colour.g));
            picture.pixels.push_back(toByte(colour.b));
            if (channels == 4)
                picture.pixels.push_back(toByte(coverage / samples));
        }
    }
    return picture;
}
