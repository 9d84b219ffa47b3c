// overlays.cpp: the power meter, the aim arrow and the world axes.
#include <GL/glu.h>

#include "rendering/rendering.h"

static const float axisLength = 50;

void lookFromMeterCamera() { gluLookAt(0, 0, 1, 0, 0, 0, 0, 1, 0); }

void drawGaugeFrame(float left, float right)
{
    glColor3f(1, 1, 1);
    glBegin(GL_LINE_LOOP);
    glVertex3f(left, meterTop, 0);
    glVertex3f(right, meterTop, 0);
    glVertex3f(right, meterBottom, 0);
    glVertex3f(left, meterBottom, 0);
    glEnd();
}

// The only drawing made with lighting off, so the only one in its own colours.
void drawForceMeter(float power)
{
    const float barRight = (float)(power * 0.5 - 0.25);

    glDisable(GL_LIGHTING);
    drawGaugeFrame(meterLeft, meterRight);

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
void drawAimArrow(int theta)
{
    drawAimArrowTurned((float)-theta);
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
