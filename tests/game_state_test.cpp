// game_state_test.cpp: the power meter and the reset between balls.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"

class TurnCycle : public testing::Test {
protected:
    void SetUp() override { restoreStartState(); }
};

TEST_F(TurnCycle, PowerMeterSwingsAsATriangleWaveUntilTheRelease)
{
    keyboard(' ', 0, 0);  // the first meter step runs at once
    for (int step = 0; step <= 30; step++) {
        const double expected = std::clamp(step <= 15 ? 1 - 0.07 * step : 0.07 * (step - 15), 0.0, 1.0);
        // The ends are clamped exactly.
        EXPECT_NEAR(ballSpeed, expected, expected == 0 || expected == 1 ? 0 : 1e-5) << "step " << step;
        ASSERT_TRUE(glutRecorder::timers.size() == 1 && glutRecorder::timers[0].milliseconds == 50) << step;
        glutRecorder::runNextTimer();
    }
    // The step pending at the release still moves the power, and re-arms nothing.
    currentState = rolling;
    glutRecorder::runNextTimer();
    EXPECT_NEAR(ballSpeed, 0.86, 1e-5);
    EXPECT_TRUE(glutRecorder::timers.empty());
    EXPECT_EQ(glutRecorder::redisplays, 33);
}

TEST_F(TurnCycle, ResetKeepsOrSetsUpTheRack)
{
    struct Case { const char* name; uint8_t toggledPart; int pinsLeft; uint8_t framePart; bool rackSetUp; };
    const Case cases[] = {
        {"first ball leaves pins", 1, 3, 1, false},
        {"strike", 1, 0, 0, true},
        {"second ball", 0, 3, 0, true},
    };
    for (const Case& c : cases) {
        restoreStartState();
        for (int i = c.pinsLeft; i < 10; i++)
            pins[i].hide();
        framePart = c.toggledPart;
        std::tie(currentState, ballX, ballZ, ballTheta, ballSpeed, ballSpeedChange) =
            std::make_tuple((int)rolling, 0.3405f, -2.5f, 12, 0.2f, -0.07f);
        ballRollM[0] = ballRollM[1] = 0.5f;
        reset();
        EXPECT_EQ(framePart, c.framePart) << c.name;
        EXPECT_EQ(pins[9].isShown(), c.rackSetUp) << c.name;
        EXPECT_EQ(std::make_tuple(currentState, ballX, ballZ, ballTheta, ballSpeed, ballSpeedChange),
                  std::make_tuple((int)aiming, 0.0f, 0.52f, 0, 1.0f, 0.07f)) << c.name;
        EXPECT_TRUE(ballRollM[0] == 1 && ballRollM[1] == 0) << c.name << ": the roll matrix is the identity";
    }
}
