// overlay.h: what the player's options show around and over the scene,
// shared by them without their knowing one another: the strip above the
// scene, made of the bands the options show, and panels over the scene.
// Both are laid out in units that grow with the window, so their text
// reads alike at every size. Not an option itself: the game never calls it.
#pragma once

#include <cstddef>

#include "rendering/rendering.h"
#include "turn.h"

struct SceneLayout;

// The strip's bands, top to bottom: the score sheet and the keys' hint.
enum class StripBand { sheet, hint, count };

// Across the strip's middle, in strip units, whatever the window's width.
inline constexpr float stripUnitsWide = startWindowSize;
// Each band's height in strip units, until set otherwise.
inline constexpr float bandUnitsHigh[(int)StripBand::count] = {44, 18};
// A scene of the start view's proportions, in strip units: square.
inline constexpr float sceneUnitsHigh = stripUnitsWide;

// The band is in the strip, or not, from the next layout on. Called before
// the window opens, which the strip makes taller.
void showStripBand(StripBand band, bool shown);
// The band's height in strip units from the next layout on: a band that
// grows with what it shows. Called before the window opens, or followed by
// a reshape.
void setBandUnitsHigh(StripBand band, float unitsHigh);
// The bands shown, in strip units; 0 without any.
float stripUnitsHigh();
// Takes the strip's rows off the top of the scene's viewport, which starts
// as the whole window. Strip units are pixels times the window's width
// over stripUnitsWide, but never more than a scene of the start view's
// proportions below the strip leaves: a wide window keeps its strip low.
// The same whoever calls it and however often.
void layOutStrip(SceneLayout& layout);

// Draws a band with draw(), in strip units, y downwards from the band's
// top, over a backdrop across the whole window. What it draws is kept as a
// picture and copied while the content (size bytes) and the layout stay
// the same. Leaves every piece of OpenGL state as it found it.
void drawStripBand(StripBand band, const void* content, size_t size, void (*draw)());

// The current viewport in units centred on its middle, y downwards, its
// smaller side `units` of them: what is drawn in them keeps its shape and
// its share of the picture at every size.
struct CentredUnits {
    float pixelsPerUnit;
    float halfWide;
    float halfHigh;
};
// False for a viewport with no size, where nothing is to be drawn.
bool centredUnits(float units, CentredUnits& centred);
// Flat drawing over the current viewport in centred units.
void beginCentredFlat(const CentredUnits& centred);

// Flat drawing over the current viewport in units from left to right and
// from bottom to top (top below bottom makes y run downwards), with no
// lighting, depth test or texture; endFlat puts back every piece of OpenGL
// state beginFlat found, the viewport included.
void beginFlat(float left, float right, float bottom, float top);
void endFlat();

// Centred on centreX, its capitals capHeight units tall on the baseline, in
// units whose y runs downwards.
void drawText(const char* text, float centreX, float baseline, float capHeight);
// Its width in the same units.
float textWidth(const char* text, float capHeight);
// A label beside the meter, in its camera's units (lookFromMeterCamera), on
// a baseline just over the meter's band or just within its bottom, in the
// current colour; the meter camera is placed for it.
inline constexpr float meterLabelCapHeight = 0.022f;
inline constexpr float meterLabelOver = meterTop + 0.015f;
inline constexpr float meterLabelLow = meterBottom + 0.005f;
void drawMeterLabel(const char* text, float centreX, float baseline);

// A panel over the middle of the scene's viewport: a title above lines of
// text, each line's parts (split at its tabs, four at most) in columns
// shared by the lines next to it with as many parts; lines smaller where
// the panel would be too wide or too tall. Leaves every piece of OpenGL
// state as it found it.
void drawPanel(const char* title, const char* const* lines, int lineCount);
