// What each drawing operation leaves behind in OpenGL: the next one relies
// on it (the aim arrow and the axes are lit with whatever material is current).
#include <gtest/gtest.h>

#include <GL/glut.h>

#include "final.h"
#include "game_window.h"
#include "rendering/rendering.h"

namespace {

struct Colour {
    float r, g, b;
};

// Set before every call, so "left as it was" is told apart from any value
// the drawing sets itself.
const Colour keptColour = {0.25f, 0.5f, 0.75f};
const materialStruct keptMaterial = {
    {0.1f, 0.2f, 0.3f, 1.0f}, {0.5f, 0.6f, 0.7f, 1.0f}, {0.9f, 0.8f, 0.7f, 1.0f}, 50.0f};

void tiltHeadPin()
{
    PinInspector::fallAngle(pins[0]) = 30;
    PinInspector::fallDirection(pins[0]) = Vector3D(1, 0, -1);
}

void hideAllPins()
{
    for (Pin& pin : pins)
        pin.hide();
}

struct DrawCase {
    const char* name;
    void (*arrange)();
    void (*draw)();
    const materialStruct* material;
    Colour colour;
};

const DrawCase drawCases[] = {
    {"floor, bumpers off", [] {}, drawFloor, &gutterMaterial, {0.4f, 0.2f, 0}},
    {"floor, bumpers on", [] { useBumpers = true; }, drawFloor, &gutterMaterial, {0.4f, 0.2f, 0}},
    {"ball while aiming", [] { ballTheta = 30; }, drawBall, &keptMaterial, {0, 0, 1}},
    {"ball while rolling", [] { currentState = rolling; }, drawBall, &keptMaterial, {0, 0, 1}},
    {"upright pins", [] {}, drawPins, &pinMaterial, {1, 1, 1}},
    {"a tilted pin", tiltHeadPin, drawPins, &pinMaterial, {1, 1, 1}},
    {"all pins hidden", hideAllPins, drawPins, &keptMaterial, keptColour},
    {"power meter", [] { ballSpeed = 0.5f; }, drawForceMeter, &keptMaterial, {0, 1, 0}},
    {"aim arrow", [] { ballTheta = -45; }, drawAimArrow, &keptMaterial, {0, 0, 0}},
    {"axes", [] {}, drawAxes, &keptMaterial, {1, 0, 0}},
    {"whole frame", [] {}, display, &pinMaterial, {0, 0, 1}},
    {"whole frame, no pins", hideAllPins, display, &gutterMaterial, {0, 0, 1}},
};

void expectMaterial(const materialStruct& expected, const char* name)
{
    materialStruct current;
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, current.ambient);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, current.diffuse);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, current.specular);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &current.shininess);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(current.ambient[i], expected.ambient[i]) << name << ": ambient " << i;
        EXPECT_EQ(current.diffuse[i], expected.diffuse[i]) << name << ": diffuse " << i;
        EXPECT_EQ(current.specular[i], expected.specular[i]) << name << ": specular " << i;
    }
    EXPECT_EQ(current.shininess, expected.shininess) << name << ": shininess";
}

}  // namespace

TEST(DrawState, EachDrawingLeavesMatrixTexturingLightingMaterialAndColour)
{
    for (const DrawCase& c : drawCases) {
        restoreStartState();
        c.arrange();
        useMaterial(keptMaterial);
        glColor3f(keptColour.r, keptColour.g, keptColour.b);
        // One level pushed, so a stray pop would show in the depth too.
        glPushMatrix();
        c.draw();

        GLfloat matrix[16], colour[4];
        GLint depth, mode;
        glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << c.name;
        for (int i = 0; i < 16; i++)
            EXPECT_EQ(matrix[i], i % 5 == 0 ? 1.0f : 0.0f) << c.name << ": modelview " << i;
        EXPECT_EQ(depth, 2) << c.name;
        EXPECT_EQ(mode, GL_MODELVIEW) << c.name;
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << c.name;
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << c.name;
        expectMaterial(*c.material, c.name);
        EXPECT_EQ(colour[0], c.colour.r) << c.name << ": red";
        EXPECT_EQ(colour[1], c.colour.g) << c.name << ": green";
        EXPECT_EQ(colour[2], c.colour.b) << c.name << ": blue";
        glPopMatrix();
    }
}

// A frame allocates nothing of ours: both quadrics are made once and reused.
TEST(DrawState, QuadricsAreMadeOnceAndReused)
{
    restoreStartState();
    display();
    GLUquadric* const ball = ballQuadric;
    GLUquadric* const pin = pinQuadric;
    display();
    EXPECT_NE(ball, nullptr);
    EXPECT_NE(pin, nullptr);
    EXPECT_EQ(ballQuadric, ball);
    EXPECT_EQ(pinQuadric, pin);
}
