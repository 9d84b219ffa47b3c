// pin.cpp: the pin body's picture, white with two red neck stripes. The game
// shows it unlit, so a soft light from above and in front is painted in to
// make the body read as round. s = 0.5 faces the player, t runs foot to top.
#include "textures/pictures.h"

static const int textureSize = 256;

static const Colour pinWhite = {0.97, 0.95, 0.91};
static const Colour pinRed = {0.80, 0.07, 0.09};

struct Band {
    double from, to;
};
static const Band stripes[] = {{0.82, 0.88}, {0.91, 0.95}};  // in t

// Where the light comes from and where the camera looks from, in the pin's
// frame (y up, +z towards the player): both above and in front.
static const Vec3 towardsLight = normalised({-0.3, 1.2, 1.0});
static const Vec3 towardsEye = normalised({0, 1, 1});

// The body sphere is turned so that its poles point up and down; this is the
// outward direction at (s, t) in the pin's frame.
static Vec3 bodyNormal(double s, double t)
{
    const Vec3 p = gluSpherePoint(s, t);
    return {p.x, p.z, -p.y};
}

static Colour pinColour(double s, double t)
{
    Colour colour = pinWhite;
    for (const Band& stripe : stripes)
        if (t >= stripe.from && t < stripe.to)
            colour = pinRed;

    const Vec3 normal = bodyNormal(s, t);
    const double diffuse = std::max(0.0, dot(normal, towardsLight));
    const Vec3 halfway = normalised(towardsLight + towardsEye);
    const double gloss = std::pow(std::max(0.0, dot(normal, halfway)), 24);
    const double footShadow = 1 - 0.12 * smoothstep(0.15, 0.0, t);
    const double light = (0.8 + 0.2 * diffuse) * footShadow;
    return colour * light + Colour{1, 1, 1} * (0.12 * gloss);
}

Picture makePinTexture()
{
    return renderPicture(textureSize, textureSize, pinColour);
}
