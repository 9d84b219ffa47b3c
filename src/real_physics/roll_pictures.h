// roll_pictures.h: the real roll drawn in the written scene. Private to
// src/real_physics/.
#pragma once

#include "real_physics/hand.h"
#include "real_physics/lane_world.h"
#include "turn.h"

// Where everything on the lane is after a step.
struct LaneSnapshot {
    btTransform pins[real::pinCount];  // each pin's own frame
    bool pinShown[real::pinCount];     // on the lane: down ones lie where they fell until swept
    bool pinStanding[real::pinCount];
    btTransform ball;
    bool ballShown;

    static LaneSnapshot of(const LaneWorld& lane);
};

// A fraction (0 to 1) of the way from older to newer, in world coordinates
// of the scene; foulLineZ is the scene's z of the foul line. The game's own
// pins are where the options carry them (pinMoved), a replay's where they lie.
void drawPinsBetween(const LaneSnapshot& older, const LaneSnapshot& newer, float fraction, double foulLineZ,
                     bool game);
void drawBallBetween(const LaneSnapshot& older, const LaneSnapshot& newer, float fraction, double foulLineZ);
// The written ball where it waits, with an aim arrow along the line to
// where it is aimed across the target arrows.
void drawWaitingBall(const Turn& shown, float aimAtArrows);
// Unlit, in world coordinates: the pit's opening across the end of the
// drawn lane, dark, where the real deck ends short of the drawn one. The
// kickbacks and the pit behind are the alley's.
void drawPitOpening(double foulLineZ);
// Beside the meter and as tall: a box with the ball's path in it, straight
// or bending as far as the hook (steps to +x, or negative to -x), labelled.
void drawSpin(int hook, int strongestSpin);
// Left of the meter the hand and the board the aim crosses at the arrows
// (none while 0); over its middle the last ball's speed, once there is one
// (m/s).
void drawAimLabels(Hand hand, int boardAtArrows, double releasedSpeed);
