// score.h: --score, ten-frame games with a score sheet and a saved best
// game, in a strip of the window above the scene.
#pragma once

#include "command_line.h"
#include "option_door.h"
#include "score/best_table.h"

// The option: it counts the pins each ball knocks down, lays the scene out
// below the strip, which makes the window taller, and draws the sheet in
// the strip. At a game's end a panel shows the score until Space starts the
// next game; a new game called for before then starts a fresh sheet and
// saves nothing. It keeps score from the start of the game, before its
// window is placed.
PlayerOption& scoreOption();
// --bowlers alone: a panel over the scene, shown as the game opens, that
// lists last time's bowlers to keep or edit; Enter names them and keeps
// them for the next start. Attached over every other option, as it takes
// every key but F11 while it shows.
PlayerOption& startPanel();
// On: fresh sheets and the best game read from its file. Off: no scoring,
// and one unnamed bowler again.
void keepScore(bool on);
// The bowlers who take turns frame by frame, 1 to maxBowlers, named; fresh
// sheets. Without this one unnamed bowler bowls.
void nameBowlers(const char (*names)[bowlerNameRoom], int count);

// Puts one ball of pinsDown pins on the sheet of the bowler up. Where that
// ends the bowler's frame and another bowls, it ends the core's frame too,
// so the next bowler starts on a full rack. After a game's last ball it
// prints each bowler's score, saves a new best game and ends the frame: the
// next ball is the first of a new game.
void recordBall(int pinsDown);

inline constexpr int framesPerGame = 10;
inline constexpr int maxBallsPerGame = 21;
inline constexpr int noScore = -1;

struct ScoreSheet {
    // Two cells a frame, three in the tenth: X strike, / spare, - no pin,
    // a digit for other counts, a space for a ball not rolled.
    char marks[maxBallsPerGame + 1];
    int runningTotals[framesPerGame];  // noScore until the frame's bonus balls are in
    int score;                         // the last running total known
    int frames;                        // the frames whose balls are all in
    bool gameOver;
};

// The sheet of one game's balls, each the pins it knocked down.
ScoreSheet scoreSheet(const int* balls, int ballCount);

// The bowlers of a game, in the order they bowl.
struct Bowlers {
    int count;  // 1 to maxBowlers
    int up;     // the one bowling now, or the last once the game is over
    char names[maxBowlers][bowlerNameRoom];  // empty for the one unnamed bowler
    ScoreSheet sheets[maxBowlers];
};

// The game on show, or nullptr while no score is kept.
const Bowlers* currentBowlers();
// The sheet of the bowler up, or nullptr while no score is kept.
const ScoreSheet* currentSheet();

// The sheet band's height in strip units for this many bowlers.
float sheetUnitsHigh(int bowlerCount);
// Draws the bowlers' sheets, with best possibly noScore, in the strip's top
// band: one row a bowler.
void drawStrip(const Bowlers& bowlers, int best);

// Marks the rows of table that are games, each the last row like it: of
// two alike, the table keeps the one kept longer first.
void markGames(const BestGames& table, const BestGames& games, bool* marked);
// A panel of the best games, a row each, between lines above (at most
// maxPanelLinesAbove) and one below, the rows marked where marked is true
// (marked may be nullptr).
inline constexpr int maxPanelLinesAbove = maxBowlers + 3;
void drawBestGames(const char* title, const char* const* above, int aboveCount, const BestGames& table,
                   const bool* marked, const char* below);

// The ten best games in $XDG_DATA_HOME/bowling/best-games, or where that
// is not made yet the best game of an older version's best-score. Trouble
// with a file is told in one line on standard error, each kind once a run
// from here on, and never ends the game: a bad file, or anything but a
// regular file, reads as no games, and a save that fails leaves the game
// going.
BestGames readBestGames();

// Where offered games stand: in the file (or beaten by those there),
// waiting for another game's lock (try again in lockRetryMilliseconds),
// postponed to the next game's end and the program's, or not saved at all.
enum class BestSave { done, waiting, postponed, failed };
struct BestOffer {
    BestGames table;  // as saved, or as it will be while the games wait; as read where they cannot be saved
    BestSave save;
};
// A finished game's games, never waiting: under a lock that every game on
// the folder takes, the table is read again and replaced only where any of
// them makes it; where it cannot be read, it is moved aside first. While
// another game holds the lock, the games wait for retryBestGames, the next
// offer, which takes them in too, or the program's end; a signal that ends
// the game meanwhile saves them first.
BestOffer offerBestGames(const BestGames& games);
// The waiting games offered again, never waiting; postponed after two
// seconds of tries.
BestOffer retryBestGames();
// At the program's end: games still waiting, offered again, waiting two
// seconds at most for the lock.
void offerUnsavedBest();
