// score_sheet_test.cpp: the overlay's drawing, the score strip and a panel,
// leaves OpenGL as it found it.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <vector>

#include "game_window.h"
#include "overlay/overlay.h"
#include "score/score.h"

// Read back after drawing from a state apart from the game's usual one,
// when the strip is drawn, when the picture kept of it is copied and when a
// panel is drawn over the scene.
TEST(ScoreSheet, DrawingLeavesTheOpenGlStateAsItFoundIt)
{
    const GLenum names[] = {GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX, GL_MODELVIEW_STACK_DEPTH, GL_MATRIX_MODE, GL_CURRENT_COLOR,
                            GL_CURRENT_RASTER_POSITION, GL_LIGHTING, GL_DEPTH_TEST, GL_TEXTURE_2D, GL_BLEND, GL_BLEND_SRC,
                            GL_VIEWPORT, GL_LINE_WIDTH, GL_LINE_SMOOTH, GL_TEXTURE_BINDING_2D};
    const auto state = [&] {
        std::vector<float> values(16 * std::size(names));
        for (size_t i = 0; i < std::size(names); i++)
            glGetFloatv(names[i], &values[16 * i]);
        return values;
    };
    keepScore(true);
    detachOptions();
    attachOption(scoreOption());
    ASSERT_TRUE(resizeGameWindow(700, 600));
    const int balls[] = {10, 7, 3, 9, 0};
    glColor4f(0.25f, 0.5f, 0.75f, 1);
    glRasterPos2f(0.1f, 0.2f);
    const std::vector<float> before = state();
    const Bowlers bowlers = {1, 0, {}, {scoreSheet(balls, 5)}};
    drawStrip(bowlers, 212);
    EXPECT_EQ(state(), before) << "drawn";
    drawStrip(bowlers, 212);
    EXPECT_EQ(state(), before) << "copied from the strip kept";
    const char* const lines[] = {"Esc\tresume", "a line alone"};
    drawPanel("Paused", lines, 2);
    EXPECT_EQ(state(), before) << "a panel";
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    keepScore(false);
    detachOptions();
}
