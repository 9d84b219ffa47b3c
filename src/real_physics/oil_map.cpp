// oil_map.cpp: the house pattern, the grip the oil leaves the ball, and how
// a rolling ball wears the pattern down.
#include "real_physics/oil_map.h"

#include <algorithm>
#include <cmath>

using namespace real;

// The pattern along the lane: full at the foul line, thinning to 55% by
// 37 ft, then tapering to nothing at 42 ft, where the dry back end begins.
static const double taperStart = 11.3;
static const double patternEnd = 12.8;
static const double thinnedTo = 0.55;
// Across: the three outer boards on each side carry 45%, rising to the full
// middle from the tenth board in.
static const int outerBoards = 3;
static const int fullFromBoard = 10;
static const double outerShare = 0.45;

// Oil's grip: a thick film lets the ball skid, and only a thin one lets the
// lane take hold, so the friction rises with the cube of what is missing.
static const double oiledFriction = 0.03;
static const double dryFriction = 0.20;

// Each row a ball crosses, it wipes this share off each board under it and
// lays this share of its load back; the cover absorbs the rest of what it
// carries as it goes.
static const int trackBoards = 3;
static const float wipedShare = 0.04f;
static const float laidShare = 0.02f;
static const float absorbedShare = 0.02f;

static double alongPattern(double down)
{
    if (down <= taperStart)
        return 1 - (1 - thinnedTo) * std::max(down, 0.0) / taperStart;
    return thinnedTo * std::max(1 - (down - taperStart) / (patternEnd - taperStart), 0.0);
}

static double acrossPattern(int board)
{
    const int fromEdge = std::min(board, OilMap::boards - 1 - board);
    const double rise = double(fromEdge - outerBoards + 1) / (fullFromBoard - outerBoards);
    return outerShare + (1 - outerShare) * std::clamp(rise, 0.0, 1.0);
}

static int rowAt(double z)
{
    return std::clamp(int(-z / OilMap::cellLength), 0, OilMap::rows - 1);
}

static int boardAt(double x)
{
    return std::clamp(int(std::floor((laneHalfWidth - x) / OilMap::boardWidth)), 0, OilMap::boards - 1);
}

OilMap::OilMap()
{
    for (int row = 0; row < rows; row++)
        for (int board = 0; board < boards; board++)
            oil[row * boards + board] = float(alongPattern((row + 0.5) * cellLength) * acrossPattern(board));
}

float OilMap::at(double x, double z) const
{
    if (std::fabs(x) > laneHalfWidth)
        return 0;
    return oil[rowAt(z) * boards + boardAt(x)];
}

double OilMap::friction(double x, double z) const
{
    const double missing = 1 - std::min(double(at(x, z)), 1.0);
    return oiledFriction + (dryFriction - oiledFriction) * missing * missing * missing;
}

void OilMap::rollOver(double x, double z, OilOnBall& ball)
{
    const int row = rowAt(z);
    const int first = std::max(boardAt(x) - trackBoards / 2, 0);
    const int last = std::min(first + trackBoards, boards);
    for (int crossed = ball.row < 0 ? row : ball.row + 1; crossed <= row; crossed++) {
        float* cells = &oil[crossed * boards];
        const float laid = ball.load * laidShare;
        ball.load -= laid + ball.load * absorbedShare;
        for (int board = first; board < last; board++) {
            const float wiped = cells[board] * wipedShare;
            cells[board] += laid / float(last - first) - wiped;
            ball.load += wiped;
        }
    }
    ball.row = std::max(ball.row, row);
}
