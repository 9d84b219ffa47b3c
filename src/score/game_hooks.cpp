// game_hooks.cpp: scoring through the option door: the pins each ball
// knocks down, the end of a game, its panel and the new rack after it, and
// the sheet in the strip.
#include <GL/glut.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "overlay/overlay.h"
#include "score/best_file.h"
#include "score/score.h"

static bool scoring = false;
static int balls[maxBallsPerGame];  // the current game's, as pins down
static int ballCount = 0;
static ScoreSheet sheet = scoreSheet(balls, 0);
static int bestScore = noScore;
static int pinsAtRelease = 0;
static bool gameOverShown = false;  // the panel, until Space
static int endedScore = noScore;    // the game just over: its score,
static int bestBefore = noScore;    // the best before it,
static BestSave bestSave = BestSave::done;  // where its save stands
static bool newBest = false;        // and whether it beat every one before, saved or soon
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

// Another game may have saved a better one since this one started; a best
// waiting for another game's lock still counts for this run, one that
// could not be saved does not.
static void tellBest(BestOffer offer)
{
    bestSave = offer.save;
    const bool saving = bestSave == BestSave::waiting || bestSave == BestSave::postponed;
    newBest = bestSave != BestSave::failed && endedScore > bestBefore && endedScore >= offer.best;
    bestScore = std::max({bestBefore, offer.best, saving ? endedScore : noScore});
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
    endedScore = sheet.score;
    bestBefore = bestScore;
    tellBest(offerBestScore(sheet.score));
    gameOverShown = true;
    // Told at once, even while the save waits for another game.
    if (bestScore == noScore)
        printf("Game over: %d points, not saved\n", sheet.score);
    else
        printf("Game over: %d points, best game %d%s\n", sheet.score, bestScore,
               bestSave == BestSave::failed ? ", not saved" : bestSave == BestSave::done ? "" : ", not saved yet");
    fflush(stdout);  // the player may be reading through a pipe
    endFrame();  // the new game starts on a full rack
}

// Tries again while another game holds the lock, never making the game
// wait.
static void retrySave(int)
{
    tellBest(retryBestScore());
    if (bestSave == BestSave::waiting)
        armTimer(lockRetryMilliseconds, retrySave, 0);
    glutPostRedisplay();
}

const ScoreSheet* currentSheet()
{
    return scoring ? &sheet : nullptr;
}

static void drawGameOver()
{
    char score[32], best[32];
    snprintf(score, sizeof score, "%d points", sheet.score);
    snprintf(best, sizeof best, newBest ? "A new best game!" : bestScore == noScore ? "No best game saved" : "Best game: %d",
             bestScore);
    const char* save = bestSave == BestSave::failed ? "This game could not be saved"
                     : bestSave == BestSave::done ? "" : "Not saved yet: another game is saving";
    const char* const lines[] = {score, best, save, "Space: new game"};
    drawPanel("Game over", lines, 4);
}

namespace {

class ScoreOption : public PlayerOption {
    // On as the game starts: the strip makes the window taller.
    void placeWindow(WindowPlacement&) override { keepScore(true); }

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
        if (key == ' ')
            newGame();  // every option hears of it: a fresh sheet, fresh oil
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
        if (!scoring)
            return;
        recordBall(pinsAtRelease - pinsStanding());
        if (sheet.gameOver && bestSave == BestSave::waiting)
            armTimer(lockRetryMilliseconds, retrySave, 0);
    }

    // The abandoned game's balls are forgotten, never saved.
    void gameRestarted() override
    {
        if (scoring)
            freshSheet();
    }

    void drawLayer(Layer layer, const Turn&) override
    {
        if (scoring && layer == Layer::strip)
            drawStrip(sheet, bestScore);
        else if (scoring && layer == Layer::panel && gameOverShown && !underPanel)
            drawGameOver();
    }

    void saveAtExit() override { offerUnsavedBest(); }
};

}  // namespace

PlayerOption& scoreOption()
{
    static ScoreOption option;
    return option;
}
