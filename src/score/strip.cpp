// strip.cpp: with --score the window is taller by a strip above the scene,
// so the sheet covers nothing of the lane, and the scene is laid out below
// it as the whole window would be without the option.
#include <GL/freeglut.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <tuple>

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

void layOutBelowStrip(SceneLayout& layout)
{
    const int w = layout.windowWidth;
    layout.viewportHeight = std::max(layout.windowHeight - stripHeight(w), 0);
    stripWidth = w;
    stripRows = layout.windowHeight - layout.viewportHeight;
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

// Smoothed stroke text costs the software renderer about a millisecond a
// picture, and the strip changes only with the sheet, the state and the
// window's size: it is drawn once, kept as a texture and copied from then on.
struct StripContent {
    std::array<char, maxBallsPerGame + 1> marks;
    std::array<int, framesPerGame> runningTotals;
    int score, best, state, width, rows;

    bool operator==(const StripContent& other) const
    {
        return std::tie(marks, runningTotals, score, best, state, width, rows) ==
               std::tie(other.marks, other.runningTotals, other.score, other.best, other.state, other.width,
                        other.rows);
    }
};
static StripContent copied;
static GLuint copy = 0;  // texture name; 0 until the first strip is drawn

static StripContent contentOf(const ScoreSheet& sheet, int best)
{
    StripContent content;
    std::copy(std::begin(sheet.marks), std::end(sheet.marks), content.marks.begin());
    std::copy(std::begin(sheet.runningTotals), std::end(sheet.runningTotals), content.runningTotals.begin());
    content.score = sheet.score;
    content.best = best;
    content.state = currentState;
    content.width = stripWidth;
    content.rows = stripRows;
    return content;
}

// Texel for pixel: the quad covers the strip's viewport exactly.
static void drawCopy()
{
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, copy);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2f(0, 0);
    glTexCoord2f(1, 1);
    glVertex2f(stripUnitsWide, 0);
    glTexCoord2f(1, 0);
    glVertex2f(stripUnitsWide, stripUnitsHigh);
    glTexCoord2f(0, 0);
    glVertex2f(0, stripUnitsHigh);
    glEnd();
}

static void drawAndKeep(const ScoreSheet& sheet, int best)
{
    // Smoothed lines as wide as the strip's scale makes them: text that
    // reads alike at every size.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(std::max(1.0f, strokeWeight * stripWidth / stripUnitsWide));
    drawBackdrop();
    drawSheet(sheet, best);
    drawHint();

    if (!copy)
        glGenTextures(1, &copy);
    glBindTexture(GL_TEXTURE_2D, copy);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, GH, stripWidth, stripRows, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
}

// Leaves every piece of state it touches as it found it.
void drawStrip(const ScoreSheet& sheet, int best)
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_VIEWPORT_BIT | GL_LINE_BIT |
                 GL_TEXTURE_BIT);
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
    const StripContent content = contentOf(sheet, best);
    if (copy && content == copied) {
        drawCopy();
    } else {
        drawAndKeep(sheet, best);
        copied = content;
    }

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
