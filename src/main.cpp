// main.cpp: start-up, then GLUT's main loop for good.
#include <GL/glut.h>

#include "final.h"

int main(int argc, char** argv)
{
    startUp(&argc, argv);
    glutMainLoop();
    return 0;
}
