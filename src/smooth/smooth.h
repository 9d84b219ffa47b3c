// smooth.h: --smooth, motion at the display's rate. While anything moves,
// pictures come as often as the display shows them, each placed between
// the last two 50 ms steps. The steps themselves are untouched: a picture
// in between is the same scene drawn from blended values, after which the
// step's exact state is put back.
#pragma once

#include "option_door.h"

// The option: each step starts a glide, and it draws the pictures. Once the
// window is open it switches itself on.
PlayerOption& smoothOption();
// On: pictures by drawSmoothly, and the driver asked to swap in step with
// the display. Off: the game's own pictures.
void smoothMotion(bool on);

// A picture with --smooth.
void drawSmoothly();

// Runs draw with the moving part of the game a fraction (0 to 1) of the way
// from the glide's start to the latest step, then puts that step's state
// back, every bit of it.
void drawInBetween(float fraction, void (*draw)());
