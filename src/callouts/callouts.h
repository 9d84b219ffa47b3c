// callouts.h: the callouts of the player's game: STRIKE, SPARE, a split by
// the pins it leaves, GUTTER, and strikes in a row, shown as a banner over
// the scene for a moment after the ball that earned it.
#pragma once

#include <cstddef>

#include "option_door.h"

// The option: it watches each ball from its release to the roll's end and
// draws the banner over the scene.
PlayerOption& calloutsOption();

// What one ball did, for its callout. Standing pins as bits, bit i for pin
// i of the rack order of physics.h.
struct BallResult {
    bool firstBall;          // the frame's first: a strike or a split can come of it
    unsigned standingBefore;
    unsigned standingAfter;
    bool gutter;             // the ball ran into a gutter
    int strikesBefore;       // strikes in a row just before this ball
};

// The callout in capitals ("STRIKE", "7-10 SPLIT"), or "" for a ball that
// earns none.
void calloutFor(const BallResult& ball, char* text, size_t size);

// Over the middle of the scene's viewport, in units that grow with it.
// Leaves every piece of OpenGL state as it found it.
void drawBanner(const char* text);
