#include "game_window.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

#include "final.h"
#include "glut_recorder.h"

void openGameWindow(int argc, char** argv)
{
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
    eye = Vector3D(0, 1, 1);
    look = Vector3D(0, 0, 0);
    clickedX = 0;
    currentState = aiming;
    framePart = 0;
    useBumpers = false;
    shouldDrawAxes = false;
    reset();  // ball, meter, spin and, with framePart 0, the rack
    glutRecorder::clear();
}
