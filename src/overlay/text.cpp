// text.cpp: text in GLUT's stroke font, sized by its capitals, so that it
// scales with whatever units it is drawn in.
#include <GL/freeglut.h>

#include "overlay/overlay.h"

static void* const font = GLUT_STROKE_ROMAN;
static const float romanCapHeight = 100;  // font units from baseline to a capital's top

void drawText(const char* text, float centreX, float baseline, float capHeight)
{
    const float scale = capHeight / romanCapHeight;
    const float width = glutStrokeLengthf(font, (const unsigned char*)text) * scale;
    glPushMatrix();
    glTranslatef(centreX - width / 2, baseline, 0);
    glScalef(scale, -scale, 1);
    glutStrokeString(font, (const unsigned char*)text);
    glPopMatrix();
}

float textWidth(const char* text, float capHeight)
{
    return glutStrokeLengthf(font, (const unsigned char*)text) * capHeight / romanCapHeight;
}

void drawMeterLabel(const char* text, float centreX, float baseline)
{
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    glLoadIdentity();
    lookFromMeterCamera();
    glScalef(1, -1, 1);  // the text's y runs downwards
    drawText(text, centreX, -baseline, meterLabelCapHeight);
    glPopMatrix();
    glPopAttrib();
}
