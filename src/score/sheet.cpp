// sheet.cpp: the score sheet, the strip's top band: a row a bowler, each
// with the bowler's name, ten frame boxes and the game's score, and the
// best game beside the rows, in strip units.
#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <iterator>

#include "overlay/overlay.h"
#include "score/score.h"

// Named rows narrow the frames to make room for the names.
struct Columns {
    float name;  // the bowler's name; 0 for the one unnamed bowler
    float cell;  // one ball's mark
    float sum;   // the game's score, the best game
};
static const Columns unnamedColumns = {0, 18, 44};
static const Columns namedColumns = {100, 15, 40};
static const int boxes = framesPerGame + 2;
static const float sheetTop = 4;
static const float rowDivide = 18;  // below a row's top: marks above, totals below
static const float rowHigh = 38;
static const float capHeight = 10;
static const float markBaseline = rowDivide - 4;
static const float totalBaseline = rowHigh - 5;

float sheetUnitsHigh(int bowlerCount)
{
    return bandUnitsHigh[(int)StripBand::sheet] + (bowlerCount - 1) * rowHigh;
}

// The sheet being drawn, for the band's drawing, and its columns.
static const Bowlers* drawing = nullptr;
static int drawingBest = noScore;
static Columns columns = unnamedColumns;

static float sheetWidth() { return columns.name + (2 * framesPerGame + 1) * columns.cell + 2 * columns.sum; }
static float sheetLeft() { return (stripUnitsWide - sheetWidth()) / 2; }
static float sheetRight() { return sheetLeft() + sheetWidth(); }
static float framesLeft() { return sheetLeft() + columns.name; }
static float rowTop(int row) { return sheetTop + row * rowHigh; }

// Frames first, then the score and the best game; the box after the last
// starts at the sheet's right edge.
static float boxLeft(int box)
{
    if (box < framesPerGame)
        return framesLeft() + box * 2 * columns.cell;
    return sheetRight() - (boxes - box) * columns.sum;
}

static float boxCentre(int box) { return (boxLeft(box) + boxLeft(box + 1)) / 2; }

static void line(float x0, float y0, float x1, float y1)
{
    glVertex2f(x0, y0);
    glVertex2f(x1, y1);
}

// The best game's box spans the rows: their lines below its labels stop
// at it. A name's box is the row's whole height.
static void drawLines(int rows)
{
    const int best = framesPerGame + 1;
    const float bottom = rowTop(rows);
    glColor3f(0.8f, 0.8f, 0.8f);
    glBegin(GL_LINES);
    for (int row = 0; row < rows; row++) {
        const float top = rowTop(row);
        if (row == 0)
            line(sheetLeft(), top, sheetRight(), top);
        line(framesLeft(), top + rowDivide, row == 0 ? sheetRight() : boxLeft(best), top + rowDivide);
        line(sheetLeft(), top + rowHigh, row == rows - 1 ? sheetRight() : boxLeft(best), top + rowHigh);
        if (columns.name > 0)
            line(sheetLeft(), top, sheetLeft(), top + rowHigh);
        for (int box = 0; box <= boxes; box++)
            if (box <= best - 1 || row == 0)
                line(boxLeft(box), top, boxLeft(box), box <= best - 1 ? top + rowHigh : bottom);
        // Between the mark cells of a frame: after each odd cell, and the
        // tenth frame's third.
        for (int cell = 1; cell < maxBallsPerGame; cell++)
            if (cell % 2 == 1 || cell == maxBallsPerGame - 1)
                line(framesLeft() + cell * columns.cell, top, framesLeft() + cell * columns.cell, top + rowDivide);
    }
    glEnd();
}

static void drawNumber(int number, int box, float top)
{
    char text[8];
    snprintf(text, sizeof text, "%d", number);
    drawText(text, boxCentre(box), top + totalBaseline, capHeight);
}

// The name as large as its box lets it be, up to the marks' size.
static void drawName(const char* name, float top)
{
    const float room = columns.name - 6;
    const float cap = capHeight * std::min(1.0f, room / std::max(textWidth(name, capHeight), 1.0f));
    drawText(name, sheetLeft() + columns.name / 2, top + (rowHigh + cap) / 2, cap);
}

static void drawRow(const ScoreSheet& sheet, const char* name, float top)
{
    for (int cell = 0; cell < maxBallsPerGame; cell++) {
        const char mark[] = {sheet.marks[cell], '\0'};
        if (mark[0] != ' ')
            drawText(mark, framesLeft() + (cell + 0.5f) * columns.cell, top + markBaseline, capHeight);
    }
    for (int frame = 0; frame < framesPerGame; frame++)
        if (sheet.runningTotals[frame] != noScore)
            drawNumber(sheet.runningTotals[frame], frame, top);
    drawNumber(sheet.score, framesPerGame, top);
    if (columns.name > 0)
        drawName(name, top);
}

static void drawFigures(const Bowlers& bowlers, int best)
{
    glColor3f(1, 1, 1);
    for (int row = 0; row < bowlers.count; row++)
        drawRow(bowlers.sheets[row], bowlers.names[row], rowTop(row));
    drawText("Game", boxCentre(framesPerGame), sheetTop + markBaseline, capHeight);
    drawText("Best", boxCentre(framesPerGame + 1), sheetTop + markBaseline, capHeight);
    if (best != noScore)
        drawNumber(best, framesPerGame + 1, sheetTop);
}

// The bowler up, while the game goes on: the name's box lit.
static void drawUp(const Bowlers& bowlers)
{
    if (columns.name == 0 || bowlers.sheets[bowlers.up].gameOver)
        return;
    glColor3f(0.2f, 0.35f, 0.65f);
    const float top = rowTop(bowlers.up);
    glRectf(sheetLeft(), top, sheetLeft() + columns.name, top + rowHigh);
}

static void drawSheet()
{
    drawUp(*drawing);
    drawLines(drawing->count);
    drawFigures(*drawing, drawingBest);
}

// What the band shows: its kept picture stands while this is the same.
struct Shown {
    int count, up, best;
    char names[maxBowlers][bowlerNameRoom];
    char marks[maxBowlers][maxBallsPerGame + 1];
    int runningTotals[maxBowlers][framesPerGame];
    int score[maxBowlers];
};

void drawStrip(const Bowlers& bowlers, int best)
{
    Shown shown;
    memset(&shown, 0, sizeof shown);  // the padding too: the bytes are compared
    shown.count = bowlers.count;
    shown.up = bowlers.sheets[bowlers.up].gameOver ? -1 : bowlers.up;
    shown.best = best;
    for (int row = 0; row < bowlers.count; row++) {
        const ScoreSheet& sheet = bowlers.sheets[row];
        std::copy(std::begin(bowlers.names[row]), std::end(bowlers.names[row]), shown.names[row]);
        std::copy(std::begin(sheet.marks), std::end(sheet.marks), shown.marks[row]);
        std::copy(std::begin(sheet.runningTotals), std::end(sheet.runningTotals), shown.runningTotals[row]);
        shown.score[row] = sheet.score;
    }
    drawing = &bowlers;
    drawingBest = best;
    columns = bowlers.names[0][0] ? namedColumns : unnamedColumns;
    drawStripBand(StripBand::sheet, &shown, sizeof shown, drawSheet);
}
