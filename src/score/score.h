// score.h: ten-frame games with a score sheet and a saved best game, played
// when the game is started with --score, in a strip of the window above the
// scene. Until keepScore(true) every hook does nothing, so the plain game is
// untouched.
#pragma once

// On: a fresh sheet and the best game read from its file. Off: no scoring.
// Called before the window opens, which the strip makes taller.
void keepScore(bool on);

// The game's hooks: at the release; at the end of a roll, after framePart's
// toggle and before reset; last in display(), before the buffer swap; the
// window's height at start-up; last in reshape().
void scoreBallReleased();
void scoreRollEnded();
void drawScore();
// The strip's height in pixels over a window this wide; 0 without scoring.
int scoreStripHeight(int windowWidth);
// Lays the scene out in the window below the strip.
void scoreWindowReshaped(int w, int h);

// Puts one ball of pinsDown pins on the sheet. After a game's last ball it
// prints the score, saves a new best game and sets framePart so that reset
// sets up a full rack: the next ball is the first of a new game.
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
    bool gameOver;
};

// The sheet of one game's balls, each the pins it knocked down.
ScoreSheet scoreSheet(const int* balls, int ballCount);

// The sheet on show, or nullptr while no score is kept.
const ScoreSheet* currentSheet();

// Draws the strip: the sheet, with best possibly noScore, and a hint of
// what the keys do now.
void drawStrip(const ScoreSheet& sheet, int best);

// The best game in $XDG_DATA_HOME/bowling/best-score. Trouble with the file
// is told in one line on standard error and never ends the game: a bad
// file, or anything but a regular file, reads as noScore, and a save that
// fails leaves the game going.
int readBestScore();
// A finished game's score: under a lock that every game on the folder
// takes, the file is read again and replaced only if score beats it.
// Returns the best game now, score included.
int offerBestScore(int score);
