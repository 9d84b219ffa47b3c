#include "game_window.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "final.h"
#include "glut_recorder.h"

namespace {

// Everything a game or test may change, as the program starts.
struct GameGlobals {
    Vector3D eye = ::eye, look = ::look;
    float clickedX = ::clickedX;
    int currentState = ::currentState;
    uint8_t framePart = ::framePart;
    float ballX = ::ballX, ballZ = ::ballZ;
    int ballTheta = ::ballTheta;
    float ballSpeed = ::ballSpeed, ballSpeedChange = ::ballSpeedChange;
    float ballRollM[16];
    float* ballRollMatrix = ::ballRollMatrix;
    bool useBumpers = ::useBumpers, shouldDrawAxes = ::shouldDrawAxes;
    Pin pins[10];

    GameGlobals()
    {
        std::copy(::ballRollM, ::ballRollM + 16, ballRollM);
        std::copy(::pins, ::pins + 10, pins);
    }
};

// Noted on the first call, which openGameWindow makes before the game starts.
const GameGlobals& startValues()
{
    static const GameGlobals values;
    return values;
}

}  // namespace

void openGameWindow(int argc, char** argv)
{
    startValues();
    if (!getenv("DISPLAY")) {
        printf("The game tests need an X display: run them under xvfb-run -a\n");
        exit(1);
    }
    startUp(&argc, argv);
    while (GW == 0)
        glutMainLoopEvent();
    glutRecorder::clear();
}

void restoreStartState()
{
    const GameGlobals& s = startValues();
    eye = s.eye;
    look = s.look;
    clickedX = s.clickedX;
    currentState = s.currentState;
    framePart = s.framePart;
    ballX = s.ballX;
    ballZ = s.ballZ;
    ballTheta = s.ballTheta;
    ballSpeed = s.ballSpeed;
    ballSpeedChange = s.ballSpeedChange;
    std::copy(s.ballRollM, s.ballRollM + 16, ballRollM);
    ballRollMatrix = s.ballRollMatrix;
    useBumpers = s.useBumpers;
    shouldDrawAxes = s.shouldDrawAxes;
    std::copy(s.pins, s.pins + 10, pins);
    glutRecorder::clear();
}
