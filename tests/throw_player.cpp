#include "throw_player.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"

MatrixState matrixState()
{
    MatrixState state;
    glGetFloatv(GL_MODELVIEW_MATRIX, state.data());
    glGetFloatv(GL_MODELVIEW_STACK_DEPTH, &state[16]);
    glGetFloatv(GL_MATRIX_MODE, &state[17]);
    return state;
}

// The state before one ball step, checked against the state after it. It
// allocates nothing, so that the soak test sees only the game's own memory.
struct StepWatch {
    MatrixState matrix = matrixState();
    int redisplays = glutRecorder::redisplays;
    size_t timers = glutRecorder::timers.size();
    uint8_t part = framePart;
    std::array<Pin, 10> rack;

    StepWatch() { std::copy(pins, pins + 10, rack.begin()); }

    bool upright(int i) { return rack[i].isShown() && !rack[i].isFalling(); }

    // step 1 is the release, run directly; later steps run from a recorded timer.
    void check(const std::string& name, int step)
    {
        const size_t timersRun = step > 1;
        // Streamed only when an expectation fails.
        const auto where = [&] { return name + ", step " + std::to_string(step); };
        EXPECT_EQ(matrixState(), matrix) << where();
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << where();
        EXPECT_EQ(glutRecorder::redisplays - redisplays, 1) << where();
        const float ballSum = std::accumulate(ballRollM, ballRollM + 16, ballX + ballZ + ballSpeed);
        EXPECT_FALSE(std::isnan(ballSum)) << where() << ": NaN in the ball";
        const bool ended = currentState == aiming;
        EXPECT_EQ(glutRecorder::timers.size() + timersRun - timers, ended ? 0u : 1u) << where() << ": armed";
        if (ended)
            return;
        EXPECT_EQ(framePart, part) << where();
        // A NaN fall direction shows one step later, as a NaN angle.
        for (int i = 0; i < 10; i++) {
            const auto pin = [&] { return where() + ": pin " + std::to_string(i); };
            EXPECT_GE(PinInspector::fallAngle(pins[i]), PinInspector::fallAngle(rack[i])) << pin() << " rose";
            EXPECT_TRUE(rack[i].isShown() || !pins[i].isShown()) << pin() << " came back";
            EXPECT_TRUE(!rack[i].isFalling() || PinInspector::fallDirection(pins[i]) ==
                        PinInspector::fallDirection(rack[i])) << pin() << " changed its fall";
        }
    }
};

void rollBall(int meterSteps, const std::string& name)
{
    keyboard(' ', 0, 0);  // the meter starts
    for (int i = 0; i < meterSteps; i++)
        glutRecorder::runNextTimer();
    const uint8_t part = framePart;
    StepWatch lastStep;
    keyboard(' ', 0, 0);  // the release runs the first ball step at once
    lastStep.check(name, 1);
    glutRecorder::runNextTimer();  // the meter step pending at the release must not re-arm
    int step = 1;
    while (currentState == rolling && step < 1000 && !testing::Test::HasFailure()) {
        lastStep = StepWatch();
        glutRecorder::runNextTimer();
        lastStep.check(name, ++step);
    }
    ASSERT_EQ(currentState, aiming) << name << ": still rolling after " << step << " steps";
    EXPECT_TRUE(glutRecorder::timers.empty()) << name;

    // The pins upright before the last step are the ones left: a falling pin
    // would have kept the roll going. A strike or a second ball ends the frame.
    int left = 0;
    for (int i = 0; i < 10; i++)
        left += lastStep.upright(i);
    const bool frameEnds = part == 1 || left == 0;
    EXPECT_EQ(framePart, frameEnds ? 0 : 1) << name;
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(pins[i].isShown(), frameEnds || lastStep.upright(i)) << name << ": pin " << i;
}
