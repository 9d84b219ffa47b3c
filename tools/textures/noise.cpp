// noise.cpp: Perlin-style gradient noise over an integer lattice whose
// gradients come from hashing the lattice point.
#include "textures/noise.h"

// Mixes all bits of x into each other (a well-known 32-bit integer hash).
static uint32_t mixBits(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

static uint32_t hashOf(uint32_t seed, int a, int b, int c)
{
    uint32_t h = mixBits(seed + 0x9e3779b9u);
    h = mixBits(h ^ (uint32_t)a);
    h = mixBits(h ^ (uint32_t)b);
    return mixBits(h ^ (uint32_t)c);
}

double randomUnit(uint32_t seed, int a, int b, int c)
{
    return hashOf(seed, a, b, c) / 4294967296.0;
}

// One of the twelve cube-edge directions, dotted with the offset.
static double cornerGradient(uint32_t seed, int x, int y, int z, const Vec3& offset)
{
    static const Vec3 gradients[12] = {{1, 1, 0},  {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0},
                                       {1, 0, 1},  {-1, 0, 1}, {1, 0, -1}, {-1, 0, -1},
                                       {0, 1, 1},  {0, -1, 1}, {0, 1, -1}, {0, -1, -1}};
    return dot(gradients[hashOf(seed, x, y, z) % 12], offset);
}

// Zero slope and curvature at both ends, so cells join without creases.
static double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

static double lerp(double a, double b, double k) { return a + (b - a) * k; }

// Smooth noise of about -1 to 1 with features one unit apart.
static double gradientNoise(const Vec3& p, uint32_t seed)
{
    const double fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    const int x = (int)fx, y = (int)fy, z = (int)fz;
    const Vec3 d = {p.x - fx, p.y - fy, p.z - fz};
    double corner[2][2][2];
    for (int i = 0; i < 2; i++)
        for (int j = 0; j < 2; j++)
            for (int k = 0; k < 2; k++)
                corner[i][j][k] = cornerGradient(seed, x + i, y + j, z + k,
                                                 {d.x - i, d.y - j, d.z - k});
    const double u = fade(d.x), v = fade(d.y), w = fade(d.z);
    const double near = lerp(lerp(corner[0][0][0], corner[1][0][0], u),
                             lerp(corner[0][1][0], corner[1][1][0], u), v);
    const double far = lerp(lerp(corner[0][0][1], corner[1][0][1], u),
                            lerp(corner[0][1][1], corner[1][1][1], u), v);
    return lerp(near, far, w);
}

// Octaves get their own seeds so that they do not line up at the origin.
double fractalNoise(const Vec3& p, int octaves, uint32_t seed)
{
    double sum = 0;
    double weight = 1;
    double scale = 1;
    for (int octave = 0; octave < octaves; octave++) {
        sum += weight * gradientNoise(p * scale, seed + (uint32_t)octave);
        weight *= 0.5;
        scale *= 2;
    }
    return sum;
}
