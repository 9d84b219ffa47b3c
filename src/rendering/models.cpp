// models.cpp: the ball and the pins, built from spheres.
#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>

#include "assets/assets.h"
#include "lane_geometry.h"
#include "option_door.h"
#include "physics/physics.h"
#include "rendering/rendering.h"

GLUquadric* ballQuadric = nullptr;
GLUquadric* pinQuadric = nullptr;

static const int sphereDetail = 40;  // slices and stacks

// Creates the quadric on first use and gives it the settings every textured
// sphere needs. Without one there is nothing to draw with, so the game ends.
static GLUquadric* texturedQuadric(GLUquadric*& quadric)
{
    if (!quadric) {
        quadric = gluNewQuadric();
        if (!quadric) {
            printf("Could not create a GLU quadric to draw with\n");
            exit(1);
        }
    }
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluQuadricOrientation(quadric, GLU_OUTSIDE);
    gluQuadricTexture(quadric, GL_TRUE);
    return quadric;
}

// The spheres are closed, so their far sides are always hidden: the player's
// game leaves them out, a third of a picture less for a software renderer.
static void drawSphere(GLUquadric* quadric, double radius)
{
    const bool cull = playerGame();
    if (cull)
        glEnable(GL_CULL_FACE);
    if (quadric)
        gluSphere(quadric, radius, sphereDetail, sphereDetail);
    else
        glutSolidSphere(radius, sphereDetail, sphereDetail);
    if (cull)
        glDisable(GL_CULL_FACE);
}

// While aiming the ball turns with the aim; the release folds that same turn
// into the roll matrix, so the ball does not jump when it starts rolling.
void drawBall(const Turn& shown)
{
    drawBallTurned(shown.currentState == rolling ? shown.ballRollM : nullptr, shown.ballTheta);
}

void drawBallTurned(const float* orientation, int theta)
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, ballTexture);
    glPushMatrix();
    glColor3f(0, 0, 1);
    glTranslatef(0, (float)ballRadius, 0);
    if (orientation)
        glMultMatrixf(orientation);
    else
        glRotatef((float)-theta, 0, 1, 0);
    drawSphere(texturedQuadric(ballQuadric), ballRadius);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

// The pin tilted in its tilt frame.
void Pin::draw() const
{
    if (!shown)
        return;
    const TiltFrame frame = tiltFrame();
    Vector3D axis = frame.axis;

    useMaterial(pinMaterial);
    glPushMatrix();
    glColor3f(1, 1, 1);
    glTranslatef(x - frame.offX, 0, z - frame.offZ);
    if (fallAngle > 0)
        glRotatef(fallAngle, axis.getDx(), axis.getDy(), axis.getDz());
    glTranslatef(frame.offX, 0, frame.offZ);

    drawPinModel();

    glPopMatrix();
}

// A white head lit with the pin material over a textured body. The body
// sphere is stood on end so its picture wraps round the pin, t from foot to top.
void drawPinModel()
{
    glPushMatrix();
    glTranslatef(0, 0.175f, 0);
    glScalef(0.03948f, 0.07f, 0.03948f);
    drawSphere(nullptr, 0.5);
    glPopMatrix();

    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, pinTexture);
    glPushMatrix();
    glTranslatef(0, 0.07f, 0);
    glScalef(0.03948f, 0.14f, 0.0658f);
    GLUquadric* quadric = texturedQuadric(pinQuadric);
    glRotatef(-90, 1, 0, 0);
    drawSphere(quadric, 0.5);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

void drawPins(const Pin (&rack)[pinCount])
{
    for (const Pin& pin : rack)
        pin.draw();
}
