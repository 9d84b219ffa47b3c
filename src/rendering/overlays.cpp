// overlays.cpp: the power meter, the aim arrow and the world axes.
#include <GL/gl.h>

#include "final.h"
#include "rendering/rendering.h"

// Under the fixed overlay camera the plane z = 0 lies one unit in front of
// the eye; the meter sits centred in the lower part of the view.
static const float meterLeft = -0.25f;
static const float meterRight = 0.25f;
static const float meterTop = -0.45f;
static const float meterBottom = -0.55f;
static const float axisLength = 50;

// The only drawing made with lighting off, so the only one in its own colours.
void drawForceMeter()
{
    const float barRight = (float)(ballSpeed * 0.5 - 0.25);

    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    glBegin(GL_LINE_LOOP);
    glVertex3f(meterLeft, meterTop, 0);
    glVertex3f(meterRight, meterTop, 0);
    glVertex3f(meterRight, meterBottom, 0);
    glVertex3f(meterLeft, meterBottom, 0);
    glEnd();

    glColor3f(0, 1, 0);
    glBegin(GL_POLYGON);
    glVertex3f(meterLeft, meterTop, 0);
    glVertex3f(barRight, meterTop, 0);
    glVertex3f(barRight, meterBottom, 0);
    glVertex3f(meterLeft, meterBottom, 0);
    glEnd();
    glEnable(GL_LIGHTING);
}

// Lit like everything else and with no material of its own: the line takes
// the material the pins left current, not the colour set here.
void drawAimArrow()
{
    drawAimArrowTurned((float)-ballTheta);
}

void drawAimArrowTurned(float degrees)
{
    glPushMatrix();
    glTranslatef(0, 0.01f, 0);
    glRotatef(degrees, 0, 1, 0);
    glColor3f(0, 0, 0);
    glBegin(GL_LINES);
    glVertex3f(0, 0, 0);
    glVertex3f(0, 0, -0.2f);
    glEnd();
    glPopMatrix();
}

void drawAxes()
{
    glColor3f(1, 0, 0);
    glBegin(GL_LINES);
    glVertex3f(-axisLength, 0, 0);
    glVertex3f(axisLength, 0, 0);
    glVertex3f(0, -axisLength, 0);
    glVertex3f(0, axisLength, 0);
    glVertex3f(0, 0, -axisLength);
    glVertex3f(0, 0, axisLength);
    glEnd();
}
