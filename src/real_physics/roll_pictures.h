// roll_pictures.h: the real roll drawn in the written scene. Private to
// src/real_physics/.
#pragma once

#include "real_physics/lane_world.h"
#include "turn.h"

// Where everything on the lane is after a step.
struct LaneSnapshot {
    btTransform pins[real::pinCount];  // each pin's own frame
    bool pinShown[real::pinCount];     // on the lane and above the pit
    btTransform ball;
    bool ballShown;

    static LaneSnapshot of(const LaneWorld& lane);
};

// A fraction (0 to 1) of the way from older to newer, in world coordinates
// of the scene; foulLineZ is the scene's z of the foul line.
void drawPinsBetween(const LaneSnapshot& older, const LaneSnapshot& newer, float fraction, double foulLineZ);
void drawBallBetween(const LaneSnapshot& older, const LaneSnapshot& newer, float fraction, double foulLineZ);
// The written ball where it waits, with an aim arrow along the real aim as
// the shortened run shows it.
void drawWaitingBall(const Turn& shown, double aimDegrees);
// Unlit, in world coordinates: the pit's opening across the end of the
// drawn lane, dark, and the kickbacks the pins bounce off, upright beside
// the deck.
void drawPitAndKickbacks(double foulLineZ);
// Beside the meter and as tall: a box with the ball's path in it, straight
// or bending as far as the spin.
void drawSpin(int spin, int strongestSpin);
