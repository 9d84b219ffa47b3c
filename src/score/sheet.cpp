// sheet.cpp: the score sheet along the top of the view, drawn last under the
// fixed overlay camera: ten frame boxes, the game's score and the best game.
#include <GL/glut.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "score/score.h"

// Laid out in pixels of the 500 x 500 window from its top left. Under the
// overlay camera the plane z = 0 lies one unit in front of the eye, so the
// 60 degree view spans 2 tan(30 degrees) units of it.
static const int viewPixels = 500;
static const double halfView = 0.5773502691896258;  // tan(30 degrees)

static void* const font = GLUT_BITMAP_9_BY_15;
static const int glyphWidth = 9;
static const int cellWidth = 18;  // one ball's mark
static const int frameWidth = 2 * cellWidth;
static const int tenthWidth = 3 * cellWidth;
static const int sumWidth = 44;   // the game's score, the best game
static const int boxes = framesPerGame + 2;
static const int sheetWidth = (framesPerGame - 1) * frameWidth + tenthWidth + 2 * sumWidth;
static const int sheetLeft = (viewPixels - sheetWidth) / 2;
static const int sheetRight = sheetLeft + sheetWidth;
static const int sumsLeft = sheetRight - 2 * sumWidth;
static const int sheetTop = 4;
static const int rowDivide = sheetTop + 18;   // marks above, totals below
static const int sheetBottom = rowDivide + 20;
static const int markBaseline = rowDivide - 4;
static const int totalBaseline = sheetBottom - 5;

// Where the overlay plane shows the centre of pixel (x, y). Bitmaps start at
// the pixel their raster position lies in, so text lands exactly there.
static double overlayX(int x) { return ((x + 0.5) / (viewPixels / 2.0) - 1) * halfView; }
static double overlayY(int y) { return (1 - (y + 0.5) / (viewPixels / 2.0)) * halfView; }

static void corner(int x, int y) { glVertex2d(overlayX(x), overlayY(y)); }

// Frames first, then the score and the best game; the box after the last
// starts at the sheet's right edge.
static int boxLeft(int box)
{
    if (box < framesPerGame)
        return sheetLeft + box * frameWidth;
    return sumsLeft + (box - framesPerGame) * sumWidth;
}

// Dims what lies behind, so the marks read over the pins and the pins still show.
static void drawBackdrop()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0, 0, 0, 0.6f);
    glBegin(GL_QUADS);
    corner(sheetLeft, sheetTop);
    corner(sheetRight, sheetTop);
    corner(sheetRight, sheetBottom);
    corner(sheetLeft, sheetBottom);
    glEnd();
    glDisable(GL_BLEND);
}

static void drawLines()
{
    glColor3f(0.8f, 0.8f, 0.8f);
    glBegin(GL_LINES);
    for (int y : {sheetTop, rowDivide, sheetBottom}) {
        corner(sheetLeft, y);
        corner(sheetRight, y);
    }
    for (int box = 0; box <= boxes; box++) {
        corner(boxLeft(box), sheetTop);
        corner(boxLeft(box), sheetBottom);
    }
    // Between the mark cells of a frame: after each odd cell, and the
    // tenth frame's third.
    for (int cell = 1; cell < maxBallsPerGame; cell++) {
        if (cell % 2 == 1 || cell == maxBallsPerGame - 1) {
            corner(sheetLeft + cell * cellWidth, sheetTop);
            corner(sheetLeft + cell * cellWidth, rowDivide);
        }
    }
    glEnd();
}

static void drawText(const char* text, int left, int width, int baseline)
{
    const int textLeft = left + (width - glyphWidth * (int)strlen(text)) / 2;
    glRasterPos2d(overlayX(textLeft), overlayY(baseline));
    for (const char* c = text; *c; c++)
        glutBitmapCharacter(font, *c);
}

static void drawNumber(int number, int box)
{
    char text[8];
    snprintf(text, sizeof text, "%d", number);
    drawText(text, boxLeft(box), boxLeft(box + 1) - boxLeft(box), totalBaseline);
}

// Row by row, each from left to right: Mesa gathers bitmaps that follow one
// another along a row into one image drawn once, and every jump between the
// rows costs it another.
static void drawFigures(const ScoreSheet& sheet, int best)
{
    glColor3f(1, 1, 1);
    for (int cell = 0; cell < maxBallsPerGame; cell++) {
        const char mark[] = {sheet.marks[cell], '\0'};
        if (mark[0] != ' ')
            drawText(mark, sheetLeft + cell * cellWidth, cellWidth, markBaseline);
    }
    drawText("Game", boxLeft(framesPerGame), sumWidth, markBaseline);
    drawText("Best", boxLeft(framesPerGame + 1), sumWidth, markBaseline);

    for (int frame = 0; frame < framesPerGame; frame++)
        if (sheet.runningTotals[frame] != noScore)
            drawNumber(sheet.runningTotals[frame], frame);
    drawNumber(sheet.score, framesPerGame);
    if (best != noScore)
        drawNumber(best, framesPerGame + 1);
}

// Leaves every piece of state it touches as it found it.
void drawSheet(const ScoreSheet& sheet, int best)
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    gluLookAt(0, 0, 1, 0, 0, 0, 0, 1, 0);
    drawBackdrop();
    drawLines();
    drawFigures(sheet, best);
    glPopMatrix();
    glPopAttrib();
}
