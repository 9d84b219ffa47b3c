// window_test.cpp: the player's window keeps the scene's proportions: the
// ball, drawn alone where it starts, measures as wide as it is high in a
// square scene, and so in a wide or a tall one, which see more instead.
// Its panels and the game-over panel never show at once, and no game key
// acts behind the game-over panel.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <algorithm>
#include <vector>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "real_physics/real_physics.h"
#include "rendering/rendering.h"
#include "scratch_folder.h"
#include "score/score.h"
#include "window/window.h"

// The scene's rows of the picture drawn last.
static std::vector<unsigned char> sceneRows()
{
    std::vector<unsigned char> rgb((size_t)GW * GH * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GW, GH, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

// The ball's bounding box in the scene's viewport, in pixels.
struct Box {
    int wide, high;
};

static Box ballAlone()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    gluLookAt(eye.getDx(), eye.getDy(), eye.getDz(), look.getDx(), look.getDy(), look.getDz(), 0, 1, 0);
    glTranslatef(ballX, 0, ballZ);
    drawBall(turn);
    glPopMatrix();
    const std::vector<unsigned char> rgb = sceneRows();
    int left = GW, right = -1, bottom = GH, top = -1;
    for (int y = 0; y < GH; y++)
        for (int x = 0; x < GW; x++) {
            const unsigned char* pixel = &rgb[((size_t)y * GW + x) * 3];
            if (pixel[0] + pixel[1] + pixel[2] == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            bottom = std::min(bottom, y);
            top = std::max(top, y);
        }
    return {right - left + 1, top - bottom + 1};
}

// Seen from the camera, off the picture's axis, the ball is a little higher
// than wide even in the square scene: other shapes must measure the same,
// scaled by the scene's smaller side, to within a pixel or two.
TEST(PlayerWindow, TheBallKeepsItsShapeAtEveryShapeOfWindow)
{
    restoreStartState();
    detachOptions();
    attachOption(playerWindow(0, nullptr));
    ASSERT_TRUE(resizeGameWindow(500, 518));  // a square scene below the hint
    ASSERT_EQ(GH, 500);
    const Box square = ballAlone();
    const int shapes[][2] = {{1000, 500}, {500, 1000}};
    for (const auto& shape : shapes) {
        ASSERT_TRUE(resizeGameWindow(shape[0], shape[1]));
        const Box ball = ballAlone();
        const double scale = std::min(GW, GH) / 500.0;
        EXPECT_NEAR(ball.wide, square.wide * scale, 2) << shape[0] << " x " << shape[1];
        EXPECT_NEAR(ball.high, square.high * scale, 2) << shape[0] << " x " << shape[1];
    }
    detachOptions();
}

// Esc in the middle of the meter and of the roll, the steps that fall due
// meanwhile run on resume: the turn, and the pins standing by either
// physics, end as the same throw's never paused.
TEST(PlayerWindow, APausedThrowEndsAsOneNeverPaused)
{
    // The last of the ticks falls due under the panel, and runs on resume;
    // the rest come as much later as the pause lasted, as a meter would.
    const auto run = [](int ticks, bool pause) {
        for (int i = 0; i < ticks - pause; i++)
            glutRecorder::runNextTimer();
        if (!pause)
            return;
        keyboard(27, 0, 0);
        const int pausedAt = glutRecorder::now;
        for (int i = 0; i < 3; i++)
            glutRecorder::runNextTimer();
        keyboard(27, 0, 0);
        glutRecorder::now += glutRecorder::now - pausedAt;
    };
    for (const bool real : {false, true}) {
        Turn ends[2];
        unsigned standing[2];
        for (const bool pause : {false, true}) {
            restoreStartState();
            detachOptions();
            if (real)
                attachOption(realPhysicsOption());
            attachOption(playerWindow(0, nullptr));
            newGame();
            aim(20, 0);
            keyboard(' ', 0, 0);
            run(3, pause);
            keyboard(' ', 0, 0);
            run(5, pause);
            while (currentState != aiming && glutRecorder::runNextTimer()) {
            }
            ends[pause] = turn;
            standing[pause] = standingPins();
        }
        EXPECT_TRUE(ends[0] == ends[1]) << (real ? "rigid bodies" : "the written roll");
        EXPECT_EQ(standing[0], standing[1]) << (real ? "rigid bodies" : "the written roll");
        EXPECT_NE(standing[0], (1u << pinCount) - 1) << "the throw should reach the pins";
    }
    detachOptions();
}

TEST(PlayerWindow, TheGameOverPanelStandsAlone)
{
    ScratchFolder data;  // for the best game
    setenv("XDG_DATA_HOME", data.path.c_str(), 1);
    restoreStartState();
    keepScore(true);
    detachOptions();
    attachOption(scoreOption());
    attachOption(playerWindow(0, nullptr));
    ASSERT_TRUE(resizeGameWindow(500, 562));
    for (int ball = 0; ball < 20; ball++)
        recordBall(0);
    for (int key : {(int)'a', (int)'D', (int)'b', -GLUT_KEY_LEFT, -GLUT_KEY_RIGHT}) {  // special keys negative
        key > 0 ? keyboard((unsigned char)key, 0, 0) : specialKeyboard(-key, 0, 0);
        EXPECT_TRUE(ballX == 0 && ballTheta == 0 && !useBumpers) << "key " << key;
    }
    ASSERT_NE(keysHint(), nullptr);
    EXPECT_STREQ(keysHint()[0], "Space: new game") << "the hint tells the panel's keys, not the game's";
    // Each of the window's panels alone, over the game-over panel as after it.
    for (unsigned char opens : {'\x1b', 'h'}) {
        keyboard(opens, 0, 0);
        display();
        const std::vector<unsigned char> overGameOver = sceneRows();
        keyboard(opens, 0, 0);
        keyboard(' ', 0, 0);  // the next game
        EXPECT_EQ(keysHint(), nullptr);
        keyboard(opens, 0, 0);
        display();
        EXPECT_TRUE(sceneRows() == overGameOver) << "panel opened by " << opens;
        keyboard(opens, 0, 0);
        for (int ball = 0; ball < 20; ball++)
            recordBall(0);
    }
    keepScore(false);
    detachOptions();
}
