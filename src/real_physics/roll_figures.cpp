// roll_figures.cpp: the ball's path step by step until it meets a pin or
// passes the head pin's line; its entry is its line then.
#include "real_physics/roll_figures.h"

#include <cmath>

#include "vector3d.h"

using namespace real;

static const double arrowsZ = -15 * metresPerFoot;

double boardOf(double x)
{
    return (laneHalfWidth - x) / OilMap::boardWidth + 0.5;
}

Launch typicalHook(Hand hand)
{
    const double side = -naturalHookSide(hand);  // +1 for a right-hander
    return bowled(side * 0.12, side * 1.8, 8.0, naturalHookSide(hand));
}

static bool touchedAPin(const LaneWorld& lane)
{
    for (int pin = 0; pin < pinCount; pin++)
        if (lane.ballTouched(pin))
            return true;
    return false;
}

RollFigures rollAndRead(LaneWorld& lane, const Launch& launch)
{
    RollFigures figures;
    const int standing = lane.pinsStanding();
    lane.release(launch);
    double furthestRight = -laneHalfWidth;
    btVector3 centre = launch.position, velocity = launch.velocity;
    while (!lane.rollOver()) {
        lane.step();
        const btVector3 next = lane.ballPlace().getOrigin();
        if (touchedAPin(lane) || next.z() < headPinZ)
            break;
        if (centre.z() > arrowsZ && next.z() <= arrowsZ)
            figures.boardAtArrows = boardOf(next.x());
        if (next.z() < arrowsZ && next.x() > furthestRight) {
            furthestRight = next.x();
            figures.breakpointBoard = boardOf(next.x());
            figures.breakpointFeet = -next.z() / metresPerFoot;
        }
        velocity = (next - centre) / btScalar(LaneWorld::stepSeconds);
        centre = next;
    }
    figures.entryBoard = boardOf(centre.x() + velocity.x() / velocity.z() * (headPinZ - centre.z()));
    figures.entryDegrees = std::atan2(-velocity.x(), -velocity.z()) * 180 / pi;
    while (!lane.rollOver())
        lane.step();
    figures.pinsDown = standing - lane.pinsStanding();
    return figures;
}

Launch intoThePocket(Hand hand, double boardsOff, double angleDegrees, double speed)
{
    const double runUp = 1.2;
    const double pocket = 2.5 + boardsOff;  // boards from the head pin's centre
    const double side = -naturalHookSide(hand);  // +1 for a right-hander's 1-3 pocket
    const double x = side * (pocket * OilMap::boardWidth + runUp * std::tan(angleDegrees * pi / 180));
    return rollingBall(x, headPinZ + runUp, -side * angleDegrees, speed);
}

// Pins by their places in the rack, as bits.
static const unsigned rightPocketPins = 1u << 0 | 1u << 1 | 1u << 4 | 1u << 7;
static const unsigned leftPocketPins = 1u << 0 | 1u << 2 | 1u << 4 | 1u << 8;

bool strikeSignature(const LaneWorld& lane, Hand hand)
{
    unsigned touched = 0;
    for (int pin = 0; pin < pinCount; pin++)
        touched |= (unsigned)lane.ballTouched(pin) << pin;
    return touched == (hand == Hand::right ? rightPocketPins : leftPocketPins);
}
