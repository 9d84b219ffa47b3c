// roll_figures.h: what a bowler reads off a roll: the board the ball
// crosses the arrows on, where it breaks, where and how steeply it enters
// the pins, and the pins it fells. For a right-hander: boards count from
// the right edge, 1 to 39, feet from the foul line.
#pragma once

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

// A right-hander's hook that strikes on fresh oil: from board 15.5 out
// towards the seventh, at 8 m/s with the strongest spin.
Launch typicalHook();

// Releases the ball at the pins as they stand and rolls to the end.
RollFigures rollAndRead(LaneWorld& lane, const Launch& launch);
