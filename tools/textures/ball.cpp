// ball.cpp: a dark marbled ball with three finger holes. The marble is
// computed on the sphere itself, not on the flat picture, so it neither
// stretches towards the poles nor shows a seam where s wraps round.
#include "textures/noise.h"
#include "textures/pictures.h"

static const int textureWidth = 512;   // around the ball
static const int textureHeight = 256;  // pole to pole: square texels at the equator

static const uint32_t shadeSeed = 11;
static const uint32_t warpSeed = 23;

static const Colour deepNavy = {0.02, 0.02, 0.09};
static const Colour indigo = {0.20, 0.07, 0.38};
static const Colour royalBlue = {0.12, 0.22, 0.62};
static const Colour lilacGlow = {0.50, 0.48, 0.95};
static const Colour holeWall = {0.11, 0.10, 0.17};
static const Colour holeBottom = {0.0, 0.0, 0.0};
static const Colour bevel = {0.62, 0.62, 0.78};

struct Hole {
    double across;  // angle along the grip, radians
    double up;      // angle towards the fingers, radians
    double radius;  // angular radius, radians
};

// Two finger holes side by side and the thumb hole below them, measured from
// the grip's centre. A real ball's holes are about a tenth of its radius.
static const Hole holes[] = {
    {-0.17, 0.15, 0.115},
    {0.17, 0.15, 0.115},
    {0.0, -0.32, 0.135},
};
// A polished bevel rings each hole so that it shows on the dark shell.
static const double bevelWidth = 0.02;  // radians

// The grip faces the camera while the player aims: from the ball at the
// start line, the camera is about 60 degrees up and behind, towards +z.
static const Vec3 gripCentre = normalised({0, 0.87, 0.5});

static Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

static Colour mix(const Colour& a, const Colour& b, double k) { return a * (1 - k) + b * k; }

static Vec3 holeCentre(const Hole& hole)
{
    const Vec3 across = {1, 0, 0};
    const Vec3 up = cross(gripCentre, across);
    return normalised(gripCentre + across * std::tan(hole.across) + up * std::tan(hole.up));
}

// Swirls: cloudy noise looked up at a point that other noise has pushed
// about (domain warping), which drags the clouds into streaks and eddies.
static Colour marble(const Vec3& p)
{
    const Vec3 q = p * 0.8;
    const Vec3 warp = {fractalNoise(q, 3, warpSeed), fractalNoise(q, 3, warpSeed + 10),
                       fractalNoise(q, 3, warpSeed + 20)};
    const Vec3 swirled = q + warp * 1.8;
    const double cloud = 0.5 + 0.6 * fractalNoise(swirled * 1.5, 4, shadeSeed);
    const double band = 0.5 + 0.5 * std::sin(3.0 * (swirled.x + swirled.y + swirled.z));

    Colour colour = mix(deepNavy, indigo, smoothstep(0.3, 0.6, cloud));
    colour = mix(colour, royalBlue, smoothstep(0.55, 0.8, cloud) * band);
    return mix(colour, lilacGlow, smoothstep(0.78, 0.95, cloud) * band);
}

// The marbled shell and the finger holes at a point of the unit sphere.
static Colour ballSurfaceColour(const Vec3& direction)
{
    for (const Hole& hole : holes) {
        const double angle = std::acos(std::min(1.0, dot(direction, holeCentre(hole))));
        if (angle < hole.radius)
            return mix(holeWall, holeBottom, smoothstep(0.3, 0.9, 1 - angle / hole.radius));
        if (angle < hole.radius + bevelWidth)
            return mix(marble(direction), bevel, 0.35);
    }
    return marble(direction);
}

Picture makeBallTexture()
{
    return renderPicture(textureWidth, textureHeight,
                         [](double s, double t) { return ballSurfaceColour(gluSpherePoint(s, t)); });
}
