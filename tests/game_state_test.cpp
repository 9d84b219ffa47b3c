#include <gtest/gtest.h>

#include <GL/glut.h>

#include <cmath>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"

class TurnCycle : public testing::Test {
protected:
    void SetUp() override { restoreStartState(); }
};

TEST_F(TurnCycle, PowerMeterSwingsAsATriangleWave)
{
    keyboard(' ', 0, 0);
    ASSERT_EQ(currentState, powering);
    float values[31];
    values[0] = ballSpeed;
    for (int step = 1; step <= 30; step++) {
        ASSERT_EQ(glutRecorder::timers.size(), 1u) << "step " << step;
        EXPECT_EQ(glutRecorder::timers[0].milliseconds, 50u);
        glutRecorder::runNextTimer();
        values[step] = ballSpeed;
    }
    EXPECT_EQ(glutRecorder::redisplays, 31);
    for (int step = 0; step <= 30; step++) {
        const double expected = step <= 15 ? std::max(0.0, 1 - 0.07 * step) : std::min(1.0, 0.07 * (step - 15));
        EXPECT_NEAR(values[step], expected, 1e-5) << "step " << step;
    }
    // The ends are clamped exactly and held for one step.
    EXPECT_EQ(values[0], 1.0f);
    EXPECT_EQ(values[15], 0.0f);
    EXPECT_EQ(values[30], 1.0f);
    EXPECT_EQ(values[1], 1.0f - 0.07f);
}

TEST_F(TurnCycle, MeterStopsRearmingOnceTheBallRolls)
{
    keyboard(' ', 0, 0);
    glutRecorder::clear();
    currentState = rolling;
    ballSpeed = 0.0f;
    ballSpeedChange = 0.07f;
    changeSpeed(0);
    EXPECT_EQ(ballSpeed, 0.07f);
    EXPECT_TRUE(glutRecorder::timers.empty());
    EXPECT_EQ(glutRecorder::redisplays, 1);
}

TEST_F(TurnCycle, ResetKeepsOrSetsUpTheRack)
{
    struct Case { const char* name; uint8_t framePartAfterToggle; int pinsLeft; uint8_t framePart; bool rackSetUp; };
    const Case cases[] = {
        {"first ball leaves pins", 1, 3, 1, false},
        {"strike", 1, 0, 0, true},
        {"second ball", 0, 3, 0, true},
        {"second ball clears the rest", 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        restoreStartState();
        for (int i = c.pinsLeft; i < 10; i++)
            pins[i].hide();
        framePart = c.framePartAfterToggle;
        currentState = rolling;
        ballX = 0.3405f;
        ballZ = -2.5f;
        ballTheta = 12;
        ballSpeed = 0.2f;
        ballSpeedChange = -0.07f;
        ballRollM[1] = 0.5f;
        reset();
        EXPECT_EQ(framePart, c.framePart) << c.name;
        int shown = 0;
        for (Pin& pin : pins)
            shown += pin.isShown();
        EXPECT_EQ(shown, c.rackSetUp ? 10 : c.pinsLeft) << c.name;
        EXPECT_EQ(currentState, aiming) << c.name;
        EXPECT_EQ(ballX, 0.0f) << c.name;
        EXPECT_EQ(ballZ, 0.52f) << c.name;
        EXPECT_EQ(ballTheta, 0) << c.name;
        EXPECT_EQ(ballSpeed, 1.0f) << c.name;
        EXPECT_EQ(ballSpeedChange, 0.07f) << c.name;
        for (int i = 0; i < 16; i++)
            EXPECT_EQ(ballRollM[i], i % 5 == 0 ? 1.0f : 0.0f) << c.name << " matrix " << i;
        EXPECT_EQ(glutRecorder::redisplays, 0) << c.name << ": the ball step has asked already";
    }
}
