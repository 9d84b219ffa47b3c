// hint.cpp: what the keys do now, in the strip's hint band, for a player who
// started the game from a menu and never saw --help.
#include <GL/gl.h>

#include <initializer_list>

#include "overlay/overlay.h"
#include "window/window_parts.h"

static const float hintBaseline = 11;
static const float hintCapHeight = 8;

// Each part centred in an equal share of the strip's width: the stroke
// font's spaces are too wide to set the parts apart by.
static void drawParts(std::initializer_list<const char*> parts)
{
    const float share = stripUnitsWide / parts.size();
    float centre = share / 2;
    for (const char* part : parts) {
        drawText(part, centre, hintBaseline, hintCapHeight);
        centre += share;
    }
}

static void drawKeysNow()
{
    glColor3f(0.85f, 0.85f, 0.6f);
    const int state = gameTurn().currentState;
    if (state == aiming)
        drawParts({"A D: move", "Arrows: aim", "B: bumpers", "Space: power", "R: replay", "Drag, V: view"});
    else if (state == powering)
        drawParts({"Space: release the ball", "V: view", "Drag: camera"});
    else
        drawParts({"V: view", "Drag: camera", "Esc: pause", "F1: all keys"});
}

void drawHint()
{
    const int state = gameTurn().currentState;
    drawStripBand(StripBand::hint, &state, sizeof state, drawKeysNow);
}
