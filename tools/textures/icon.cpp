// icon.cpp: the game's icon, a pin with the ball in front of it, in the
// colours of the game, on a transparent background. Both are shaded by one
// light from the upper left and edged with a dark outline, so they stand out
// on light and dark desktops alike.
#include "textures/pictures.h"

static const int iconSize = 256;

// The pin, in pixels (y down); its shape is a real pin's, 15 inches tall.
static const double pinAxisX = 160;
static const double pinFootY = 246;
static const double pinInches = 15;
static const double pixelsPerInch = 15.6;
// Radius at each whole inch from the foot up to the head's widest point.
static const double pinProfile[] = {1.00, 1.60, 1.98, 2.24, 2.37, 2.36, 2.20, 1.92,
                                    1.52, 1.12, 0.93, 0.97, 1.12, 1.22, 1.265};
static const int profilePoints = sizeof pinProfile / sizeof pinProfile[0];
static const double headCentreInches = 13.7;  // the head is round above its widest point
static const double headRadiusInches = 1.3;
static const Band pinStripes[] = {{8.9, 9.5}, {9.9, 10.5}};  // inches above the foot

static const double ballCentreX = 90;
static const double ballCentreY = 180;
static const double ballRadius = 66;
// The ball is turned, then tipped towards the viewer, so that its grip
// faces up and to the right.
static const double ballTurn = -0.35;  // radians about the vertical
static const double ballTilt = -0.7;   // radians about the horizontal

static const double outlineWidth = 2.5;  // pixels

static const Colour outline = {0.10, 0.08, 0.14};
static const Colour white = {1, 1, 1};

// x right, y up, z towards the viewer.
static const Vec3 towardsLight = normalised({-0.5, 0.6, 0.8});
static const Vec3 halfway = normalised(towardsLight + Vec3{0, 0, 1});

// A smooth curve through the profile points (Catmull-Rom), in inches.
static double profileRadius(double inches)
{
    const double place = std::min(std::max(inches, 0.0), profilePoints - 1.0);
    const int i = std::min((int)place, profilePoints - 2);
    const double k = place - i;
    const auto point = [](int index) {
        return pinProfile[std::min(std::max(index, 0), profilePoints - 1)];
    };
    const double p0 = point(i - 1), p1 = point(i), p2 = point(i + 1), p3 = point(i + 2);
    return 0.5 * (2 * p1 + (p2 - p0) * k + (2 * p0 - 5 * p1 + 4 * p2 - p3) * k * k +
                  (3 * p1 - p0 - 3 * p2 + p3) * k * k * k);
}

// The pin's radius in pixels at a height in pixels above its foot.
static double pinRadius(double height)
{
    const double inches = height / pixelsPerInch;
    if (inches <= profilePoints - 1)
        return profileRadius(inches) * pixelsPerInch;
    const double aboveCentre = inches - headCentreInches;
    return std::sqrt(std::max(0.0, headRadiusInches * headRadiusInches - aboveCentre * aboveCentre)) *
           pixelsPerInch;
}

// Whether (x, y) is inside the pin's outline grown by this many pixels.
static bool inPin(double x, double y, double grow)
{
    const double height = pinFootY - y;
    if (height < -grow || height > pinInches * pixelsPerInch + grow)
        return false;
    const double headDx = x - pinAxisX;
    const double headDy = height - headCentreInches * pixelsPerInch;
    return std::fabs(x - pinAxisX) <= pinRadius(std::max(0.0, height)) + grow ||
           std::sqrt(headDx * headDx + headDy * headDy) <= headRadiusInches * pixelsPerInch + grow;
}

static Colour shadedPin(double x, double y)
{
    const double height = pinFootY - y;
    const double radius = std::max(pinRadius(height), 1e-6);
    const double slope = (pinRadius(height + 0.5) - pinRadius(height - 0.5));
    const double across = clamp01(std::fabs(x - pinAxisX) / radius) * (x < pinAxisX ? -1 : 1);
    const Vec3 normal = normalised({across, -slope, std::sqrt(1 - across * across)});

    Colour colour = pinWhite;
    for (const Band& stripe : pinStripes)
        if (height >= stripe.from * pixelsPerInch && height < stripe.to * pixelsPerInch)
            colour = pinRed;
    const double diffuse = std::max(0.0, dot(normal, towardsLight));
    const double gloss = std::pow(std::max(0.0, dot(normal, halfway)), 30);
    return colour * (0.45 + 0.6 * diffuse) + white * (0.5 * gloss);
}

static Colour shadedBall(double dx, double dy)
{
    const Vec3 normal = {dx, dy, std::sqrt(std::max(0.0, 1 - dx * dx - dy * dy))};
    const Vec3 turned = {normal.x * std::cos(ballTurn) + normal.z * std::sin(ballTurn), normal.y,
                         normal.z * std::cos(ballTurn) - normal.x * std::sin(ballTurn)};
    const Vec3 inBall = {turned.x, turned.y * std::cos(ballTilt) - turned.z * std::sin(ballTilt),
                         turned.y * std::sin(ballTilt) + turned.z * std::cos(ballTilt)};
    const double diffuse = std::max(0.0, dot(normal, towardsLight));
    const double gloss = std::pow(std::max(0.0, dot(normal, halfway)), 40);
    return ballSurfaceColour(inBall) * (0.5 + 0.9 * diffuse) + white * (0.8 * gloss);
}

// Back to front: the pin's outline and the pin, then the ball's.
static Paint iconPaint(double u, double v)
{
    const double x = u * iconSize;
    const double y = v * iconSize;
    const double ballDx = (x - ballCentreX) / ballRadius;
    const double ballDy = (ballCentreY - y) / ballRadius;
    const double ballDistance = std::sqrt(ballDx * ballDx + ballDy * ballDy) * ballRadius;
    if (ballDistance < ballRadius)
        return {shadedBall(ballDx, ballDy), 1};
    if (ballDistance < ballRadius + outlineWidth)
        return {outline, 1};
    if (inPin(x, y, 0))
        return {shadedPin(x, y), 1};
    if (inPin(x, y, outlineWidth))
        return {outline, 1};
    return {{0, 0, 0}, 0};
}

Picture makeIcon()
{
    return renderPicture(iconSize, iconSize, 4, iconPaint);
}
