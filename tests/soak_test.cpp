// soak_test.cpp: thousands of whole throws played through the real
// callbacks: side steps, aim and bumpers, then a random wait on the meter,
// each ball checked step by step as every played ball is, and the process
// must not grow. BOWLING_SOAK_THROWS sets how many (10,000).
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "final.h"
#include "game_window.h"
#include "physics/physics.h"
#include "stress.h"
#include "throw_player.h"

static const unsigned soakSeed = 20250607;
static const int warmUpThrows = 100;
static const long residentGrowthLimitKiB = 256;

// From -limit to limit as the sum of two uniform draws: mostly near the
// middle, now and then out at the ends.
static int centredSteps(std::mt19937& random, int limit)
{
    std::uniform_int_distribution<int> half(-limit / 2, limit / 2);
    return half(random) + half(random);
}

// A start place anywhere across the lane, clamped at its edges, an aim out
// to the limits and beyond, bumpers switched now and then.
static void setUpThrow(std::mt19937& random)
{
    const int sideSteps = centredSteps(random, 60);
    for (int i = 0; i < std::abs(sideSteps); i++)
        keyboard(sideSteps < 0 ? 'a' : 'd', 0, 0);
    const int aimSteps = centredSteps(random, 26);
    for (int i = 0; i < std::abs(aimSteps); i++)
        specialKeyboard(aimSteps < 0 ? GLUT_KEY_LEFT : GLUT_KEY_RIGHT, 0, 0);
    if (random() % 4 == 0)
        keyboard('b', 0, 0);
}

TEST(Soak, ThousandsOfThrowsEndCleanly)
{
    reshape(500, 500);
    restoreStartState();
    const int throws = stressCount("BOWLING_SOAK_THROWS", 10000);
    printf("seed %u\n", soakSeed);
    std::mt19937 random(soakSeed);
    long residentAfterWarmUp = 0;
    int strikes = 0, missedEverything = 0;

    for (int t = 1; t <= throws; t++) {
        const uint8_t partBefore = framePart;
        setUpThrow(random);
        rollBall(std::uniform_int_distribution<int>(0, 40)(random), "throw " + std::to_string(t));
        ASSERT_FALSE(HasFailure());
        int standing = 0;
        for (Pin& pin : pins)
            standing += pin.isShown();
        strikes += partBefore == 0 && framePart == 0;
        missedEverything += partBefore == 0 && standing == 10;
        if (t == warmUpThrows) {
            residentAfterWarmUp = residentKiB();
            ASSERT_GT(residentAfterWarmUp, 0) << "cannot read /proc/self/statm";
        }
    }
    printf("%d throws: %d strikes, %d first balls that felled nothing\n", throws, strikes, missedEverything);
    EXPECT_GT(strikes, 0) << "the random throws should cover strikes";
    EXPECT_GT(missedEverything, 0) << "and balls that miss everything";
    if (throws > warmUpThrows) {
        const long growth = residentKiB() - residentAfterWarmUp;
        printf("resident memory from throw %d to throw %d: %+ld KiB\n", warmUpThrows, throws, growth);
        EXPECT_LE(growth, residentGrowthLimitKiB);
    }
}
