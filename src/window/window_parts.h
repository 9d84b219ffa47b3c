// window_parts.h: the player's window's parts, private to src/window/.
#pragma once

#include "command_line.h"
#include "option_door.h"

// window_option.cpp: the keys of this game act, those of real balls only
// where they roll.
bool keysAct(KeysOf game);

// placement.cpp: GLUT's -geometry, if given, noted from its arguments.
void noteGeometry(int argc, char** argv);
// Centred on the screen, four fifths of its height, of the proportions of
// the strip over a square scene; the parts of a -geometry given win, within
// the screen.
void placeOnScreen(WindowPlacement& placement);
// A window larger than the renderer takes is sized back.
void keepWithinLimits(const SceneLayout& layout);
// Below the strip, the scene's picture as the square one, with more seen
// across or up and down as the viewport is wider or taller.
void keepProportions(SceneLayout& layout);

// full_screen.cpp: the window over the whole screen, or back as it was.
void toggleFullScreen();

// window_class.cpp: WM_CLASS bowling/Bowling on the open window.
void nameWindowClass();

// aiming.cpp: in the lane's layer, the line the waiting ball is aimed
// along through the target arrows; beside the meter, what it sets.
void drawAimLine();
void drawMeterCaption();

// hint.cpp: the keys that act now, in the strip's hint band.
void drawHint();

// panels.cpp: the pause and keys panels, and the steps held meanwhile.
bool panelKey(unsigned char key);
bool panelSpecialKey(int key);
bool holdWhilePanelShown(void (*step)(int), int value);
void drawPanels();
