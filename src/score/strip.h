// strip.h: the strip above the scene that --score adds, private to
// src/score/. Everything in it is laid out in strip units: the strip is
// stripUnitsWide of them across and stripUnitsHigh down, y downwards,
// whatever its size in pixels, so it and its text grow with the window.
#pragma once

#include "final.h"
#include "score/score.h"

inline constexpr float stripUnitsWide = startWindowSize;
inline constexpr float stripUnitsHigh = 62;

// The strip's height in pixels over a window this wide.
int stripHeight(int windowWidth);
// The scene's viewport becomes the window less the strip.
void layOutBelowStrip(SceneLayout& layout);

// Centred on centreX, its capitals standing capHeight units on the baseline.
void drawText(const char* text, float centreX, float baseline, float capHeight);

// The two rows of the sheet along the top of the strip.
void drawSheet(const ScoreSheet& sheet, int best);
// The keys that act now, in a line under the sheet.
void drawHint();
