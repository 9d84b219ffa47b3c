// turn.h: where a turn stands, as one value: the ball, the pins, the meter,
// the aim, the frame and the camera. The game owns the one it plays
// (final.h names its parts as the game's globals); anyone may copy one,
// compare two and draw one, which is how a picture between two steps is made.
#pragma once

#include <cstdint>

#include "physics/physics.h"
#include "vector3d.h"

enum GameState { aiming = 0, powering = 1, rolling = 2 };

// Every motion advances in steps of one 50 ms timer tick.
inline constexpr int stepMilliseconds = 50;
// The plain game's window, and the scene in the player's at first.
inline constexpr int startWindowSize = 500;

struct Turn {
    int currentState;       // GameState of the current turn
    uint8_t framePart;      // 0: the next ball is a frame's first, 1: its second
    float ballX;            // across the lane, 0 on the centre line
    float ballZ;            // along the lane, decreasing towards the pins
    int ballTheta;          // aim in whole degrees, positive towards +x
    float ballSpeed;        // meter power while powering, speed while rolling
    float ballSpeedChange;  // signed meter step
    float ballRollM[16];    // the ball's orientation, column-major
    bool useBumpers;
    Pin pins[pinCount];
    Vector3D eye;           // scene camera position, world units
    Vector3D look;          // point the scene camera looks at

    // Bit for bit, every part.
    bool operator==(const Turn& other) const;
    bool operator!=(const Turn& other) const { return !(*this == other); }
};

// A fraction (0 to 1) of the way from older to newer, as a picture between
// two steps shows it: 0 gives older's moving parts and 1 newer, exactly;
// the rest is newer's. The reset to a new turn is never blended: the ball
// does not slide back up the lane.
Turn turnBetween(const Turn& older, const Turn& newer, float fraction);
