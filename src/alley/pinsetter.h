// pinsetter.h: the pinsetter between two balls, as numbers of the time
// since the roll ended. The sweep bar comes down in front of the pins,
// goes back to the pit and returns; a frame's first ball that left pins
// standing has them lifted by the deck first and set down where they stood
// after; a frame's end has a new rack lowered by the deck after the sweep.
// Private to src/alley/, and its tests.
#pragma once

#include "vector3d.h"

namespace alley {

// Where the bar and the deck are, scene units.
struct PinsetterPose {
    bool newRack;     // the frame is over: everything is swept, a new rack set
    double barY;      // the bar's lower edge above the lane
    double barZ;      // the bar's face towards the pins
    double deckLift;  // the deck's pins' feet above the lane: it hangs a pin's height above
    double pinsLift;  // the pins it holds above the lane: the standing ones or the new rack
    double sweptTo;   // a pin the bar has reached lies no nearer than this (z of its middle)
};

// The bar's height: what it passes over is not swept.
inline constexpr double barHeight = 0.09;

// How long the cycle lasts, and where it stands so long after the roll ended.
int pinsetterMilliseconds(bool newRack);
PinsetterPose pinsetterAt(int milliseconds, bool newRack);

// How far a pin, standing or down, whose middle lay at middle as the roll
// ended, has been carried: lifted with the deck, or pushed back by the bar
// and dropped into the pit.
Vector3D pinCarried(const PinsetterPose& pose, Vector3D middle, bool standing);

// In world coordinates: the bar and the deck, and the new rack it holds.
void drawPinsetter(const PinsetterPose& pose);

// The cycle as the game runs it, holding back the game's setUp(value) of
// the next ball until its end.
void startPinsetter(void (*setUp)(int), int value, bool newRack);
// Cut short: the next ball set up at once.
void finishPinsetter();
// A new game: the held set-up dropped.
void stopPinsetter();
void pausePinsetter(bool paused);
// Where it stands now; false while it does not run.
bool pinsetterRunning(PinsetterPose& pose);

}  // namespace alley
