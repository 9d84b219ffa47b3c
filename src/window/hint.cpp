// hint.cpp: what the keys do now, in the strip's hint band, for a player who
// started the game from a menu and never saw --help.
#include <GL/gl.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "overlay/overlay.h"
#include "window/window_parts.h"

static const float hintBaseline = 11;
static const float hintCapHeight = 8;
static const float leastGap = 10;  // strip units between two parts

// The keys a player needs now, then Esc and F1 where the strip has room
// for them (the game's own keys); the gaps between the parts all alike.
static void drawParts(std::vector<const char*> parts, bool escAndF1 = true)
{
    float width = 0;
    for (const char* part : parts)
        width += textWidth(part, hintCapHeight);
    for (const char* extra : {"Esc: pause", "F1: keys"}) {
        if (!escAndF1)
            break;
        const float more = textWidth(extra, hintCapHeight);
        if (width + more + leastGap * (parts.size() + 2) > stripUnitsWide)
            break;
        parts.push_back(extra);
        width += more;
    }
    const float gap = (stripUnitsWide - width) / (parts.size() + 1);
    float left = gap;
    for (const char* part : parts) {
        const float partWidth = textWidth(part, hintCapHeight);
        drawText(part, left + partWidth / 2, hintBaseline, hintCapHeight);
        left += partWidth + gap;
    }
}

static void drawKeysNow()
{
    glColor3f(0.85f, 0.85f, 0.6f);
    if (const char* const* held = keysHint()) {  // a panel's keys, as it tells them
        std::vector<const char*> parts;
        for (; *held; held++)
            parts.push_back(*held);
        drawParts(parts, false);
        return;
    }
    const int state = gameTurn().currentState;
    if (state == aiming && keysAct(KeysOf::realBalls))
        drawParts({"A D: move", "Arrows: aim", "Up Down: hook", "L: hand", "Space: speed", "R: replay"});
    else if (state == aiming)
        drawParts({"A D: move", "Arrows: aim", "B: bumpers", "Space: speed", "R: replay", "V: view"});
    else if (state == powering)
        drawParts({"Space: release the ball", "V: view", "Drag: camera"});
    else
        drawParts({"V: view", "Drag: camera"});
}

void drawHint()
{
    const uintptr_t now[] = {(uintptr_t)gameTurn().currentState, (uintptr_t)keysHint()};
    drawStripBand(StripBand::hint, now, sizeof now, drawKeysNow);
}
