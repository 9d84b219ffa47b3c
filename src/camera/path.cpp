// path.cpp: where the follow camera stands for each place of the ball.
// Every part is a smooth function of the ball's place and the weights
// between them ease in and out, so a ball that moves without jumps is
// followed without jumps, and a hook or a drop into a gutter, which move
// the ball across, move the camera across by a fraction of that.
#include <algorithm>

#include "camera/camera.h"
#include "lane_geometry.h"

// Behind and above the ball, looking at the lane ahead of it.
static const float behind = 0.5f;
static const float above = 0.28f;
static const float ahead = 0.7f;
static const float acrossShare = 0.35f;  // of the ball's place across
// The blend from the bowler's camera over the ball's first stretch.
static const float leavingStretch = 0.5f;
// Between these places of the ball the camera goes over to the deck
// camera, where it stands from just before the ball meets the head pin.
static const float deckFromZ = -0.5f;
static const float deckToZ = (float)rackRowZ[0] + 0.15f;

// The deck camera: above the rack's front, looking at its middle, the
// outer back pins at deckShare of the picture's half width either side.
static const double rackMiddleZ = (rackRowZ[0] + rackRowZ[rackRows - 1]) / 2;
static const double rackHalfWide = rackX(pinCount - rackRows) + 0.04;  // the back row's outer edges
static const double deckShare = 0.4;
static const float deckAbove = 0.34f;
// How far in front of the rack's middle it stands: at a very wide picture
// never so near that it passes over the ball, and never farther than a
// square picture needs.
static const double nearest = 0.5;
static const double farthest = 0.95;

static float ease(float fraction)
{
    const float t = std::clamp(fraction, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

static Vector3D mix(const Vector3D& a, const Vector3D& b, float weight)
{
    return a + (b - a) * weight;
}

static Camera mix(const Camera& a, const Camera& b, float weight)
{
    return {mix(a.eye, b.eye, weight), mix(a.look, b.look, weight)};
}

Camera deckCamera(double tanHalfWide)
{
    const double backRow = rackMiddleZ - rackRowZ[rackRows - 1];
    const double inFront = std::clamp(rackHalfWide / (deckShare * tanHalfWide) - backRow, nearest, farthest);
    return {Vector3D(0, deckAbove, (float)(rackMiddleZ + inFront)), Vector3D(0, (float)ballRadius, (float)rackMiddleZ)};
}

Camera followCamera(const Camera& bowler, float ballX, float ballZ, float startZ, double tanHalfWide)
{
    const float across = acrossShare * ballX;
    const Camera behindBall = {Vector3D(across, above, ballZ + behind), Vector3D(across, 0, ballZ - ahead)};
    const Camera leaving = mix(bowler, behindBall, ease((startZ - ballZ) / leavingStretch));
    return mix(leaving, deckCamera(tanHalfWide), ease((deckFromZ - ballZ) / (deckFromZ - deckToZ)));
}

Camera cameraBetween(const Camera& from, const Camera& to, double fraction)
{
    return mix(from, to, ease((float)fraction));
}

Camera sideCamera()
{
    return {Vector3D(0.9f, 0.9f, 0.5f), Vector3D(0, 0, -0.9f)};
}
