// smooth.h: --smooth, motion at the display's rate. While anything moves,
// pictures come as often as the display shows them, each placed between
// the last two 50 ms steps. The steps themselves are untouched: a picture
// in between is the same scene drawn from blended values, after which the
// step's exact state is put back.
#pragma once

// On: display callback drawSmoothly, and the driver asked to swap in step
// with the display. Called once, after the window is open.
void smoothMotion(bool on);

// The game's hook, first in every ball step and every meter step: the
// picture on screen now is where the glide to the step's state starts.
void smoothStepBegins();

// The display callback with --smooth.
void drawSmoothly();

// Runs draw with the moving part of the game a fraction (0 to 1) of the way
// from the glide's start to the latest step, then puts that step's state
// back, every bit of it.
void drawInBetween(float fraction, void (*draw)());
