// scene.h: the moving part of the game as one value, what the steps change
// and a picture shows. Private to src/smooth/.
#pragma once

#include "physics/physics.h"

struct MovingScene {
    int state;
    float ballX;
    float ballZ;
    int ballTheta;
    float ballSpeed;  // what the meter shows
    float roll[16];
    Pin pins[pinCount];

    // Copied from the game's globals, and back into them, bit for bit.
    static MovingScene ofGame();
    void putIntoGame() const;

    // A fraction of the way from older to newer: 0 gives older and 1 newer,
    // exactly. The reset to a new turn is never blended: the ball does not
    // slide back up the lane.
    static MovingScene between(const MovingScene& older, const MovingScene& newer, float fraction);
};
