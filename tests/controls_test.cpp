// The keyboard and mouse callbacks, called directly as GLUT would call them.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <cctype>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"

class Controls : public testing::Test {
protected:
    void SetUp() override { restoreStartState(); }
};

TEST_F(Controls, SideKeysStopOnTheLaneEdgeAndArrowsAt45)
{
    for (unsigned char key : {'a', 'A', 'd', 'D'}) {
        restoreStartState();
        const float edge = tolower(key) == 'a' ? -0.2905f : 0.2905f;
        for (int press = 1; press <= 52; press++) {
            keyboard(key, 0, 0);
            EXPECT_EQ(ballX == edge, press >= 49) << key << " press " << press;
        }
        EXPECT_EQ(glutRecorder::redisplays, 52) << key << ": every press redraws, even at the edge";
    }
    for (int key : {GLUT_KEY_LEFT, GLUT_KEY_RIGHT}) {
        restoreStartState();
        const int limit = key == GLUT_KEY_LEFT ? -45 : 45;
        for (int press = 1; press <= 24; press++)
            specialKeyboard(key, 0, 0);
        EXPECT_EQ(ballTheta, limit) << "key " << key;
        specialKeyboard(GLUT_KEY_LEFT + GLUT_KEY_RIGHT - key, 0, 0);
        EXPECT_EQ(ballTheta, limit / 45 * 43) << "key " << key;
        EXPECT_EQ(glutRecorder::redisplays, 25) << "key " << key;
    }
}

// Everything a key may change, and what it may ask of GLUT.
static auto snapshot()
{
    return std::make_tuple(currentState, ballTheta, ballX, ballZ, ballSpeed, useBumpers, shouldDrawAxes,
                           glutRecorder::redisplays, glutRecorder::timers.size());
}

TEST_F(Controls, KeysThatDoNotActChangeNothing)
{
    const char* const stateName[] = {"aiming", "powering", "rolling"};
    for (int state : {aiming, powering, rolling}) {
        restoreStartState();
        currentState = state;
        const auto before = snapshot();
        // The game's keys act only while aiming, space not while rolling; the rest never.
        const std::string gameKeys = state == aiming ? "" : state == powering ? "aAdDbB" : "aAdDbB ";
        for (unsigned char key : gameKeys + "09qx.\x1b\r")
            keyboard(key, 0, 0);
        for (int key : {GLUT_KEY_F1, GLUT_KEY_UP, GLUT_KEY_DOWN, GLUT_KEY_LEFT, GLUT_KEY_RIGHT})
            if (state != aiming || (key != GLUT_KEY_LEFT && key != GLUT_KEY_RIGHT))
                specialKeyboard(key, 0, 0);
        EXPECT_EQ(snapshot(), before) << stateName[state];
        keyboard('Z', 0, 0);
        EXPECT_TRUE(shouldDrawAxes) << stateName[state] << ": the axes key works in every state";
    }
}

TEST_F(Controls, ReleaseFoldsTheAimIntoTheRollMatrix)
{
    ballTheta = 10;
    keyboard(' ', 0, 0);
    keyboard(' ', 0, 0);
    EXPECT_LT(ballZ, 0.52f) << "the first ball step ran at once";
    // It spins the ball about the axis across the ball's path, which keeps the aim's first column.
    const Vector3D aimColumn(std::cos(10 * pi / 180), 0, std::sin(10 * pi / 180));
    EXPECT_LE((Vector3D(ballRollM[0], ballRollM[1], ballRollM[2]) - aimColumn).magnitude(), 1e-6);
}

// In the 500 x 500 window one pixel sideways is 4 / 500 of a radian.
TEST_F(Controls, DragSwingsTheCameraWithinItsLimits)
{
    struct Case { const char* name; int height, pressX; std::vector<std::pair<int, int>> moves;
                  Vector3D eye; int redisplays; float clickedX; };
    const Case cases[] = {
        {"the worked drag", 500, 250, {{312, 0}}, Vector3D(-0.47591f, 1, 0.87949f), 1, 0.496f},
        {"then straight down", 500, 250, {{312, 0}, {312, 400}}, Vector3D(-0.47591f, 1, 0.87949f), 2, 0.496f},
        // 88 pixels are about 40 degrees: from 90 past 125 or below 55 in one event, dropped.
        {"past 125, then a step", 500, 250, {{338, 0}, {360, 0}}, Vector3D(-0.17509f, 1, 0.98455f), 1, 0.88f},
        {"below 55, then a step", 500, 250, {{162, 0}, {140, 0}}, Vector3D(0.17509f, 1, 0.98455f), 1, -0.88f},
        {"height 0", 0, 250, {{312, 0}}, Vector3D(0, 1, 1), 0, INFINITY},
    };
    for (const Case& c : cases) {
        reshape(500, c.height);
        restoreStartState();
        mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, c.pressX, 0);
        for (auto [x, y] : c.moves)
            mouseMove(x, y);
        EXPECT_LE((eye - c.eye).magnitude(), 1e-4) << c.name;
        EXPECT_EQ(glutRecorder::redisplays, c.redisplays) << c.name;
        EXPECT_EQ(clickedX, c.clickedX) << c.name;
    }
    reshape(500, 500);
}
