// game_window.h: the one real window that the in-process game tests draw
// into, and a way back to the start state between tests.
#pragma once

#include "physics/physics.h"

// Starts the game up as the real program does, without entering GLUT's main
// loop, and waits until the window is shown. Call once per process.
void openGameWindow(int argc, char** argv);

// Every game global, the pins and the camera back to their start values;
// the recorded timers and redraws cleared.
void restoreStartState();

// Reaches into a pin for tests that need a given tilt or fall.
class PinInspector {
public:
    static float& fallAngle(Pin& pin) { return pin.fallAngle; }
    static Vector3D& fallDirection(Pin& pin) { return pin.fallDirection; }
    static bool& shown(Pin& pin) { return pin.shown; }
    static float x(const Pin& pin) { return pin.x; }
    static float z(const Pin& pin) { return pin.z; }
};
