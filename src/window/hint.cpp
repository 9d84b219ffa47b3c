// hint.cpp: what the keys do now, in the strip's hint band, for a player who
// started the game from a menu and never saw --help.
#include <GL/gl.h>

#include <cstdint>
#include <initializer_list>

#include "overlay/overlay.h"
#include "window/window_parts.h"

static const float hintBaseline = 11;
static const float hintCapHeight = 8;
static const float leastGap = 10;  // strip units between two parts

static const int mostParts = 8;

// The keys a player needs now, a list ending in nullptr, then Esc and F1
// where the strip has room for them (the game's own keys); the gaps between
// the parts all alike. No vector: its growth would ask a newer libstdc++
// than the package names.
static void drawParts(const char* const* given, bool escAndF1)
{
    const char* parts[mostParts];
    int count = 0;
    float width = 0;
    for (; *given && count < mostParts; given++) {
        parts[count++] = *given;
        width += textWidth(*given, hintCapHeight);
    }
    for (const char* extra : {"Esc: pause", "F1: keys"}) {
        const float more = textWidth(extra, hintCapHeight);
        if (!escAndF1 || count == mostParts || width + more + leastGap * (count + 2) > stripUnitsWide)
            break;
        parts[count++] = extra;
        width += more;
    }
    const float gap = (stripUnitsWide - width) / (count + 1);
    float left = gap;
    for (int part = 0; part < count; part++) {
        const float partWidth = textWidth(parts[part], hintCapHeight);
        drawText(parts[part], left + partWidth / 2, hintBaseline, hintCapHeight);
        left += partWidth + gap;
    }
}

static void drawKeysNow()
{
    static const char* const realAimingKeys[] = {"A D: move", "Arrows: aim", "Up Down: hook", "L: hand",
                                                 "Space: speed", "R: replay", nullptr};
    static const char* const aimingKeys[] = {"A D: move", "Arrows: aim", "B: bumpers", "Space: speed",
                                             "R: replay", "V: view", nullptr};
    static const char* const poweringKeys[] = {"Space: release the ball", "V: view", "Drag: camera", nullptr};
    static const char* const rollingKeys[] = {"V: view", "Drag: camera", nullptr};
    glColor3f(0.85f, 0.85f, 0.6f);
    const int state = gameTurn().currentState;
    if (const char* const* held = keysHint())  // a panel's keys, as it tells them
        drawParts(held, false);
    else if (state == aiming)
        drawParts(keysAct(KeysOf::realBalls) ? realAimingKeys : aimingKeys, true);
    else
        drawParts(state == powering ? poweringKeys : rollingKeys, true);
}

void drawHint()
{
    const uintptr_t now[] = {(uintptr_t)gameTurn().currentState, (uintptr_t)keysHint()};
    drawStripBand(StripBand::hint, now, sizeof now, drawKeysNow);
}
