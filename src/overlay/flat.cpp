// flat.cpp: the flat drawing the strip and the panels share.
#include <GL/gl.h>

#include <algorithm>

#include "overlay/overlay.h"

void beginFlat(float left, float right, float bottom, float top)
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_VIEWPORT_BIT | GL_LINE_BIT |
                 GL_TEXTURE_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(left, right, bottom, top, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
}

void endFlat()
{
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

bool centredUnits(float units, CentredUnits& centred)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    centred.pixelsPerUnit = std::min(viewport[2], viewport[3]) / units;
    if (centred.pixelsPerUnit <= 0)
        return false;
    centred.halfWide = viewport[2] / centred.pixelsPerUnit / 2;
    centred.halfHigh = viewport[3] / centred.pixelsPerUnit / 2;
    return true;
}

void beginCentredFlat(const CentredUnits& centred)
{
    beginFlat(-centred.halfWide, centred.halfWide, centred.halfHigh, -centred.halfHigh);
}
