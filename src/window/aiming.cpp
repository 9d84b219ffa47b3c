// aiming.cpp: what the player aims by: a line from the waiting ball through
// the target arrows, as a bowler picks a board there (where the ball is
// aimed, not where it will roll), and the meter's label.
#include <GL/gl.h>

#include "lane_geometry.h"
#include "overlay/overlay.h"
#include "window/window_parts.h"

// On past the arrows by half the ball's distance to them.
static const float lineReach = 1.5f;
static const float overLane = 0.002f;

void drawAimLine()
{
    const Turn& waiting = gameTurn();
    if (waiting.currentState == rolling)
        return;
    const float arrowsX = aimAtArrows(waiting);
    const float arrowsZ = (float)targetArrowsZ;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT | GL_POINT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1, 0.55f, 0.1f);
    glLineWidth(2);
    glBegin(GL_LINES);
    glVertex3f(waiting.ballX, overLane, waiting.ballZ);
    glVertex3f(waiting.ballX + (arrowsX - waiting.ballX) * lineReach, overLane,
               waiting.ballZ + (arrowsZ - waiting.ballZ) * lineReach);
    glEnd();
    glPointSize(6);
    glBegin(GL_POINTS);
    glVertex3f(arrowsX, overLane, arrowsZ);
    glEnd();
    glPopAttrib();
}

void drawMeterCaption()
{
    static const char caption[] = "SPEED";
    glPushAttrib(GL_CURRENT_BIT);
    glColor3f(1, 1, 1);
    drawMeterLabel(caption, meterLeft + textWidth(caption, meterLabelCapHeight) / 2, meterLabelOver);
    glPopAttrib();
}
