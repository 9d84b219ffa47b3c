// smooth.h: --smooth, motion at the display's rate. While anything moves,
// pictures come as often as the display shows them, each placed between
// the last two 50 ms steps. The steps themselves are untouched: a picture
// in between is the turn blended between two steps, drawn by the game.
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

// The turn a fraction (0 to 1) of the way from the glide's start, the
// picture on screen as the latest step began, to the latest step.
Turn pictureBetween(float fraction);
