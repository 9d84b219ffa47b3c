// pin.cpp: one pin's state and fall, and the rack of ten.
#include "physics/physics.h"

#include <cstring>

#include "lane_geometry.h"
#include "turn.h"

Pin rackPin(int pin)
{
    return Pin((float)rackX(pin), (float)rackZ(pin));
}

static const float contactHeight = 0.105f;    // on the pin's axis, half its height
static const float ballCentreHeight = (float)ballRadius;
static const float pivotOffset = 0.0329f;
static const float touchDistance = (float)(ballRadius + pivotOffset);
static const double slowestFall = 5.0;        // degrees per step at speed 0
static const double fallPerSpeed = 10.0;      // more degrees per unit of speed

Pin::Pin() : fallDirection(0, 0, 0) { init(0, 0); }

Pin::Pin(float x, float z) : fallDirection(0, 0, 0) { init(x, z); }

void Pin::init(float x, float z)
{
    shown = true;
    this->x = x;
    this->z = z;
    fallAngle = 0;
}

void Pin::show() { shown = true; }
void Pin::hide() { shown = false; }
bool Pin::isShown() const { return shown; }

static bool sameBits(float a, float b) { return memcmp(&a, &b, sizeof a) == 0; }

bool Pin::operator==(const Pin& other) const
{
    Vector3D mine = fallDirection, theirs = other.fallDirection;
    return shown == other.shown && sameBits(x, other.x) && sameBits(z, other.z) &&
           sameBits(fallAngle, other.fallAngle) && sameBits(mine.getDx(), theirs.getDx()) &&
           sameBits(mine.getDy(), theirs.getDy()) && sameBits(mine.getDz(), theirs.getDz());
}

void Pin::reset()
{
    shown = true;
    fallAngle = 0;
    fallDirection = Vector3D(0, 0, 0);
}

bool Pin::isFalling() const
{
    return shown && !(fallDirection == Vector3D(0, 0, 0));
}

// The rate comes from the ball's speed now: pins felled late in a roll fall
// more slowly, and a pin knocked by a neighbour takes its direction only.
void Pin::setFallDirection(Vector3D direction, const Turn& turn)
{
    if (!(fallDirection == Vector3D(0, 0, 0)))
        return;
    const float rate = (float)(slowestFall + turn.ballSpeed * fallPerSpeed);
    fallDirection = direction.unitVector() * rate;
}

Vector3D Pin::directionToBall(const Turn& turn) const
{
    return Vector3D(turn.ballX, ballCentreHeight, turn.ballZ) - Vector3D(x, contactHeight, z);
}

bool Pin::isTouchingBall(const Turn& turn) const
{
    return directionToBall(turn).magnitude() <= touchDistance;
}

// Neighbours are tested at the new angle, even in the step in which this
// pin vanishes; an upright pin strikes nothing.
void Pin::doFall(Turn& turn)
{
    if (!shown)
        return;
    fallAngle += fallDirection.magnitude();
    for (Pin& other : turn.pins)
        if (&other != this && other.shown && other.fallDirection == Vector3D(0, 0, 0))
            other.detectPinCollision(*this, turn);
    if (fallAngle < -vanishingTilt || fallAngle > vanishingTilt)
        hide();
}

// A component of exactly 0 puts the pivot on the negative side. A fall with
// no horizontal part (the ball dead above the pin's axis) tilts down the
// lane, away from the player.
TiltFrame Pin::tiltFrame() const
{
    Vector3D direction = fallDirection;
    const float dx = direction.getDx();
    const float dz = direction.getDz();
    TiltFrame frame;
    frame.offX = dx > 0 ? -pivotOffset : pivotOffset;
    frame.offZ = dz > 0 ? -pivotOffset : pivotOffset;
    frame.axis = (dx == 0 && dz == 0) ? Vector3D(-1, 0, 0)
                                      : Vector3D(dz, 0, -dx).unitVector();
    return frame;
}
