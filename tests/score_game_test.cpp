// score_game_test.cpp: scored games played through the game's callbacks, and
// the sheet's drawing leaving OpenGL as it found it.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "score/score.h"

// Throws by the mark they make. On a full rack X strikes and 7 leaves pins 1,
// 6 and 7; of those three, / takes all and 2 two; - is a gutter ball.
struct Throw { int side, aim, meterSteps; };
static const std::map<char, Throw> throws = {
    {'X', {-8, 0, 6}}, {'7', {-8, 0, 0}}, {'/', {28, -2, 10}}, {'2', {8, 0, 0}}, {'-', {-40, -6, 0}}};

static void roll(const Throw& t)
{
    for (int i = 0; i < std::abs(t.side); i++)
        keyboard(t.side < 0 ? 'a' : 'd', 0, 0);
    for (int i = 0; i < std::abs(t.aim); i++)
        specialKeyboard(t.aim < 0 ? GLUT_KEY_LEFT : GLUT_KEY_RIGHT, 0, 0);
    keyboard(' ', 0, 0);
    for (int i = 0; i < t.meterSteps; i++)
        glutRecorder::runNextTimer();
    keyboard(' ', 0, 0);
    while (glutRecorder::runNextTimer()) {}
}

// Three games in a row: each ends on a full rack and the next starts afresh.
TEST(ScoredGame, CountsFramesAndSetsUpTheRacksOfTheTenthAndTheNextGame)
{
    // Pins standing before each ball of the tenth frame and after the last.
    struct Game { const char* throws; std::vector<int> racks; const char* line; };
    const Game games[] = {
        {"X7/72------------X72", {10, 10, 3, 10}, "Game over: 65 points, best game 65\n"},
        {"------------------7/7", {10, 3, 10, 10}, "Game over: 17 points, best game 65\n"},
        {"------------------XX7", {10, 10, 10, 10}, "Game over: 27 points, best game 65\n"},
    };
    setenv("XDG_DATA_HOME", (testing::TempDir() + "ScoredGame").c_str(), 1);
    restoreStartState();
    keepScore(true);
    for (const Game& game : games) {
        testing::internal::CaptureStdout();
        const size_t balls = strlen(game.throws), tenth = balls + 1 - game.racks.size();
        for (size_t ball = 0; ball <= balls; ball++) {
            const int standing = (int)std::count_if(pins, pins + 10, [](Pin& pin) { return pin.isShown(); });
            EXPECT_TRUE(ball < tenth || standing == game.racks[ball - tenth]) << game.throws << ", ball " << ball + 1;
            if (ball < balls)
                roll(throws.at(game.throws[ball]));
        }
        EXPECT_EQ(framePart, 0) << game.throws << ": the next ball starts a new game";
        EXPECT_EQ(testing::internal::GetCapturedStdout(), game.line);
    }
    keepScore(false);
}

// Read back after drawing from a state apart from the game's usual one.
TEST(ScoreSheet, DrawingLeavesTheOpenGlStateAsItFoundIt)
{
    const GLenum names[] = {GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX, GL_MODELVIEW_STACK_DEPTH, GL_MATRIX_MODE, GL_CURRENT_COLOR,
                            GL_CURRENT_RASTER_POSITION, GL_LIGHTING, GL_DEPTH_TEST, GL_TEXTURE_2D, GL_BLEND, GL_BLEND_SRC};
    const auto state = [&] {
        std::vector<float> values(16 * std::size(names));
        for (size_t i = 0; i < std::size(names); i++)
            glGetFloatv(names[i], &values[16 * i]);
        return values;
    };
    const int balls[] = {10, 7, 3, 9, 0};
    glColor4f(0.25f, 0.5f, 0.75f, 1);
    glRasterPos2f(0.1f, 0.2f);
    const std::vector<float> before = state();
    drawSheet(scoreSheet(balls, 5), 212);
    EXPECT_EQ(state(), before);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}
