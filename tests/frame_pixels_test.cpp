// Whole frames in known game states, read back where the geometry puts each
// piece. The lane's picture is swapped for plain magenta here: the lane then
// shows exactly that colour whatever the texture generator draws, and only
// because its quad carries texture 2 unshaded.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <cmath>
#include <utility>

#include "assets/assets.h"
#include "final.h"
#include "frame_capture.h"
#include "game_window.h"

namespace {

const Rgb laneColour = {255, 0, 255};
const Rgb black = {0, 0, 0};

// Gutters show only their brown material (no blue at all), bumpers their
// grey one; lit colours vary with the angle, so only the hue is tested.
const char* looksOf(Rgb c)
{
    if (c == laneColour)
        return "lane";
    if (c == black)
        return "background";
    if (c.b == 0 && c.r > c.g && c.g > 0)
        return "gutter";
    if (std::abs(c.r - c.g) <= 2 && std::abs(c.g - c.b) <= 2)
        return "bumper";
    return "other";
}

// Bare lane or empty background: nothing drawn in front.
bool bare(Rgb c)
{
    return c == laneColour || c == black;
}

// Whether some pixel within one of p passes: thin lines may land next door.
template <typename Test>
bool anyNear(const Frame& frame, ScreenPoint p, Test test)
{
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (test(frame.at(p.x + dx, p.y + dy)))
                return true;
    return false;
}

bool somethingNear(const Frame& frame, ScreenPoint p)
{
    return anyNear(frame, p, [](Rgb c) { return !bare(c); });
}

// The mean position of the pixels that differ from the empty frame.
std::pair<double, double> middleOfChange(const Frame& frame, const Frame& empty)
{
    double sumX = 0, sumY = 0;
    int count = 0;
    for (int y = 0; y < frame.height; y++)
        for (int x = 0; x < frame.width; x++)
            if (!(frame.at(x, y) == empty.at(x, y))) {
                sumX += x;
                sumY += y;
                count++;
            }
    return {sumX / count, sumY / count};
}

// Shows pin number shown alone; -1 shows none.
void showOnly(int shown)
{
    for (int i = 0; i < 10; i++)
        if (i == shown)
            pins[i].show();
        else
            pins[i].hide();
}

}  // namespace

class FramePixels : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const unsigned char magenta[] = {(unsigned char)laneColour.r, 0, (unsigned char)laneColour.b};
        glBindTexture(GL_TEXTURE_2D, 2);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, magenta);
    }
    static void TearDownTestSuite() { LoadTexture("floor.bmp", 2); }
    void SetUp() override { restoreStartState(); }
};

TEST_F(FramePixels, LaneGuttersAndBumpersLieWhereTheGeometryPutsThem)
{
    struct Case { const char* name; float x, y, z; const char* bumpersOff; const char* bumpersOn; };
    const Case cases[] = {
        {"lane centre", 0, 0, -0.5f, "lane", "lane"},
        {"lane, inside its left edge", -0.28f, 0, -0.5f, "lane", "lane"},
        {"lane, inside its right edge", 0.28f, 0, -0.5f, "lane", "lane"},
        {"lane, far end", 0.2f, 0, -2.1f, "lane", "lane"},
        {"past the far end", 0.2f, 0, -2.4f, "background", "background"},
        {"lane, near end", 0.2f, 0, 0.45f, "lane", "lane"},
        {"short of the near end", 0.2f, 0, 0.6f, "background", "background"},
        {"left gutter, outer half", -0.3655f, -0.02f, -0.5f, "gutter", "gutter"},
        {"right gutter, outer half", 0.3655f, -0.02f, -0.5f, "gutter", "gutter"},
        {"left bumper top", -0.3155f, 0.03f, -0.5f, "gutter", "bumper"},
        {"right bumper top", 0.3155f, 0.03f, -0.5f, "gutter", "bumper"},
        {"past the left gutter", -0.42f, -0.02f, -0.5f, "background", "background"},
        {"past the right gutter", 0.42f, -0.02f, -0.5f, "background", "background"},
    };
    showOnly(-1);
    const Frame off = drawFrame();
    useBumpers = true;
    const Frame on = drawFrame();
    for (const Case& c : cases) {
        const ScreenPoint p = sceneToScreen(c.x, c.y, c.z);
        EXPECT_STREQ(looksOf(off.at(p.x, p.y)), c.bumpersOff) << c.name << ", bumpers off";
        EXPECT_STREQ(looksOf(on.at(p.x, p.y)), c.bumpersOn) << c.name << ", bumpers on";
    }
}

// A pin seen alone shows at its own rack place. Hidden in a full rack, it
// uncovers whatever lay behind it there (a ray past a head may still meet a
// pin further back, so "behind" need not be bare lane).
TEST_F(FramePixels, EachShownPinAppearsAtItsRackPlaceAndAHiddenOneDoesNot)
{
    const Frame fullRack = drawFrame();
    for (int i = 0; i < 10; i++) {
        const ScreenPoint head = sceneToScreen(PinInspector::x(pins[i]), 0.175f, PinInspector::z(pins[i]));
        showOnly(i);
        EXPECT_FALSE(bare(drawFrame().at(head.x, head.y))) << "pin " << i << " alone";

        restoreStartState();
        pins[i].hide();
        EXPECT_FALSE(drawFrame().at(head.x, head.y) == fullRack.at(head.x, head.y))
            << "pin " << i << " hidden in a full rack";
    }
}

// The pin's foot stays where it was, so the middle of its outline moves
// towards the side it falls to. Seen from steeply above, so that a pin
// falling away from the camera is not mistaken for one sinking towards it.
TEST_F(FramePixels, ATiltedPinLeansTowardsItsFallDirection)
{
    struct Case { const char* name; float dx, dz; };  // dx, dz: the horizontal fall direction
    const Case cases[] = {
        {"towards +x", 1, 0},
        {"towards -x", -1, 0},
        {"down the lane", 0, -1},
        {"towards +x and down the lane", 0.7f, -0.7f},
    };
    const int centrePin = 4;
    const float x = PinInspector::x(pins[centrePin]), z = PinInspector::z(pins[centrePin]);
    eye = Vector3D(x, 1.5f, z + 0.5f);
    look = Vector3D(x, 0, z);
    showOnly(-1);
    const Frame empty = drawFrame();
    showOnly(centrePin);
    const auto upright = middleOfChange(drawFrame(), empty);
    for (const Case& c : cases) {
        PinInspector::fallAngle(pins[centrePin]) = 60;
        PinInspector::fallDirection(pins[centrePin]) = Vector3D(c.dx, 0, c.dz);
        const auto tilted = middleOfChange(drawFrame(), empty);
        const ScreenPoint foot = sceneToScreen(x, 0, z);
        const ScreenPoint ahead = sceneToScreen(x + 0.1f * c.dx, 0, z + 0.1f * c.dz);
        const double towardsX = ahead.x - foot.x, towardsY = ahead.y - foot.y;
        const double moved =
            ((tilted.first - upright.first) * towardsX + (tilted.second - upright.second) * towardsY) /
            std::hypot(towardsX, towardsY);
        EXPECT_GT(moved, 2.0) << c.name << ": pixels moved in the fall direction";
    }
}

TEST_F(FramePixels, PowerBarWidthFollowsBallSpeed)
{
    const Rgb green = {0, 255, 0};
    const float samples[] = {-0.2f, -0.1f, 0.1f, 0.2f};
    for (float speed : {0.0f, 0.5f, 1.0f}) {
        ballSpeed = speed;
        const Frame frame = drawFrame();
        const float barRight = speed * 0.5f - 0.25f;
        for (float x : samples) {
            const ScreenPoint p = overlayToScreen(x, -0.5f);
            EXPECT_EQ(frame.at(p.x, p.y) == green, x < barRight) << "ballSpeed " << speed << ", x " << x;
        }
        if (speed == 0) {
            for (ScreenPoint edge : {overlayToScreen(0, -0.45f), overlayToScreen(0, -0.55f),
                                     overlayToScreen(-0.25f, -0.5f), overlayToScreen(0.25f, -0.5f)})
                EXPECT_TRUE(anyNear(frame, edge, [](Rgb c) { return c == Rgb{255, 255, 255}; }))
                    << "outline at " << edge.x << ", " << edge.y;
        }
    }
}

TEST_F(FramePixels, AimArrowShowsOnlyWhileAiming)
{
    for (int state : {aiming, powering, rolling}) {
        restoreStartState();
        currentState = state;
        ballTheta = 30;
        ballX = -0.1f;
        const Frame frame = drawFrame();
        // Three quarters along the arrow, clear of the ball.
        const float along = 0.15f, angle = (float)(30 * pi / 180);
        const ScreenPoint p =
            sceneToScreen(ballX + along * std::sin(angle), 0.01f, ballZ - along * std::cos(angle));
        EXPECT_EQ(somethingNear(frame, p), state == aiming) << "state " << state;
    }
}

TEST_F(FramePixels, AxesShowOnlyWhenSwitchedOn)
{
    struct Case { const char* name; float x, y, z; };
    const Case cases[] = {
        {"x axis, left of the lane", -0.5f, 0, 0},
        {"x axis, right of the lane", 0.5f, 0, 0},
        {"y axis, above the lane", 0, 0.5f, 0},
    };
    const Frame off = drawFrame();
    shouldDrawAxes = true;
    const Frame on = drawFrame();
    for (const Case& c : cases) {
        const ScreenPoint p = sceneToScreen(c.x, c.y, c.z);
        EXPECT_FALSE(somethingNear(off, p)) << c.name << ", switched off";
        EXPECT_TRUE(somethingNear(on, p)) << c.name << ", switched on";
    }
}
