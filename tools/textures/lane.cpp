// lane.cpp: the lane's wooden boards with the foul line, the aiming arrows,
// the guide dots and the pin spots. The picture is stretched over the whole
// lane; t = 0 (the first row) is the far end, where the pins stand, and
// t = 1 the player's end.
#include "lane_geometry.h"
#include "textures/noise.h"
#include "textures/pictures.h"

static const int textureWidth = 256;   // about one texel per pixel across the near end
static const int textureHeight = 512;  // texels are stretched 2.3 times along the lane

static const double laneWidth = 2 * laneEdge;

static const int boardCount = laneBoards;
static const double seamTexels = 0.5;  // seam width; the seams are a hint, not stripes

// Marks along the lane are placed as on a real 60-foot lane, scaled to the
// span between our foul line and the head pin.
static const double foulLineT = 0.97;
static const double foulLineHalfWidth = 0.003;
static const double realLaneFeet = 60;

static const double pinSpotRadius = 0.011;

static const int arrowBoards[] = {5, 10, 15, 20, 25, 30, 35};
static const double arrowLength = 0.04;        // in t
static const double arrowHalfWidth = 0.8;      // in boards, at the arrow's base
static const int guideDotBoards[] = {3, 5, 8, 11, 14};
static const double guideDotRadius = 0.006;    // world units

static const uint32_t toneSeed = 5;
static const uint32_t grainSeed = 7;
static const uint32_t sheenSeed = 9;

static const Colour maple = {0.89, 0.76, 0.56};
static const Colour pine = {0.88, 0.72, 0.52};
static const Colour inlay = {0.20, 0.11, 0.06};
static const Colour foulLine = {0.08, 0.06, 0.05};

static double zAt(double t) { return laneFarEnd + t * laneLength; }
static double xAt(double s) { return (s - 0.5) * laneWidth; }
static double tAt(double z) { return (z - laneFarEnd) / laneLength; }

// t of a mark this many feet past the foul line on a real lane.
static double tAtFeet(double feet)
{
    return foulLineT - feet / realLaneFeet * (foulLineT - tAt(rackRowZ[0]));
}

// s of the centre of a board, counted from 1 at the right edge as bowlers do.
static double boardCentreS(int board) { return 1 - (board - 0.5) / boardCount; }

// Real lanes are maple where the ball lands and where the pins stand, and
// softer pine in between.
static bool isMaple(double t) { return t > tAtFeet(16) || t < tAtFeet(57.5); }

static Colour wood(double s, double t)
{
    const int board = std::min(boardCount - 1, (int)(s * boardCount));
    const bool mapleSection = isMaple(t);
    const Colour base = mapleSection ? maple : pine;

    // Every board its own shade, the grain running along it, and a faint
    // sheen that wanders over the whole lane.
    const double tone = 0.93 + 0.1 * randomUnit(toneSeed, board, mapleSection);
    const double grain = fractalNoise({s * textureWidth / 2.5, t * 8, board * 3.7}, 3, grainSeed);
    const double sheen = fractalNoise({s * 3, t * 10, 0.5}, 2, sheenSeed);
    Colour colour = base * (tone + 0.05 * grain + 0.03 * sheen);

    const double across = s * boardCount;
    const double fromSeam = std::fabs(across - std::round(across)) * textureWidth / boardCount;
    if (fromSeam < seamTexels / 2 && across > 0.5 && across < boardCount - 0.5)
        colour = colour * 0.82;
    return colour;
}

static bool inArrow(double s, double t)
{
    for (int board : arrowBoards) {
        // A chevron: the centre arrow is the furthest down the lane.
        const double boardsFromCentre = std::abs(board - 20) / 5.0;
        const double tip = tAtFeet(15 - 1.1 * boardsFromCentre);
        const double along = (t - tip) / arrowLength;
        const double halfWidth = arrowHalfWidth / boardCount * along;
        if (along >= 0 && along <= 1 && std::fabs(s - boardCentreS(board)) < halfWidth)
            return true;
    }
    return false;
}

static bool inCircle(double x, double z, double centreX, double centreZ, double radius)
{
    return (x - centreX) * (x - centreX) + (z - centreZ) * (z - centreZ) < radius * radius;
}

static bool inGuideDot(double s, double t)
{
    const double dotZ = zAt(tAtFeet(7));
    for (int board : guideDotBoards)
        for (int fromLeft = 0; fromLeft < 2; fromLeft++) {
            const double dotS = fromLeft ? 1 - boardCentreS(board) : boardCentreS(board);
            if (inCircle(xAt(s), zAt(t), xAt(dotS), dotZ, guideDotRadius))
                return true;
        }
    return false;
}

static bool inPinSpot(double s, double t)
{
    for (int pin = 0; pin < pinCount; pin++)
        if (inCircle(xAt(s), zAt(t), rackX(pin), rackZ(pin), pinSpotRadius))
            return true;
    return false;
}

static Colour laneColour(double s, double t)
{
    if (std::fabs(t - foulLineT) < foulLineHalfWidth)
        return foulLine;
    if (inArrow(s, t) || inGuideDot(s, t))
        return inlay;
    const Colour colour = wood(s, t);
    // The pins stand on their spots, so these stay faint.
    return inPinSpot(s, t) ? colour * 0.8 : colour;
}

Picture makeLaneTexture()
{
    return renderPicture(textureWidth, textureHeight, laneColour);
}
