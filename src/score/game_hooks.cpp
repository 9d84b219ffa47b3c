// game_hooks.cpp: scoring through the option door: the pins each ball
// knocks down, the end of a game, its panel and the new rack after it, and
// the sheet in the strip.
#include <GL/glut.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "final.h"
#include "overlay/overlay.h"
#include "score/score.h"

static bool scoring = false;
static int balls[maxBallsPerGame];  // the current game's, as pins down
static int ballCount = 0;
static ScoreSheet sheet = scoreSheet(balls, 0);
static int bestScore = noScore;
static int pinsAtRelease = 0;
static bool gameOverShown = false;  // the panel, until Space
static bool newBest = false;        // the game just over beat every one before
static bool underPanel = false;     // another panel covers the scene, this one's place

static void freshSheet()
{
    ballCount = 0;
    sheet = scoreSheet(balls, 0);
    gameOverShown = false;
}

void keepScore(bool on)
{
    scoring = on;
    freshSheet();
    bestScore = on ? readBestScore() : noScore;
    showStripBand(StripBand::sheet, on);
}

void recordBall(int pinsDown)
{
    // A finished sheet stays up until the next game's first ball is in.
    if (sheet.gameOver)
        freshSheet();
    balls[ballCount++] = pinsDown;
    sheet = scoreSheet(balls, ballCount);
    if (!sheet.gameOver)
        return;
    // Another game may have saved a better one since this one started; a
    // best that could not be saved still counts for this run.
    const int bestNow = offerBestScore(sheet.score);
    newBest = sheet.score > bestScore && sheet.score >= bestNow;
    bestScore = std::max(bestScore, bestNow);
    gameOverShown = true;
    printf("Game over: %d points, best game %d\n", sheet.score, bestScore);
    fflush(stdout);  // the player may be reading through a pipe
    framePart = 0;  // reset sets up a full rack for the new game
}

const ScoreSheet* currentSheet()
{
    return scoring ? &sheet : nullptr;
}

static void drawGameOver()
{
    char score[32], best[32];
    snprintf(score, sizeof score, "%d points", sheet.score);
    snprintf(best, sizeof best, newBest ? "A new best game!" : "Best game: %d", bestScore);
    const char* const lines[] = {score, best, "", "Space: new game"};
    drawPanel("Game over", lines, 4);
}

namespace {

class ScoreOption : public PlayerOption {
    void layOut(SceneLayout& layout) override
    {
        if (scoring)
            layOutStrip(layout);
    }

    // Space after a game's end starts the next: a fresh sheet, the ball in
    // the hand. No other key of the game acts behind the panel.
    bool takeKey(unsigned char key) override
    {
        if (!gameOverShown)
            return false;
        const int lower = tolower(key);
        if (key == ' ') {
            freshSheet();
            glutPostRedisplay();
        }
        return key == ' ' || lower == 'a' || lower == 'd' || lower == 'b';
    }

    bool takeSpecialKey(int key) override
    {
        return gameOverShown && (key == GLUT_KEY_LEFT || key == GLUT_KEY_RIGHT || key == GLUT_KEY_UP || key == GLUT_KEY_DOWN);
    }

    void gamePaused(bool paused) override { underPanel = paused; }

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

    // The abandoned game's balls are forgotten, never saved.
    void gameRestarted() override
    {
        if (scoring)
            freshSheet();
    }

    void sceneDrawn() override
    {
        if (!scoring)
            return;
        drawStrip(sheet, bestScore);
        if (gameOverShown && !underPanel)
            drawGameOver();
    }

    void programEnds() override { offerUnsavedBest(); }
};

}  // namespace

PlayerOption& scoreOption()
{
    static ScoreOption option;
    return option;
}
