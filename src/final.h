// final.h: the game's state, the window and camera globals, and the GLUT
// callbacks that drive the turn cycle. Every callback runs on GLUT's one
// thread; between callbacks the modelview matrix is the identity.
#pragma once

#include <cstdint>

#include "vector3d.h"

enum GameState { aiming = 0, powering = 1, rolling = 2 };

// Window and camera.
extern int GW;
extern int GH;
extern Vector3D eye;
extern Vector3D look;
extern float clickedX;

// Game state.
extern int currentState;
extern uint8_t framePart;
extern float ballX;
extern float ballZ;
extern int ballTheta;
extern float ballSpeed;
extern float ballSpeedChange;
extern float ballRollM[16];
extern float* ballRollMatrix;
extern bool useBumpers;
extern bool shouldDrawAxes;

// Opens the window, sets the fixed OpenGL state, registers the callbacks and
// loads the textures; a texture that cannot be loaded ends the program.
void startUp(int* argc, char** argv);
void init_lighting();
void display();
void reshape(int w, int h);
void keyboard(unsigned char key, int x, int y);
void specialKeyboard(int key, int x, int y);
void mouse(int button, int state, int x, int y);
void mouseMove(int x, int y);
void changeSpeed(int value);
void reset();

// Every motion advances in steps of one 50 ms timer tick.
inline constexpr int stepMilliseconds = 50;
// The plain game's window, and the scene in the player's at first.
inline constexpr int startWindowSize = 500;
