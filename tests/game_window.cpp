#include "game_window.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

#include "assets/assets.h"
#include "final.h"
#include "glut_recorder.h"

void openGameWindow(int argc, char** argv)
{
    if (!getenv("DISPLAY")) {
        printf("The game tests need an X display: run them under xvfb-run -a\n");
        exit(1);
    }
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(500, 500);
    glutInitWindowPosition(100, 100);
    glutCreateWindow("Bowling");
    glClearColor(0, 0, 0, 1);
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glEnable(GL_DEPTH_TEST);
    init_lighting();
    init_tex();
    LoadTexture("balltexture.bmp", 1);
    LoadTexture("floor.bmp", 2);
    LoadTexture("pintexture.bmp", 3);
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
