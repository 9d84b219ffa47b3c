// game_hooks.cpp: scoring through the option door: the pins each ball
// knocks down, the end of a game, its panel and the new rack after it, and
// the sheet in the strip.
#include <GL/glut.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "overlay/overlay.h"
#include "score/best_file.h"
#include "score/score.h"

static bool scoring = false;
static Bowlers bowlers = {1, 0, {}, {}};
static int balls[maxBowlers][maxBallsPerGame];  // the current game's, as pins down
static int ballCount[maxBowlers] = {};
static int bestScore = noScore;
static int pinsAtRelease = 0;
static bool gameOverShown = false;  // the panel, until Space
static int endedScore = noScore;    // the game just over: its top score,
static int bestBefore = noScore;    // the best before it,
static BestSave bestSave = BestSave::done;  // where its save stands
static bool newBest = false;        // and whether it beat every one before, saved or soon
static bool underPanel = false;     // another panel covers the scene, this one's place
static BestGames bestGames = {};    // as last known, this game's places marked
static bool ofThisGame[bestGamesKept] = {};
static BestGames endedGames = {};
static bool tableShown = false;     // on t, over play

static void freshSheets()
{
    for (int bowler = 0; bowler < maxBowlers; bowler++) {
        ballCount[bowler] = 0;
        bowlers.sheets[bowler] = scoreSheet(balls[bowler], 0);
    }
    bowlers.up = 0;
    gameOverShown = false;
}

static bool gameOver() { return bowlers.sheets[bowlers.count - 1].gameOver; }

static void setBowlers(int count)
{
    bowlers.count = count;
    freshSheets();
    showStripBand(StripBand::sheet, scoring);
    setBandUnitsHigh(StripBand::sheet, sheetUnitsHigh(count));
}

void keepScore(bool on)
{
    scoring = on;
    if (!on)
        memset(bowlers.names, 0, sizeof bowlers.names);
    setBowlers(on ? bowlers.count : 1);
    bestGames = on ? readBestGames() : BestGames{};
    bestScore = bestGames.count > 0 ? bestGames.games[0].score : noScore;
    tableShown = false;
}

void nameBowlers(const char (*names)[bowlerNameRoom], int count)
{
    memcpy(bowlers.names, names, count * sizeof *names);
    setBowlers(count);
}

// Another game may have saved a better one since this one started; games
// waiting for another game's lock still count for this run, those that
// could not be saved do not.
static void tellBest(const BestOffer& offer)
{
    bestSave = offer.save;
    bestGames = offer.table;
    markGames(bestGames, bestSave != BestSave::failed ? endedGames : BestGames{}, ofThisGame);
    const int top = bestGames.count > 0 ? bestGames.games[0].score : noScore;
    newBest = bestSave != BestSave::failed && endedScore > bestBefore && endedScore >= top;
    bestScore = std::max(bestBefore, top);
}

static void printScore(const char* name, int score)
{
    const char* const forName = *name ? " for " : "";
    if (bestScore == noScore)
        printf("Game over%s%s: %d points, not saved\n", forName, name, score);
    else
        printf("Game over%s%s: %d points, best game %d%s\n", forName, name, score, bestScore,
               bestSave == BestSave::failed ? ", not saved" : bestSave == BestSave::done ? "" : ", not saved yet");
}

// Each bowler's game offered for the best games, dated today; told at
// once, even while the save waits for another game.
static void endGame()
{
    bestBefore = bestScore;
    endedScore = noScore;
    endedGames.count = 0;
    const time_t now = time(nullptr);
    tm local;
    for (int bowler = 0; bowler < bowlers.count; bowler++) {
        BestGame game = {bowlers.sheets[bowler].score, "-", ""};
        if (localtime_r(&now, &local))
            strftime(game.date, sizeof game.date, "%Y-%m-%d", &local);
        memcpy(game.name, bowlers.names[bowler], sizeof game.name);
        insertGame(endedGames, game);
        endedScore = std::max(endedScore, game.score);
    }
    tellBest(offerBestGames(endedGames));
    tableShown = false;
    gameOverShown = true;
    for (int bowler = 0; bowler < bowlers.count; bowler++)
        printScore(bowlers.names[bowler], bowlers.sheets[bowler].score);
    fflush(stdout);  // the player may be reading through a pipe
}

void recordBall(int pinsDown)
{
    // A finished game stays up until the next game's first ball is in.
    if (gameOver())
        freshSheets();
    const int up = bowlers.up;
    ScoreSheet& sheet = bowlers.sheets[up];
    const int framesBefore = sheet.frames;
    balls[up][ballCount[up]++] = pinsDown;
    sheet = scoreSheet(balls[up], ballCount[up]);
    // One bowler's frames follow the game's own; several take turns.
    if (!sheet.gameOver && (sheet.frames == framesBefore || bowlers.count == 1))
        return;
    if (gameOver())
        endGame();
    else
        bowlers.up = (up + 1) % bowlers.count;
    endFrame();  // the next bowler, or the new game, starts on a full rack
}

// Tries again while another game holds the lock, never making the game
// wait.
static void retrySave(int)
{
    tellBest(retryBestGames());
    if (bestSave == BestSave::waiting)
        armTimer(lockRetryMilliseconds, retrySave, 0);
    glutPostRedisplay();
}

const Bowlers* currentBowlers()
{
    return scoring ? &bowlers : nullptr;
}

const ScoreSheet* currentSheet()
{
    return scoring ? &bowlers.sheets[bowlers.up] : nullptr;
}

static void drawGameOver()
{
    char scores[maxBowlers][bowlerNameRoom + 16], best[32];
    const char* lines[maxPanelLinesAbove];
    int lineCount = 0;
    for (int bowler = 0; bowler < bowlers.count; bowler++) {
        const char* const name = bowlers.names[bowler];
        snprintf(scores[bowler], sizeof scores[bowler], "%s%s%d points", name, *name ? "\t" : "", bowlers.sheets[bowler].score);
        lines[lineCount++] = scores[bowler];
    }
    snprintf(best, sizeof best, newBest ? "A new best game!" : bestScore == noScore ? "No best game saved" : "Best game: %d",
             bestScore);
    const char* save = bestSave == BestSave::failed ? "This game could not be saved"
                     : bestSave == BestSave::done ? "" : "Not saved yet: another game is saving";
    for (const char* line : {(const char*)best, save})
        lines[lineCount++] = line;
    drawBestGames("Game over", lines, lineCount, bestGames, ofThisGame, "Space: new game");
}

static void drawTable()
{
    const char* const none = "No game saved yet";
    drawBestGames("Best games", &none, bestGames.count == 0, bestGames, nullptr, "T, Esc or Space: close");
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
    // the hand. No key that plays acts behind the panel; the window's keys,
    // on top of it, still do. The best games on t show over play, which
    // goes on: Space closes them and still plays, as Esc still pauses.
    bool takeKey(unsigned char key) override
    {
        if (gameOverShown) {
            if (key == ' ')
                newGame();  // every option hears of it: a fresh sheet, fresh oil
            return true;
        }
        const bool table = scoring && tolower(key) == 't';
        if (table || (tableShown && key == ' ')) {
            tableShown = table && !tableShown;
            glutPostRedisplay();
        }
        return table;
    }

    bool takeSpecialKey(int) override { return gameOverShown; }

    void gamePaused(bool paused) override
    {
        underPanel = paused;
        tableShown = tableShown && !paused;
    }

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
        if (gameOver() && bestSave == BestSave::waiting)
            armTimer(lockRetryMilliseconds, retrySave, 0);
    }

    // The abandoned game's balls are forgotten, never saved.
    void gameRestarted() override
    {
        if (scoring)
            freshSheets();
    }

    // The first bowler's first ball is the game's first.
    bool gameUnderWay() override
    {
        return scoring && !gameOver() && (ballCount[0] > 0 || gameTurn().currentState == rolling);
    }

    const char* bowlerUp() override { return scoring ? bowlers.names[bowlers.up] : nullptr; }

    const char* const* keysHint() override
    {
        static const char* const overKeys[] = {"Space: new game", "V: view", "Esc: pause", "F1: keys", nullptr};
        return gameOverShown && !underPanel ? overKeys : nullptr;
    }

    void drawLayer(Layer layer, const Turn&) override
    {
        if (scoring && layer == Layer::strip)
            drawStrip(bowlers, bestScore);
        else if (scoring && layer == Layer::panel && gameOverShown && !underPanel)
            drawGameOver();
        else if (scoring && layer == Layer::panel && tableShown && !underPanel)
            drawTable();
    }

    void saveAtExit() override
    {
        if (gameUnderWay())
            puts("Game not finished: nothing kept");
        offerUnsavedBest();
    }
};

}  // namespace

PlayerOption& scoreOption()
{
    static ScoreOption option;
    return option;
}
