// replay_test.cpp: the instant replay, for the written roll and for
// --real-physics. A replay rolls the very roll the game rolled, step for
// step, tells no option anything, holds still while the game is paused,
// and leaves the game's turn, pins and next ball exactly as they were; so
// does the pinsetter between two balls.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <string>
#include <vector>

#include "alley/alley.h"
#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "option_door.h"
#include "real_physics/real_physics.h"
#include "replay/replay.h"

namespace {

// Hears what the game tells the options, and the turn after each step.
class Listener : public PlayerOption {
public:
    Turn released;
    std::vector<Turn> steps;  // after each ball step, the last as the roll ended
    std::string told;         // contacts and roll ends, in order
    int endedAt = 0;          // the clock as the last roll ended
    int pinsDown = 0;         // drawn down, as the pinsetter is told of them

    void ballReleased() override
    {
        released = gameTurn();
        steps.clear();
    }
    void ballStepped() override
    {
        if (gameTurn().currentState == rolling)
            steps.push_back(gameTurn());
    }
    void contactMade(const Contact& contact) override
    {
        told += std::to_string((int)contact.kind) + " " + std::to_string(contact.z) + "\n";
    }
    // As the last step left it, before the frame's count moves on.
    void rollEnded() override
    {
        steps.push_back(gameTurn());
        steps.back().framePart = released.framePart;
        told += "end\n";
        endedAt = glutRecorder::now;
    }
    void movePin(Vector3D&, const Vector3D&, bool standing) override { pinsDown += !standing; }
};

Listener listener;

bool replaying() { return door::drawPicture(); }

// Presses R and runs the replay to its end, drawing a picture now and then;
// the timer's ticks it took. One that never ends fails in a minute of ticks.
int watchReplay()
{
    keyboard('r', 0, 0);
    int ticks = 0;
    while (ticks < 4000 && glutRecorder::runNextTimer())
        if (++ticks % 8 == 0) {
            EXPECT_TRUE(replaying());
        }
    EXPECT_FALSE(replaying()) << "the replay never ended";
    return ticks;
}

// The written roll, or the real one.
class Replay : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        detachOptions();
        if (GetParam())
            attachOption(realPhysicsOption());
        attachOption(listener);
        attachOption(replayOption());
        restoreStartState();
        newGame();
        listener = Listener();
    }
    void TearDown() override
    {
        detachOptions();
        restoreStartState();
    }
};

}  // namespace

// Stepped by hand from the turn at the release, the replay goes through
// the game's own steps bit for bit, to the same end.
TEST_P(Replay, RollsTheGamesRollStepForStep)
{
    bowl(-9, 1);
    ASSERT_GT(listener.steps.size(), 10u);
    Roll& again = replayLastRoll();
    Turn replayed = listener.released;
    for (size_t step = 0; step < listener.steps.size(); step++) {
        const bool over = again.step(replayed);
        ASSERT_TRUE(replayed == listener.steps[step]) << "step " << step;
        ASSERT_EQ(over, step + 1 == listener.steps.size()) << "step " << step;
    }
}

// A first ball that leaves pins, then the second: with a replay of the
// first in between, nothing the game holds or tells differs, and the
// second ball rolls and tells exactly as it does without one.
TEST_P(Replay, LeavesTheGameAndTheNextBallAsTheyWere)
{
    std::string told[2];
    Turn after[2];
    unsigned standing[2];
    for (bool replayed : {false, true}) {
        newGame();
        bowl(30, -1);
        ASSERT_FALSE(replaying()) << "a replay of its own";
        ASSERT_NE(standingPins(), 0u);
        if (replayed) {
            const Turn before = gameTurn();
            const unsigned standingBefore = standingPins();
            listener.told.clear();
            EXPECT_GT(watchReplay(), 100);
            EXPECT_TRUE(gameTurn() == before);
            EXPECT_EQ(standingPins(), standingBefore);
            EXPECT_EQ(listener.told, "") << "the replay told the options";
        }
        listener.told.clear();
        bowl(-9, 1);
        told[replayed] = listener.told;
        after[replayed] = gameTurn();
        standing[replayed] = standingPins();
    }
    EXPECT_EQ(told[1], told[0]);
    EXPECT_TRUE(after[1] == after[0]);
    EXPECT_EQ(standing[1], standing[0]);
}

// The pinsetter holds the next ball for its cycle, under two seconds, the
// turn as the roll left it; the game then stands, and the next ball rolls
// and tells, exactly as without it. The pins down lie until it sweeps them.
// It stands still while the game is paused; a key in it cuts it short.
TEST_P(Replay, PinsetterLeavesTheGameAndTheNextBallAsTheyWere)
{
    std::string told[2];
    Turn after[2][2];
    unsigned standing[2][2];
    for (bool swept : {false, true}) {
        if (swept)
            attachOption(alleyOption());
        newGame();
        listener.told.clear();
        for (int ball = 0; ball < 2; ball++) {
            bowl(ball ? -9 : 30, ball ? 1 : -1);
            const int held = glutRecorder::now - listener.endedAt;
            EXPECT_TRUE(swept ? held > 500 && held < 2000 : held == 0) << swept << " " << ball << ": " << held;
            after[swept][ball] = gameTurn();
            standing[swept][ball] = standingPins();
        }
        told[swept] = listener.told;
    }
    EXPECT_EQ(told[1], told[0]);
    for (int ball = 0; ball < 2; ball++) {
        EXPECT_TRUE(after[1][ball] == after[0][ball]) << ball;
        EXPECT_EQ(standing[1][ball], standing[0][ball]) << ball;
    }
    listener.told.clear();
    keyboard(' ', 0, 0);
    keyboard(' ', 0, 0);
    while (listener.told.find("end") == std::string::npos && glutRecorder::runNextTimer()) {
    }
    const auto pinsDownDrawn = [] { return listener.pinsDown = 0, display(), listener.pinsDown; };
    EXPECT_EQ(pinsDownDrawn(), pinCount - pinsStanding()) << "the pins down lie for the sweep";
    const Turn ended = gameTurn();
    glutRecorder::runNextTimer();
    EXPECT_TRUE(gameTurn() == ended) << "the turn moved in the cycle";
    pauseGame(true);
    while (glutRecorder::runNextTimer()) {
    }
    EXPECT_TRUE(gameTurn() == ended) << "the cycle ran on while paused";
    pauseGame(false);
    keyboard('d', 0, 0);
    EXPECT_EQ(gameTurn().currentState, aiming);
    EXPECT_NE(gameTurn().ballX, 0);
    EXPECT_EQ(pinsDownDrawn(), 0) << "swept";
}

// After a frame's first ball that leaves a split or no pin, and only then,
// the replay starts by itself.
TEST_P(Replay, StartsByItselfAfterAStrikeOrASplit)
{
    int started = 0;
    const int releases[][2] = {{30, -1}, {-9, 1}, {0, 0}};
    for (const auto& [slides, turns] : releases) {
        newGame();
        bowl(slides, turns);
        const unsigned standing = standingPins();
        EXPECT_EQ(replaying(), standing == 0 || isSplit(standing)) << slides << " " << turns;
        if (!replaying())
            continue;
        started++;
        keyboard(' ', 0, 0);
        EXPECT_FALSE(replaying()) << "space did not end the replay";
        EXPECT_EQ(gameTurn().currentState, aiming) << "space reached the game";
    }
    EXPECT_TRUE(started > 0 && started < 3) << "the releases try one way only";
}

// Paused, the replay stands still: no step, no picture asked for, until the
// game goes on.
TEST_P(Replay, StandsStillWhilePaused)
{
    bowl(30, -1);
    keyboard('r', 0, 0);
    for (int i = 0; i < 20; i++)
        glutRecorder::runNextTimer();
    pauseGame(true);
    while (glutRecorder::runNextTimer()) {
    }
    glutRecorder::clear();
    EXPECT_TRUE(replaying()) << "the replay ended while paused";
    EXPECT_TRUE(glutRecorder::timers.empty());
    pauseGame(false);
    EXPECT_EQ(glutRecorder::timers.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(BothRolls, Replay, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Real" : "Written"; });
