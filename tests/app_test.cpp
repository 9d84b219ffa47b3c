// The real bowling binary, started as a player starts it and played with
// real X key and mouse events; what it shows is read back from its window.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "x11_app.h"

namespace fs = std::filesystem;

static const std::vector<std::string> allTextures = {"balltexture.bmp", "floor.bmp", "pintexture.bmp"};

// A fresh folder for the running test, with links to the named textures
// from beside the game.
static std::string scratchFolderWith(const std::vector<std::string>& textures)
{
    const char* test = testing::UnitTest::GetInstance()->current_test_info()->name();
    const fs::path folder = fs::absolute("scratch") / test;
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const std::string& name : textures)
        fs::create_symlink(fs::path(BOWLING_BINARY).parent_path() / name, folder / name);
    return folder;
}

TEST(GameBinary, LoadsItsTexturesAndOpensA500SquareWindow)
{
    GameApp app(BOWLING_BINARY, scratchFolderWith(allTextures));
    EXPECT_EQ(app.waitForWindow(10), "Bowling 500 x 500");
    EXPECT_EQ(app.end(0).output,
              "trying to load balltexture.bmp\ntrying to load floor.bmp\ntrying to load pintexture.bmp\n");
}

// --- Reading the picture: the ball is the only blue thing in it, the pins
// the only near-white one above row 150, where the rack stands.

struct Area { int count = 0; double x = 0, y = 0; };  // how many pixels, and their centre

static Area pixelsWhere(const Screenshot& shot, int rows, bool (*match)(const unsigned char* rgb))
{
    Area area;
    for (int y = 0; y < rows; y++)
        for (int x = 0; x < shot.width; x++)
            if (match(shot.at(x, y))) {
                area.count++;
                area.x += x;
                area.y += y;
            }
    area.x /= std::max(area.count, 1);
    area.y /= std::max(area.count, 1);
    return area;
}

static Area ball(const Screenshot& shot)
{
    return pixelsWhere(shot, shot.height, [](auto p) { return p[2] > p[0] + 10 && p[2] > p[1] + 10; });
}

static Area pins(const Screenshot& shot)
{
    return pixelsWhere(shot, 150, [](auto p) { return p[0] > 190 && p[1] > 190 && p[2] > 190; });
}

// Follows a released ball half way down the lane and back to its start: the picture then.
static Screenshot followRoll(GameApp& app, const Area& start)
{
    Screenshot shot;
    const auto halfWay = [&](auto& s) { return ball(s).count > 100 && ball(s).y < start.y - 150; };
    EXPECT_TRUE(app.waitForShot(halfWay, 5, shot)) << "the ball should roll down the lane";
    const auto home = [&](auto& s) { return std::hypot(ball(s).x - start.x, ball(s).y - start.y) < 1; };
    EXPECT_TRUE(app.waitForShot(home, 10, shot)) << "the ball should be back at its start within seconds";
    return shot;
}

TEST(GameBinary, PlaysAFrameWithRealKeysAndTheMouse)
{
    GameApp app(BOWLING_BINARY, scratchFolderWith(allTextures));
    Screenshot atStart, shot;
    ASSERT_EQ(app.waitForWindow(10), "Bowling 500 x 500");
    ASSERT_TRUE(app.waitForShot([](const Screenshot& s) { return pins(s).count > 300; }, 10, atStart))
        << "the pins should show white where the rack stands";
    const Area startBall = ball(atStart);
    const Area fullRack = pins(atStart);

    // First ball: 20 steps right, aimed 2 degrees right, released right
    // after the meter starts: about full power. At any power from 0.8 up it
    // takes some pins, never all.
    app.pressKey(XK_d, 21);
    app.pressKey(XK_a);
    app.pressKey(XK_Left);
    app.pressKey(XK_Right, 2);
    ASSERT_TRUE(app.waitForShot([&](const Screenshot& s) { return ball(s).x > startBall.x + 30; }, 5, shot))
        << "the ball should have moved right";
    app.pressKey(XK_space, 2);
    const int standing = pins(followRoll(app, startBall)).count;
    EXPECT_LT(standing, 0.9 * fullRack.count) << "pins should have gone down and stay down";
    EXPECT_GT(standing, 0.2 * fullRack.count) << "some pins should stand for the second ball";

    // Second ball, straight: then a new frame starts exactly as the game did.
    app.pressKey(XK_space, 2);
    followRoll(app, startBall);
    EXPECT_TRUE(app.waitForShot([&](const Screenshot& s) { return s.rgb == atStart.rgb; }, 5, shot))
        << "the full rack should stand again, the ball back at its start";

    // A drag to the right swings the camera towards -x: the rack moves left.
    app.drag(250, 250, 312);
    EXPECT_TRUE(app.waitForShot([&](const Screenshot& s) { return pins(s).x < fullRack.x - 100; }, 5, shot))
        << "the drag should turn the view";
}
