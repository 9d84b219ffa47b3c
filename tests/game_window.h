// game_window.h: the one real window that the in-process game tests draw
// into, and a way back to the start state between tests.
#pragma once

#include "physics/physics.h"

// Notes every game global as the program starts, then starts the game up as
// the real program does, without entering GLUT's main loop, and waits until
// the window is shown. Call once per process, before anything else runs.
void openGameWindow(int argc, char** argv);

// Every game global, the pins and the camera back to the values noted at
// start; the recorded timers and redraws cleared.
void restoreStartState();

// Slides and aims the ball with the keys.
void aim(int slides, int turns);
// Aims, presses Space, lets the clock run on this long (a real ball's meter
// goes by it), releases the ball and runs the game's timers until it waits again.
void bowl(int slides, int turns, int meterMilliseconds = 0);

// Resizes the real window and waits until the game's reshape callback has
// had the new size; false if it never comes.
bool resizeGameWindow(int w, int h);

// Reaches into a pin for tests that need a given tilt or fall.
class PinInspector {
public:
    static float& fallAngle(Pin& pin) { return pin.fallAngle; }
    static Vector3D& fallDirection(Pin& pin) { return pin.fallDirection; }
    static float x(const Pin& pin) { return pin.x; }
    static float z(const Pin& pin) { return pin.z; }
};
