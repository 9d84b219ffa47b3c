// What each drawing operation leaves behind in OpenGL: the next one relies
// on it (the aim arrow and the axes are lit with whatever material is current).
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <array>
#include <cstring>

#include "final.h"
#include "game_window.h"
#include "rendering/rendering.h"

namespace {

using Colour = std::array<float, 4>;

// Set before each drawing, so "left as it was" differs from anything it sets.
const Colour keptColour = {0.25f, 0.5f, 0.75f, 1};
const materialStruct keptMaterial = {{0.1f, 0.2f, 0.3f, 1}, {0.5f, 0.6f, 0.7f, 1}, {0.9f, 0.8f, 0.7f, 1}, 50};

struct DrawCase {
    const char* name;
    void (*arrange)();
    void (*draw)();
    const materialStruct* material;  // null: neither material nor colour is checked
    Colour colour;
};

const DrawCase drawCases[] = {
    {"floor with bumpers", [] { useBumpers = true; }, drawFloor, &gutterMaterial, {0.4f, 0.2f, 0, 1}},
    {"pins, one tilted", [] { PinInspector::fallAngle(pins[0]) = 30; }, drawPins, &pinMaterial, {1, 1, 1, 1}},
    {"all pins hidden", [] {
         for (Pin& pin : pins)
             pin.hide();
     }, drawPins, &keptMaterial, keptColour},
    {"ball", [] {}, drawBall, &keptMaterial, {0, 0, 1, 1}},
    {"power meter", [] {}, drawForceMeter, &keptMaterial, {0, 1, 0, 1}},
    {"axes", [] {}, drawAxes, &keptMaterial, {1, 0, 0, 1}},
    {"aim arrow", [] {}, drawAimArrow, nullptr, {}},
};

}  // namespace

// Matrix, depth, texturing, lighting, material and colour; and the quadrics,
// made once and reused, so that a frame allocates nothing of ours.
TEST(DrawState, DrawingsLeaveTheStateTheNextReliesOnAndReuseTheQuadrics)
{
    display();
    const GLUquadric* const quadrics[] = {ballQuadric, pinQuadric};
    const std::array<float, 16> identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (const DrawCase& c : drawCases) {
        restoreStartState();
        c.arrange();
        useMaterial(keptMaterial);
        glColor4fv(keptColour.data());
        glPushMatrix();  // one level pushed, so a stray pop shows in the depth too
        c.draw();
        std::array<float, 16> matrix;
        GLint depth;
        Colour colour;
        materialStruct material;
        glGetFloatv(GL_MODELVIEW_MATRIX, matrix.data());
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        glGetFloatv(GL_CURRENT_COLOR, colour.data());
        glGetMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
        glGetMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
        glGetMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
        glGetMaterialfv(GL_FRONT, GL_SHININESS, &material.shininess);
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << c.name;
        EXPECT_EQ(matrix, identity) << c.name;
        EXPECT_EQ(depth, 2) << c.name;
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << c.name;
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << c.name;
        if (c.material) {
            EXPECT_EQ(std::memcmp(&material, c.material, sizeof material), 0) << c.name << ": material";
            EXPECT_EQ(colour, c.colour) << c.name;
        }
        glPopMatrix();
    }
    EXPECT_TRUE(quadrics[0] && quadrics[1]);
    EXPECT_TRUE(quadrics[0] == ballQuadric && quadrics[1] == pinQuadric) << "quadrics made again";
}
