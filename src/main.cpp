// main.cpp: start-up. Opens the window, sets the fixed OpenGL state, loads
// the textures and hands control to GLUT for good.
#include <GL/glut.h>

#include "assets/assets.h"
#include "final.h"

int main(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(500, 500);
    glutInitWindowPosition(100, 100);
    glutCreateWindow("Bowling");
    glClearColor(0, 0, 0, 1);

    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutKeyboardFunc(keyboard);
    glutSpecialFunc(specialKeyboard);
    glutMouseFunc(mouse);
    glutMotionFunc(mouseMove);

    glEnable(GL_DEPTH_TEST);
    init_lighting();
    init_tex();
    LoadTexture("balltexture.bmp", 1);
    LoadTexture("floor.bmp", 2);
    LoadTexture("pintexture.bmp", 3);

    glutMainLoop();
    return 0;
}
