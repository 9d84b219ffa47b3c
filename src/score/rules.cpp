// rules.cpp: ten-pin scoring. A strike counts 10 and the next two balls, a
// spare 10 and the next ball, an open frame its pins.
#include <cstring>
#include <numeric>

#include "rack.h"
#include "score/score.h"

// A new rack cleared is a strike, the pins left by an earlier ball a spare
// (also all ten after a first ball of none).
static char mark(int pinsDown, int standing, bool newRack)
{
    if (pinsDown == standing)
        return newRack ? 'X' : '/';
    return pinsDown == 0 ? '-' : (char)('0' + pinsDown);
}

ScoreSheet scoreSheet(const int* balls, int ballCount)
{
    ScoreSheet sheet;
    memset(sheet.marks, ' ', maxBallsPerGame);
    sheet.marks[maxBallsPerGame] = '\0';
    sheet.score = 0;
    sheet.frames = 0;
    int first = 0;  // the frame's first ball
    for (int frame = 0; frame < framesPerGame; frame++) {
        const bool strike = first < ballCount && balls[first] == pinCount;
        const bool spare = !strike && first + 1 < ballCount && balls[first] + balls[first + 1] == pinCount;
        const int counted = strike || spare ? 3 : 2;
        // The tenth frame rolls its strike's or spare's bonus balls itself.
        const int rolled = frame == framesPerGame - 1 ? counted : strike ? 1 : 2;

        int standing = pinCount;
        bool newRack = true;
        for (int i = 0; i < rolled && first + i < ballCount; i++) {
            sheet.marks[2 * frame + i] = mark(balls[first + i], standing, newRack);
            standing -= balls[first + i];
            newRack = standing == 0;
            if (newRack)
                standing = pinCount;
        }
        sheet.runningTotals[frame] = noScore;
        if (first + counted <= ballCount) {
            sheet.score = std::accumulate(balls + first, balls + first + counted, sheet.score);
            sheet.runningTotals[frame] = sheet.score;
        }
        first += rolled;
        sheet.frames += first <= ballCount;
    }
    sheet.gameOver = sheet.frames == framesPerGame;
    return sheet;
}
