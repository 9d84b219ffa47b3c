// Whole frames in known game states, read back where the geometry puts each
// piece. The lane's picture is swapped for plain magenta: the lane then shows
// exactly that colour, and only because its quad is textured and unshaded.
#include <gtest/gtest.h>

#include <string>

#include "assets/assets.h"
#include "frame_capture.h"
#include "game_window.h"

namespace {

const Rgb magenta = {255, 0, 255};
const Rgb green = {0, 255, 0};

// What the frame shows where a world point lands. Lit colours vary with the
// angle: brown gutters have no blue, white pins and grey bumpers do.
std::string looksAt(const Frame& frame, float x, float y, float z)
{
    const Rgb colour = frame.at(project(eye, look, x, y, z));
    if (colour == magenta)
        return "lane";
    if (colour == Rgb{0, 0, 0})
        return "background";
    return colour[2] == 0 ? "gutter" : "pin or bumper";
}

}  // namespace

// Lines are drawn three pixels wide here, so a projected point surely lands on one.
class FramePixels : public testing::Test {
protected:
    void SetUp() override
    {
        restoreStartState();
        const unsigned char magentaTexel[] = {255, 0, 255};
        glBindTexture(GL_TEXTURE_2D, 2);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, magentaTexel);
        glLineWidth(3);
    }
    void TearDown() override
    {
        LoadTexture("floor.bmp", 2);
        glLineWidth(1);
    }
};

// Hidden in a full rack, a pin uncovers what lay behind it: maybe another pin.
// Alone and fallen 60 degrees towards +x, its body reaches about 0.15 that way.
TEST_F(FramePixels, EachPinShowsAtItsRackPlaceLeansItsWayAndHides)
{
    const Frame fullRack = drawFrame();
    for (int i = 0; i < 10; i++) {
        const float x = PinInspector::x(pins[i]), z = PinInspector::z(pins[i]);
        const ScreenPoint head = project(eye, look, x, 0.175f, z);
        pins[i].hide();
        EXPECT_NE(drawFrame().at(head), fullRack.at(head)) << "pin " << i << " hidden";
        for (Pin& pin : pins)
            pin.hide();
        pins[i].show();
        EXPECT_EQ(looksAt(drawFrame(), x, 0.175f, z), "pin or bumper") << "pin " << i << " alone";
        PinInspector::fallAngle(pins[i]) = 60;
        PinInspector::fallDirection(pins[i]) = Vector3D(1, 0, 0);
        EXPECT_EQ(looksAt(drawFrame(), x + 0.15f, 0.1f, z), "pin or bumper") << "pin " << i << " fallen";
        restoreStartState();
    }
}

// The bar reaches from the meter's left end as far as the speed says; the
// bumpers and axes show only when switched on, the arrow only while aiming.
TEST_F(FramePixels, LaneGuttersBumpersAndOverlaysFollowTheGameState)
{
    struct Case { const char* name; int state; float speed; bool switchedOn; };
    const Case cases[] = {
        {"aiming at speed 0", aiming, 0, false},
        {"powering at speed 0.5, bumpers and axes on", powering, 0.5f, true},
        {"rolling at speed 1", rolling, 1, false},
    };
    for (const Case& c : cases) {
        currentState = c.state;
        ballSpeed = c.speed;
        useBumpers = c.switchedOn;
        shouldDrawAxes = c.switchedOn;
        ballTheta = 30;
        const Frame frame = drawFrame();
        // The meter lies one unit in front of its own camera.
        auto barAt = [&](float x) { return frame.at(project({0, 0, 1}, {0, 0, 0}, x, -0.5f, 0)) == green; };
        EXPECT_EQ(looksAt(frame, -0.28f, 0, -0.5f), "lane") << c.name << ": inside the lane's left edge";
        EXPECT_EQ(looksAt(frame, 0.3655f, -0.02f, -0.5f), "gutter") << c.name << ": right gutter";
        EXPECT_EQ(looksAt(frame, -0.42f, -0.02f, -0.5f), "background") << c.name << ": past the left gutter";
        const char* bumper = c.switchedOn ? "pin or bumper" : "gutter";
        EXPECT_EQ(looksAt(frame, -0.3155f, 0.03f, -0.5f), bumper) << c.name << ": left bumper's top";
        EXPECT_EQ(looksAt(frame, -0.5f, 0, 0) != "background", c.switchedOn) << c.name << ": x axis";
        EXPECT_EQ(barAt(-0.05f), c.speed >= 0.5f) << c.name << ": bar middle";
        EXPECT_EQ(barAt(0.2f), c.speed == 1) << c.name << ": bar end";
        // Three quarters along the arrow, clear of the ball.
        const bool arrow = looksAt(frame, ballX + 0.075f, 0.01f, ballZ - 0.13f) != "lane";
        EXPECT_EQ(arrow, c.state == aiming) << c.name << ": arrow";
    }
}
