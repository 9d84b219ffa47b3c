// final.h: the game's turn and its parts under their own names, the window
// and camera globals, and the GLUT callbacks that drive the turn cycle.
// Every callback runs on GLUT's one thread; between callbacks the modelview
// matrix is the identity. Only the game includes this: the options see the
// turn read-only through the door.
#pragma once

#include <cstdint>

#include "turn.h"

class Roll;

// The turn being played, and its parts by the names the game uses.
extern Turn turn;
extern int& currentState;
extern uint8_t& framePart;
extern float& ballX;
extern float& ballZ;
extern int& ballTheta;
extern float& ballSpeed;
extern float& ballSpeedChange;
extern float (&ballRollM)[16];
extern float* ballRollMatrix;
extern bool& useBumpers;
extern Pin (&pins)[pinCount];
extern Vector3D& eye;
extern Vector3D& look;

// Window and camera.
extern int GW;
extern int GH;
extern const Vector3D startEye;  // where the camera starts
extern float clickedX;
extern bool shouldDrawAxes;

// Opens the window, sets the fixed OpenGL state, registers the callbacks and
// loads the textures; a texture that cannot be loaded ends the program.
void startUp(int* argc, char** argv);
void init_lighting();
void display();
// The picture of a turn of a roll, a fraction of the way from the step
// before (for a physics that draws between its own steps).
void drawTurn(const Turn& shown, float fraction, Roll& roll);
void reshape(int w, int h);
void keyboard(unsigned char key, int x, int y);
void specialKeyboard(int key, int x, int y);
void mouse(int button, int state, int x, int y);
void mouseMove(int x, int y);
// One step of the power meter. Its timer outlives the release: the step due
// then comes between the roll's first ball step and its second.
void changeSpeed(int value);
void stepMeter(Turn& turn);
void reset();
