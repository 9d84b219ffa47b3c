// game_hooks.cpp: scoring through the option door: the pins each ball
// knocks down, the end of a game and the new rack after it, and the strip.
#include <algorithm>
#include <cstdio>

#include "final.h"
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

namespace {

class ScoreOption : public PlayerOption {
    void placeWindow(WindowPlacement& placement) override
    {
        if (scoring)
            placement.height += stripHeight(placement.width);
    }

    void layOut(SceneLayout& layout) override
    {
        if (scoring)
            layOutBelowStrip(layout);
    }

    void ballReleased() override
    {
        if (scoring)
            pinsAtRelease = pinsStanding();
    }

    void rollEnded() override
    {
        if (scoring)
            recordBall(pinsAtRelease - pinsStanding());
    }

    void sceneDrawn() override
    {
        if (scoring)
            drawStrip(sheet, bestScore);
    }

    void programEnds() override { offerUnsavedBest(); }
};

}  // namespace

PlayerOption& scoreOption()
{
    static ScoreOption option;
    return option;
}
