// throw_player.h: plays one ball as a player would, through the keys and the
// recorded GLUT timers, and checks every ball step on the way.
#pragma once

#include <array>
#include <string>

// From aiming until the game aims again: space, meterSteps swings of the
// power meter (0 releases at full power, 15 at none), space, then the ball
// steps until the game aims again. Fails the running test if a step
// moves the modelview matrix, asks for other than one redraw, arms other than
// one timer (none at the end), leaves a NaN or raises, brings back or turns a
// pin, or if the frame's bookkeeping after the roll is wrong.
void rollBall(int meterSteps, const std::string& name);

// The modelview matrix, its stack depth and the matrix mode.
using MatrixState = std::array<float, 18>;
MatrixState matrixState();
