// score.h: ten-frame games with a score sheet and a saved best game, played
// when the game is started with --score.
#pragma once

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
