// window.h: the player's window, an option of every player's game. It opens
// the window centred and as large as fits the screen, names its class for
// the desktop, keeps the scene's proportions at any size, shows the keys'
// hint in the strip above the scene, and gives the keys of a window: Esc
// pauses (then Esc resumes, N starts a new game, asking first while one is
// under way, Q quits), F1 or H shows
// every key, F11 toggles full screen, Home or C brings the camera home.
// While paused every step of the game waits, to run as it would have.
#pragma once

#include "option_door.h"

// The option. Its arguments are GLUT's, before glutInit reads them: a
// -geometry among them places the window instead. With real balls the
// hint and the keys panel name their keys too.
PlayerOption& playerWindow(int argc, char** argv, bool withRealBalls = false);

// The player's game's clock: the game's steps and the options' timers on
// the monotonic clock, never the wall clock, which may be stepped. The
// game's own program attaches it; tests that run the steps themselves do not.
PlayerOption& steadyClock();
