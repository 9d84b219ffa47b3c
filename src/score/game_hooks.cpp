// game_hooks.cpp: scoring hooked into the turn cycle: the pins each ball
// knocks down, the end of a game and the new rack after it.
#include <algorithm>
#include <cstdio>

#include "final.h"
#include "physics/physics.h"
#include "score/score.h"
#include "score/strip.h"

static bool scoring = false;
static int balls[maxBallsPerGame];  // the current game's, as pins down
static int ballCount = 0;
static ScoreSheet sheet = scoreSheet(balls, 0);
static int bestScore = noScore;
static int pinsAtRelease = 0;

void keepScore(bool on)
{
    scoring = on;
    ballCount = 0;
    sheet = scoreSheet(balls, 0);
    bestScore = on ? readBestScore() : noScore;
}

// A roll ends only when no pin is falling: a pin shown is a pin standing.
static int pinsShown()
{
    int shown = 0;
    for (Pin& pin : pins)
        shown += pin.isShown();
    return shown;
}

void scoreBallReleased()
{
    if (scoring)
        pinsAtRelease = pinsShown();
}

void scoreRollEnded()
{
    if (scoring)
        recordBall(pinsAtRelease - pinsShown());
}

void recordBall(int pinsDown)
{
    // A finished sheet stays up until the next game's first ball is in.
    if (sheet.gameOver)
        ballCount = 0;
    balls[ballCount++] = pinsDown;
    sheet = scoreSheet(balls, ballCount);
    if (!sheet.gameOver)
        return;
    // Another game may have saved a better one since this one started; a
    // best that could not be saved still counts for this run.
    bestScore = std::max(bestScore, offerBestScore(sheet.score));
    printf("Game over: %d points, best game %d\n", sheet.score, bestScore);
    fflush(stdout);  // the player may be reading through a pipe
    framePart = 0;  // reset sets up a full rack for the new game
}

const ScoreSheet* currentSheet()
{
    return scoring ? &sheet : nullptr;
}

void drawScore()
{
    if (scoring)
        drawStrip(sheet, bestScore);
}

int scoreStripHeight(int windowWidth)
{
    return scoring ? stripHeight(windowWidth) : 0;
}

void scoreWindowReshaped(int w, int h)
{
    if (scoring)
        layOutBelowStrip(w, h);
}
