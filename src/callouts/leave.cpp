// leave.cpp: what a ball left standing, named as a bowler names it.
#include <cstdio>
#include <cstring>

#include "callouts/callouts.h"
#include "physics/physics.h"

// A pin's place on a grid of half the pin spacing across and one row along:
// the rack order runs row by row, each row from +x to -x.
struct Spot {
    int across;
    int row;
};

static Spot spotOf(int pin)
{
    int row = 0;
    while ((row + 1) * (row + 2) / 2 <= pin)
        row++;
    const int fromRight = pin - row * (row + 1) / 2;
    return {row - 2 * fromRight, row};
}

// The number a bowler calls a pin by: 1 the head pin, 7 to 10 the back row
// from the left as seen from the foul line, which is -x.
static int bowlersNumber(int pin)
{
    const Spot spot = spotOf(pin);
    return spot.row * (spot.row + 1) / 2 + (spot.row + spot.across) / 2 + 1;
}

// "4-7-10 SPLIT": the standing pins by their numbers, lowest first.
static void nameSplit(unsigned standing, char* text, size_t size)
{
    int numbered[pinCount + 1] = {};
    for (int pin = 0; pin < pinCount; pin++)
        numbered[bowlersNumber(pin)] = standing >> pin & 1u;
    size_t used = 0;
    text[0] = '\0';
    for (int number = 1; number <= pinCount && used < size; number++)
        if (numbered[number])
            used += snprintf(text + used, size - used, used ? "-%d" : "%d", number);
    if (used < size)
        snprintf(text + used, size - used, " SPLIT");
}

void calloutFor(const BallResult& ball, char* text, size_t size)
{
    static const char* const strikes[] = {"STRIKE", "DOUBLE", "TURKEY"};
    const bool allDown = ball.standingBefore != 0 && ball.standingAfter == 0;
    const int inARow = ball.strikesBefore + 1;
    if (allDown && ball.firstBall && inARow <= 3)
        snprintf(text, size, "%s", strikes[inARow - 1]);
    else if (allDown && ball.firstBall)
        snprintf(text, size, "%d-BAGGER", inARow);
    else if (allDown)
        snprintf(text, size, "SPARE");
    else if (ball.firstBall && isSplit(ball.standingAfter))
        nameSplit(ball.standingAfter, text, size);
    else if (ball.gutter && ball.standingAfter == ball.standingBefore)
        snprintf(text, size, "GUTTER");
    else
        text[0] = '\0';
}
