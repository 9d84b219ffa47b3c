// strip.cpp: with --score the window is taller by a strip above the scene,
// so the sheet covers nothing of the lane, and the scene is laid out below
// it as the whole window would be without the option.
#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>

#include "final.h"
#include "score/strip.h"

static void* const font = GLUT_STROKE_ROMAN;
static const float romanCapHeight = 100;  // font units from baseline to a capital's top
static const float strokeWeight = 1.1f;   // text line width in strip units
static int stripWidth = 0;                // pixels, as last laid out
static int stripRows = 0;

int stripHeight(int windowWidth)
{
    return (int)std::lround(windowWidth * (stripUnitsHigh / stripUnitsWide));
}

void layOutBelowStrip(int w, int h)
{
    GH = std::max(h - stripHeight(w), 0);
    stripWidth = w;
    stripRows = h - GH;
    glViewport(0, 0, w, GH);
}

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

static void drawBackdrop()
{
    glColor3f(0.12f, 0.12f, 0.14f);
    glRectf(0, 0, stripUnitsWide, stripUnitsHigh);
}

// Leaves every piece of state it touches as it found it.
void drawStrip(const ScoreSheet& sheet, int best)
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_VIEWPORT_BIT | GL_LINE_BIT);
    glViewport(0, GH, stripWidth, stripRows);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, stripUnitsWide, stripUnitsHigh, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    // Smoothed lines as wide as the strip's scale makes them: text that
    // reads alike at every size.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(std::max(1.0f, strokeWeight * stripWidth / stripUnitsWide));

    drawBackdrop();
    drawSheet(sheet, best);
    drawHint();

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
