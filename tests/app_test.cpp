// The real bowling binary, started as a player starts it and played with
// real X key and mouse events; what it shows is read back from its window.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <algorithm>
#include <cmath>

#include "x11_app.h"

static const std::vector<std::string> allTextures = {"balltexture.bmp", "floor.bmp", "pintexture.bmp"};

TEST(GameBinary, LoadsItsTexturesAndOpensA500SquareWindow)
{
    GameApp app(allTextures);
    ASSERT_TRUE(app.waitForWindow(10));
    EXPECT_EQ(app.windowTitle(), "Bowling");
    int width, height;
    app.windowSize(width, height);
    EXPECT_EQ(width, 500);
    EXPECT_EQ(height, 500);
    EXPECT_EQ(app.stopAndReadOutput(),
              "trying to load balltexture.bmp\ntrying to load floor.bmp\ntrying to load pintexture.bmp\n");
}

TEST(GameBinary, EndsWithStatus1WhenTheLaneTextureIsMissing)
{
    GameApp app({"balltexture.bmp", "pintexture.bmp"});
    EXPECT_EQ(app.waitForExit(10), 1);
    EXPECT_EQ(app.stopAndReadOutput(),
              "trying to load balltexture.bmp\ntrying to load floor.bmp\nFile Not Found : floor.bmp\n");
}

// --- Where things appear in the 500 x 500 window.

struct Camera { double x, y, z; };
struct ScreenPoint { double x, y; };
struct Box { int left, top, right, bottom; };

static const Camera startCamera = {0, 1, 1};
static const double ballRadius = 0.06013;
static const double ballStartZ = 0.52;
static const double rack[10][2] = {
    {0, -1.3}, {0.084, -1.44525}, {-0.084, -1.44525}, {0.168, -1.5905}, {0, -1.5905},
    {-0.168, -1.5905}, {0.252, -1.73575}, {0.084, -1.73575}, {-0.084, -1.73575}, {-0.252, -1.73575}};

// The game's scene camera: from eye towards the origin, up +y, 60 degrees
// high, aspect 1; y counts from the top of the window.
static ScreenPoint project(Camera eye, double x, double y, double z)
{
    const double length = std::sqrt(eye.x * eye.x + eye.y * eye.y + eye.z * eye.z);
    const double f[3] = {-eye.x / length, -eye.y / length, -eye.z / length};
    const double s[3] = {-f[2] / std::hypot(f[0], f[2]), 0, f[0] / std::hypot(f[0], f[2])};
    const double u[3] = {-s[2] * f[1], s[2] * f[0] - s[0] * f[2], s[0] * f[1]};  // s x f
    const double v[3] = {x - eye.x, y - eye.y, z - eye.z};
    const auto dot = [&](const double* a) { return a[0] * v[0] + a[1] * v[1] + a[2] * v[2]; };
    const double focal = 250 / std::tan(M_PI / 6);
    return {250 + focal * dot(s) / dot(f), 250 - focal * dot(u) / dot(f)};
}

struct RackView {
    Box box;         // all ten pins upright, with a few pixels to spare
    double centreX;  // the mean of their middles
};

static RackView rackView(Camera eye)
{
    RackView view = {{500, 500, 0, 0}, 0};
    Box& box = view.box;
    for (const auto& pin : rack) {
        view.centreX += project(eye, pin[0], 0.1, pin[1]).x / 10;
        for (double dx : {-0.04, 0.04})
            for (double y : {0.0, 0.21}) {
                const ScreenPoint p = project(eye, pin[0] + dx, y, pin[1]);
                box = {std::min(box.left, (int)p.x - 4), std::min(box.top, (int)p.y - 4),
                       std::max(box.right, (int)p.x + 4), std::max(box.bottom, (int)p.y + 4)};
            }
    }
    return view;
}

struct WhiteArea { int count; double centreX; };

// The pin bodies show their white picture unlit: the only near-white pixels
// around the rack.
static WhiteArea whiteIn(const Screenshot& shot, Box box)
{
    WhiteArea area = {0, 0};
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, shot.height); y++)
        for (int x = std::max(box.left, 0); x < std::min(box.right, shot.width); x++) {
            const unsigned char* p = shot.at(x, y);
            if (p[0] > 190 && p[1] > 190 && p[2] > 190) {
                area.count++;
                area.centreX += x;
            }
        }
    area.centreX /= std::max(area.count, 1);
    return area;
}

static bool differs(const Screenshot& a, const Screenshot& b, int x, int y)
{
    const unsigned char* p = a.at(x, y);
    const unsigned char* q = b.at(x, y);
    return std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 60;
}

// The share of pixels in the middle of where the start camera would show a
// ball at (x, z) that differ from the reference picture.
static double changedAtBall(const Screenshot& shot, const Screenshot& reference, double x, double z)
{
    const ScreenPoint centre = project(startCamera, x, ballRadius, z);
    const double r = 0.6 * (project(startCamera, x + ballRadius, ballRadius, z).x - centre.x);
    int inside = 0, changed = 0;
    for (int py = (int)(centre.y - r); py <= (int)(centre.y + r); py++)
        for (int px = (int)(centre.x - r); px <= (int)(centre.x + r); px++)
            if (std::hypot(px - centre.x, py - centre.y) <= r) {
                inside++;
                changed += differs(shot, reference, px, py);
            }
    return (double)changed / std::max(inside, 1);
}

// The picture once the game has drawn all it was asked to.
static Screenshot settled(GameApp& app)
{
    Screenshot previous = app.grab();
    for (int i = 0; i < 50; i++) {
        sleepSeconds(0.1);
        const Screenshot shot = app.grab();
        if (shot == previous)
            break;
        previous = shot;
    }
    return previous;
}

struct Roll {
    bool ended;
    std::vector<double> ballZ;  // where the ball was seen, frame by frame
};

// Follows a released ball, along its path short of the pins, until a ball
// is back at the start place as in the start picture.
static Roll followRoll(GameApp& app, const Screenshot& beforeRoll, const Screenshot& atStart, double startX,
                       double aimDegrees)
{
    Roll roll = {false, {}};
    Screenshot shot;
    const auto ballAtHome = [&](const Screenshot& s) { return changedAtBall(s, atStart, 0, ballStartZ) < 0.05; };
    if (!app.waitForShot([&](const Screenshot& s) { return !ballAtHome(s); }, 5, shot))
        return roll;
    const auto trackUntilHome = [&](const Screenshot& s) {
        for (double z = 0.25; z > -1.0; z -= 0.01) {
            const double x = startX + (ballStartZ - z) * std::tan(aimDegrees * M_PI / 180);
            if (changedAtBall(s, beforeRoll, x, z) > 0.8) {
                roll.ballZ.push_back(z);
                break;
            }
        }
        return ballAtHome(s);
    };
    roll.ended = app.waitForShot(trackUntilHome, 10, shot);
    return roll;
}

TEST(GameBinary, PlaysAFrameWithRealKeysAndTheMouse)
{
    GameApp app(allTextures);
    ASSERT_TRUE(app.waitForWindow(10));
    const RackView startRack = rackView(startCamera);
    const Screenshot atStart = settled(app);
    const WhiteArea fullRack = whiteIn(atStart, startRack.box);
    ASSERT_GT(fullRack.count, 300) << "the pins should show white where the rack stands";

    // First ball: 20 steps of 0.006 right, aimed 2 degrees right. At any power
    // from 0.8 up it takes some pins, never all.
    app.pressKey(XK_d, 21);
    app.pressKey(XK_a);
    app.pressKey(XK_Left);
    app.pressKey(XK_Right, 2);
    const double startX = 20 * 0.006;
    Screenshot aimed;
    ASSERT_TRUE(app.waitForShot([&](const Screenshot& s) { return changedAtBall(s, atStart, startX, ballStartZ) > 0.8; },
                                5, aimed))
        << "the ball should have moved right";
    aimed = settled(app);

    app.pressKey(XK_space, 2);  // the release right after the start: about full power
    const Roll first = followRoll(app, aimed, atStart, startX, 2);
    ASSERT_TRUE(first.ended) << "the first ball should be back at its start within seconds";
    ASSERT_GE(first.ballZ.size(), 3u) << "the ball should be seen rolling down the lane";
    EXPECT_TRUE(std::is_sorted(first.ballZ.rbegin(), first.ballZ.rend())) << "the ball should only roll away";
    EXPECT_LT(first.ballZ.back(), -0.6);
    const int standing = whiteIn(settled(app), startRack.box).count;
    EXPECT_LT(standing, 0.9 * fullRack.count) << "pins should have gone down and stay down";
    EXPECT_GT(standing, 0.2 * fullRack.count) << "some pins should stand for the second ball";

    // Second ball, straight: then a new frame starts exactly as the game did.
    app.pressKey(XK_space, 2);
    ASSERT_TRUE(followRoll(app, atStart, atStart, 0, 0).ended) << "the second ball should be back within seconds";
    const Screenshot afterSecond = settled(app);
    int changed = 0;
    for (int y = 0; y < 500; y++)
        for (int x = 0; x < 500; x++)
            changed += differs(afterSecond, atStart, x, y);
    EXPECT_LT(changed, 250) << "the full rack should stand again, the ball back at its start";

    // A drag to the right swings the camera towards -x, to about 118 degrees:
    // the rack moves left in the picture by as much as that view says.
    app.drag(250, 250, 312);
    const double angle = M_PI / 2 + (4.0 * 312 - 1000) / 500;
    const Camera turned = {std::cos(angle), 1, std::sin(angle)};
    Screenshot shot;
    ASSERT_TRUE(app.waitForShot([&](const Screenshot& s) { return !(s == afterSecond); }, 5, shot))
        << "the drag should redraw the view";
    const RackView turnedRack = rackView(turned);
    const WhiteArea seen = whiteIn(settled(app), turnedRack.box);
    const double expectedShift = turnedRack.centreX - startRack.centreX;
    EXPECT_LT(expectedShift, -20);
    EXPECT_NEAR(seen.centreX - fullRack.centreX, expectedShift, 8);
}
