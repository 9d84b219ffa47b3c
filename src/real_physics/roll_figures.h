// roll_figures.h: what a bowler reads off a roll: the board the ball
// crosses the arrows on, where it breaks, where and how steeply it enters
// the pins, and the pins it fells. For a right-hander: boards count from
// the right edge, 1 to 39, feet from the foul line. And the pocket hit a
// strike rate is measured from, and the pins its ball touches.
#pragma once

#include "real_physics/hand.h"
#include "real_physics/lane_world.h"

struct RollFigures {
    double boardAtArrows = 0;
    double breakpointBoard = 0;  // the furthest right it goes past the arrows
    double breakpointFeet = 0;
    double entryBoard = 0;       // its line carried on to the head pin's
    double entryDegrees = 0;     // towards the left
    int pinsDown = 0;
};

inline constexpr double metresPerFoot = 0.3048;
// The board under x, 1.0 at the middle of the rightmost.
double boardOf(double x);

// A hook that strikes on fresh oil: from board 15.5 out towards the
// seventh, at 8 m/s with the strongest spin; a left-hander's is its mirror.
Launch typicalHook(Hand hand = Hand::right);

// Releases the ball at the pins as they stand and rolls to the end.
RollFigures rollAndRead(LaneWorld& lane, const Launch& launch);

// A ball already rolling, 1.2 m before the head pin, that crosses the head
// pin's line boardsOff boards from the hand's pocket (board 17.5 from its
// edge: the 1-3 pocket for a right-hander, the 1-2 for a left-hander),
// coming in at the angle towards the head pin's side.
Launch intoThePocket(Hand hand, double boardsOff, double angleDegrees, double speed);

// The ball touched only the pins a pocket strike's ball meets on a real
// lane: 1, 3, 5 and 9 for a right-hander, 1, 2, 5 and 8 for a left-hander.
// The other six fall by scatter.
bool strikeSignature(const LaneWorld& lane, Hand hand);
