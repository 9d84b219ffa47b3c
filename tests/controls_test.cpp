// The keyboard and mouse callbacks, called directly as GLUT would call them.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <cmath>
#include <tuple>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "physics/physics.h"

class Controls : public testing::Test {
protected:
    void SetUp() override
    {
        reshape(500, 500);
        restoreStartState();
    }
};

static const char* const stateName[] = {"aiming", "powering", "rolling"};

TEST_F(Controls, SideKeysStopTheBallOnTheLaneEdge)
{
    struct Case { unsigned char key; float edge; };
    for (const Case c : {Case{'a', -0.2905f}, Case{'A', -0.2905f}, Case{'d', 0.2905f}, Case{'D', 0.2905f}}) {
        restoreStartState();
        for (int press = 1; press <= 48; press++)
            keyboard(c.key, 0, 0);
        EXPECT_LT(std::fabs(ballX), 0.2905f) << c.key << ": the 48th press is not at the edge yet";
        for (int press = 49; press <= 52; press++) {
            keyboard(c.key, 0, 0);
            EXPECT_EQ(ballX, c.edge) << c.key << " press " << press;
        }
        EXPECT_EQ(glutRecorder::redisplays, 52) << c.key << ": every press redraws, even at the edge";
        EXPECT_LT(std::fabs((double)ballX), laneEdge) << c.key << ": a clamped ball is on the lane, not in a gutter";
    }
}

TEST_F(Controls, ArrowsAimInTwoDegreeStepsUpTo45)
{
    struct Case { int key, back; int limit, afterBack; };
    for (const Case c : {Case{GLUT_KEY_LEFT, GLUT_KEY_RIGHT, -45, -43}, Case{GLUT_KEY_RIGHT, GLUT_KEY_LEFT, 45, 43}}) {
        restoreStartState();
        for (int press = 0; press < 23; press++)
            specialKeyboard(c.key, 0, 0);
        EXPECT_EQ(ballTheta, c.limit) << "key " << c.key;
        specialKeyboard(c.key, 0, 0);
        EXPECT_EQ(ballTheta, c.limit) << "key " << c.key;
        specialKeyboard(c.back, 0, 0);
        EXPECT_EQ(ballTheta, c.afterBack) << "key " << c.key;
        EXPECT_EQ(glutRecorder::redisplays, 25) << "key " << c.key;
    }
}

// Everything a key may change.
static auto snapshot()
{
    return std::make_tuple(currentState, ballTheta, ballX, ballZ, ballSpeed, useBumpers, shouldDrawAxes);
}

TEST_F(Controls, OnlyTheAxesKeyActsOnceTheMeterRuns)
{
    for (int state : {powering, rolling}) {
        restoreStartState();
        currentState = state;
        const auto before = snapshot();
        for (unsigned char key : {'a', 'A', 'd', 'D', 'b', 'B'})
            keyboard(key, 0, 0);
        specialKeyboard(GLUT_KEY_LEFT, 0, 0);
        specialKeyboard(GLUT_KEY_RIGHT, 0, 0);
        EXPECT_EQ(snapshot(), before) << stateName[state];
        EXPECT_EQ(glutRecorder::redisplays, 0) << stateName[state];
    }
    for (int state : {aiming, powering, rolling}) {
        restoreStartState();
        currentState = state;
        keyboard('z', 0, 0);
        EXPECT_TRUE(shouldDrawAxes) << stateName[state];
        keyboard('Z', 0, 0);
        EXPECT_FALSE(shouldDrawAxes) << stateName[state];
        EXPECT_EQ(glutRecorder::redisplays, 2) << stateName[state];
    }
    restoreStartState();
    keyboard('B', 0, 0);
    EXPECT_TRUE(useBumpers) << "while aiming";
    EXPECT_EQ(glutRecorder::redisplays, 1) << "while aiming";
}

TEST_F(Controls, UnknownKeysDoNothing)
{
    const auto before = snapshot();
    for (unsigned char key : {'0', '9', 'q', 'x', '.', '\x1b', '\r'})
        keyboard(key, 0, 0);
    for (int key : {GLUT_KEY_F1, GLUT_KEY_UP, GLUT_KEY_DOWN, GLUT_KEY_HOME})
        specialKeyboard(key, 0, 0);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(glutRecorder::redisplays, 0);
    EXPECT_TRUE(glutRecorder::timers.empty());
}

TEST_F(Controls, SpaceStartsTheMeterThenReleasesTheBall)
{
    const int aim = 10;
    for (int press = 0; press < aim / 2; press++)
        specialKeyboard(GLUT_KEY_RIGHT, 0, 0);

    keyboard(' ', 0, 0);
    EXPECT_EQ(currentState, powering);
    EXPECT_EQ(ballSpeed, 1.0f) << "the first meter step ran at once";
    ASSERT_EQ(glutRecorder::timers.size(), 1u);
    EXPECT_EQ(glutRecorder::timers[0].callback, &changeSpeed);

    keyboard(' ', 0, 0);
    EXPECT_EQ(currentState, rolling);
    EXPECT_LT(ballZ, 0.52f) << "the first ball step ran at once";
    ASSERT_EQ(glutRecorder::timers.size(), 2u) << "the meter step still pending, one ball step";
    EXPECT_EQ(glutRecorder::timers[1].callback, &moveBall);
    // The ball step spins the ball about the axis across its path, which the
    // aim's turn maps back onto x: the roll matrix's first column stays the
    // aim's, (cos aim, 0, sin aim).
    const double radians = aim * pi / 180;
    EXPECT_NEAR(ballRollM[0], std::cos(radians), 1e-6);
    EXPECT_NEAR(ballRollM[1], 0, 1e-6);
    EXPECT_NEAR(ballRollM[2], std::sin(radians), 1e-6);

    const auto rollingState = snapshot();
    const int redisplays = glutRecorder::redisplays;
    keyboard(' ', 0, 0);
    EXPECT_EQ(snapshot(), rollingState);
    EXPECT_EQ(glutRecorder::timers.size(), 2u);
    EXPECT_EQ(glutRecorder::redisplays, redisplays);
}

// --- Camera orbit. In the 500 x 500 window one pixel sideways is 4 / 500
// of a radian.

static float orbitAngle() { return std::acos(eye.getDx() / std::hypot(eye.getDx(), eye.getDz())); }

TEST_F(Controls, DragSwingsTheCameraAroundTheLane)
{
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 250, 0);
    EXPECT_EQ(glutRecorder::redisplays, 0);
    mouseMove(312, 0);
    EXPECT_NEAR(eye.getDx(), -0.476, 1e-3);
    EXPECT_EQ(eye.getDy(), 1.0f);
    EXPECT_NEAR(eye.getDz(), 0.879, 1e-3);
    EXPECT_NEAR(orbitAngle(), 2.0668, 1e-4);
    EXPECT_EQ(clickedX, 0.496f);
    EXPECT_EQ(glutRecorder::redisplays, 1);

    Vector3D turned = eye;
    mouseMove(312, 400);  // straight down: the same place, up to rounding
    EXPECT_NEAR(eye.getDx(), turned.getDx(), 1e-6);
    EXPECT_EQ(eye.getDy(), 1.0f);
    EXPECT_NEAR(eye.getDz(), turned.getDz(), 1e-6);
    EXPECT_EQ(glutRecorder::redisplays, 2) << "a vertical move still redraws";

    turned = eye;
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 100, 0);
    EXPECT_TRUE(eye == turned);
    EXPECT_EQ(clickedX, 0.496f) << "a release changes nothing";
    EXPECT_EQ(glutRecorder::redisplays, 2);
}

TEST_F(Controls, AMoveThatWouldPassALimitIsDropped)
{
    // 88 pixels are about 40 degrees: from 90 past 125 or below 55 in one event.
    struct Case { const char* name; int to; float clickedAfter; };
    for (const Case c : {Case{"right", 338, 0.704f}, Case{"left", 162, -0.704f}}) {
        restoreStartState();
        mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 250, 0);
        mouseMove(c.to, 0);
        EXPECT_TRUE(eye == Vector3D(0, 1, 1)) << c.name;
        EXPECT_EQ(glutRecorder::redisplays, 0) << c.name;
        EXPECT_EQ(clickedX, c.clickedAfter) << c.name << ": the drag moves on";
        mouseMove(c.to + (c.to - 250) / 4, 0);  // a small step from there is taken
        EXPECT_NEAR(orbitAngle(), M_PI / 2 + (c.to - 250) / 4 * 4.0 / 500, 1e-4) << c.name;
        EXPECT_EQ(glutRecorder::redisplays, 1) << c.name;
    }
}

TEST_F(Controls, AWindowOfHeightZeroLeavesTheCameraAlone)
{
    reshape(500, 0);
    glutRecorder::clear();
    for (int x : {250, 312}) {
        mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, 0);
        mouseMove(x + 62, 0);
        EXPECT_TRUE(eye == Vector3D(0, 1, 1)) << "press at " << x;
    }
    EXPECT_EQ(glutRecorder::redisplays, 0);

    reshape(500, 500);
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 250, 0);
    mouseMove(312, 0);
    EXPECT_NEAR(orbitAngle(), 2.0668, 1e-4) << "a window of proper height orbits again";
}
