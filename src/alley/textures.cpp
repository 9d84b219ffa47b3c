// textures.cpp: the alley's pictures, drawn in memory from fixed seeds at
// start-up: the approach's boards and dots with the carpet behind, the
// masking unit's panel and the pit cushion's folds. Each wraps across, one
// bay (or one fold) a picture.
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "alley/layout.h"
#include "alley/pieces.h"
#include "vector3d.h"

namespace alley {

namespace {

struct Colour {
    double r, g, b;
    Colour operator*(double k) const { return {r * k, g * k, b * k}; }
    Colour operator+(const Colour& o) const { return {r + o.r, g + o.g, b + o.b}; }
};

// A number from 0 to 1 that only its arguments decide.
double hashed(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x9e3779b9u ^ (uint32_t)x * 0x85ebca6bu ^ (uint32_t)y * 0xc2b2ae35u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return (h & 0xffffff) / double(0x1000000);
}

// Smooth noise from 0 to 1, repeating every period along x.
double noise(double x, double y, int period, uint32_t seed)
{
    const int x0 = (int)std::floor(x), y0 = (int)std::floor(y);
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    auto at = [&](int i, int j) { return hashed(((x0 + i) % period + period) % period, y0 + j, seed); };
    const double bottom = at(0, 0) + (at(1, 0) - at(0, 0)) * sx;
    const double top = at(0, 1) + (at(1, 1) - at(0, 1)) * sx;
    return bottom + (top - bottom) * sy;
}

// Sampled nearest and not mipmapped, as the lane is: the cheapest for the
// software renderer.
GLuint upload(int width, int height, const std::vector<unsigned char>& pixels)
{
    GLuint name;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return name;
}

// Each pixel the mean of four points in it; s and t from 0 to 1, t along
// the rows.
using Paint = std::function<Colour(double s, double t)>;
GLuint makeTexture(int width, int height, const Paint& paint)
{
    std::vector<unsigned char> pixels((size_t)width * height * 3);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            Colour sum = {0, 0, 0};
            for (double dy : {0.25, 0.75})
                for (double dx : {0.25, 0.75})
                    sum = sum + paint((x + dx) / width, (y + dy) / height);
            const double channels[3] = {sum.r / 4, sum.g / 4, sum.b / 4};
            unsigned char* pixel = &pixels[((size_t)y * width + x) * 3];
            for (int c = 0; c < 3; c++)
                pixel[c] = (unsigned char)std::lround(255 * std::clamp(channels[c], 0.0, 1.0));
        }
    return upload(width, height, pixels);
}

// The approach: maple boards as on the lane, dots where a bowler starts
// (12 and 15 feet behind the foul line), then the carpet of the settees.
const int boardsABay = 64;
const Colour maple = {0.89, 0.76, 0.56};
const Colour inlay = {0.2, 0.11, 0.06};
const Colour carpet = {0.32, 0.07, 0.1};
const double dotRowZ[] = {laneNearZ + 2.0, laneNearZ + 2.5};
const double dotBoardsFromEdge[] = {3, 5, 8, 11, 14, 20};
const double dotRadius = 0.006;
const double laneBoard = 2 * laneEdge / 39;

bool onDot(double x, double z)
{
    for (double rowZ : dotRowZ)
        for (double board : dotBoardsFromEdge)
            for (int side : {-1, 1}) {
                const double dotX = side * (laneEdge - (board - 0.5) * laneBoard);
                if ((x - dotX) * (x - dotX) + (z - rowZ) * (z - rowZ) < dotRadius * dotRadius)
                    return true;
            }
    return false;
}

Colour approach(double s, double t)
{
    const double x = (s - 0.5) * bayPitch;
    const double z = laneNearZ + t * (backWallZ - laneNearZ);
    if (z > approachEndZ) {
        const double fleck = noise(s * 160, t * 700, 160, 11);
        return carpet * (0.8 + 0.4 * fleck);
    }
    if (onDot(x, z))
        return inlay;
    const int board = (int)(s * boardsABay) % boardsABay;
    const double tone = 0.9 + 0.1 * hashed(board, 0, 5);
    const double grain = noise(s * boardsABay * 4, t * 40, boardsABay * 4, 7);
    const double across = s * boardsABay;
    const bool seam = std::fabs(across - std::round(across)) < 0.06;
    return maple * ((tone + 0.06 * grain) * (seam ? 0.85 : 1));
}

// The masking unit's panel: deep blue, brighter in the middle, an orange
// band along the foot and the head, and three pins in the middle.
bool inPin(double s, double t, double middle)
{
    const double v = (t - 0.25) / 0.55;  // up the pin, 0 at its foot
    if (v < 0 || v > 1)
        return false;
    const double belly = 0.055 * std::exp(-std::pow((v - 0.3) / 0.28, 2));
    const double head = 0.032 * std::exp(-std::pow((v - 0.84) / 0.1, 2));
    const double halfWidth = std::max({belly, head, 0.016}) * (v > 0.97 ? 0 : 1);
    return std::fabs(s - middle) < halfWidth;
}

Colour masking(double s, double t)
{
    const Colour orange = {0.95, 0.5, 0.1};
    if (std::fabs(t - 0.1) < 0.03 || std::fabs(t - 0.92) < 0.015)
        return orange;
    for (double middle : {0.38, 0.5, 0.62})
        if (inPin(s, t, middle)) {
            const double v = (t - 0.25) / 0.55;
            return std::fabs(v - 0.62) < 0.025 ? Colour{0.8, 0.1, 0.1} : Colour{0.95, 0.93, 0.88};
        }
    const double glow = 1 - std::pow(2 * s - 1, 2);
    return Colour{0.05, 0.08, 0.25} + Colour{0.08, 0.1, 0.2} * glow;
}

// The cushion: black fabric hanging in folds.
Colour cushion(double s, double t)
{
    const double fold = 0.5 + 0.5 * std::sin(2 * pi * s + 0.3 * noise(s * 4, t * 3, 4, 13));
    return Colour{0.03, 0.03, 0.035} + Colour{0.05, 0.05, 0.055} * fold;
}

}  // namespace

Textures makeTextures()
{
    return {makeTexture(256, 512, approach), makeTexture(512, 256, masking), makeTexture(64, 64, cushion)};
}

}  // namespace alley
