// main.cpp: our options, start-up, then GLUT's main loop for good.
#include <GL/glut.h>

#include "command_line.h"
#include "final.h"

int main(int argc, char** argv)
{
    readCommandLine(&argc, argv);
    startUp(&argc, argv);
    glutMainLoop();
    return 0;
}
