// sheet.cpp: the score sheet, the strip's top band: ten frame boxes, the
// game's score and the best game, in strip units.
#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <iterator>

#include "overlay/overlay.h"
#include "score/score.h"

static const float cellWidth = 18;  // one ball's mark
static const float frameWidth = 2 * cellWidth;
static const float tenthWidth = 3 * cellWidth;
static const float sumWidth = 44;   // the game's score, the best game
static const int boxes = framesPerGame + 2;
static const float sheetWidth = (framesPerGame - 1) * frameWidth + tenthWidth + 2 * sumWidth;
static const float sheetLeft = (stripUnitsWide - sheetWidth) / 2;
static const float sheetRight = sheetLeft + sheetWidth;
static const float sumsLeft = sheetRight - 2 * sumWidth;
static const float sheetTop = 4;
static const float rowDivide = 22;  // marks above, totals below
static const float sheetBottom = 42;
static const float capHeight = 10;
static const float markBaseline = rowDivide - 4;
static const float totalBaseline = sheetBottom - 5;

// Frames first, then the score and the best game; the box after the last
// starts at the sheet's right edge.
static float boxLeft(int box)
{
    if (box < framesPerGame)
        return sheetLeft + box * frameWidth;
    return sumsLeft + (box - framesPerGame) * sumWidth;
}

static float boxCentre(int box) { return (boxLeft(box) + boxLeft(box + 1)) / 2; }

static void drawLines()
{
    glColor3f(0.8f, 0.8f, 0.8f);
    glBegin(GL_LINES);
    for (float y : {sheetTop, rowDivide, sheetBottom}) {
        glVertex2f(sheetLeft, y);
        glVertex2f(sheetRight, y);
    }
    for (int box = 0; box <= boxes; box++) {
        glVertex2f(boxLeft(box), sheetTop);
        glVertex2f(boxLeft(box), sheetBottom);
    }
    // Between the mark cells of a frame: after each odd cell, and the
    // tenth frame's third.
    for (int cell = 1; cell < maxBallsPerGame; cell++) {
        if (cell % 2 == 1 || cell == maxBallsPerGame - 1) {
            glVertex2f(sheetLeft + cell * cellWidth, sheetTop);
            glVertex2f(sheetLeft + cell * cellWidth, rowDivide);
        }
    }
    glEnd();
}

static void drawNumber(int number, int box)
{
    char text[8];
    snprintf(text, sizeof text, "%d", number);
    drawText(text, boxCentre(box), totalBaseline, capHeight);
}

static void drawFigures(const ScoreSheet& sheet, int best)
{
    glColor3f(1, 1, 1);
    for (int cell = 0; cell < maxBallsPerGame; cell++) {
        const char mark[] = {sheet.marks[cell], '\0'};
        if (mark[0] != ' ')
            drawText(mark, sheetLeft + (cell + 0.5f) * cellWidth, markBaseline, capHeight);
    }
    drawText("Game", boxCentre(framesPerGame), markBaseline, capHeight);
    drawText("Best", boxCentre(framesPerGame + 1), markBaseline, capHeight);

    for (int frame = 0; frame < framesPerGame; frame++)
        if (sheet.runningTotals[frame] != noScore)
            drawNumber(sheet.runningTotals[frame], frame);
    drawNumber(sheet.score, framesPerGame);
    if (best != noScore)
        drawNumber(best, framesPerGame + 1);
}

// What the band shows: its kept picture stands while this is the same.
struct Shown {
    char marks[maxBallsPerGame + 1];
    int runningTotals[framesPerGame];
    int score, best;
};

// The sheet being drawn, for the band's drawing.
static const ScoreSheet* drawing = nullptr;
static int drawingBest = noScore;

static void drawSheet()
{
    drawLines();
    drawFigures(*drawing, drawingBest);
}

void drawStrip(const ScoreSheet& sheet, int best)
{
    Shown shown;
    memset(&shown, 0, sizeof shown);  // the padding too: the bytes are compared
    std::copy(std::begin(sheet.marks), std::end(sheet.marks), shown.marks);
    std::copy(std::begin(sheet.runningTotals), std::end(sheet.runningTotals), shown.runningTotals);
    shown.score = sheet.score;
    shown.best = best;
    drawing = &sheet;
    drawingBest = best;
    drawStripBand(StripBand::sheet, &shown, sizeof shown, drawSheet);
}
