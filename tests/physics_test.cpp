// physics_test.cpp: pins falling and knocking pins over, the ball step, and
// whole throws played through the keys and the recorded GLUT timers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "throw_player.h"

static float& fallAngle(Pin& pin) { return PinInspector::fallAngle(pin); }
static Vector3D& fallDirection(Pin& pin) { return PinInspector::fallDirection(pin); }

static void setFalling(Pin& pin, float angle, Vector3D direction)
{
    fallAngle(pin) = angle;
    fallDirection(pin) = direction;
}

TEST(Physics, PinTiltsEachStepAndVanishesOncePast80)
{
    struct Case { const char* name; int pin; float angle; Vector3D direction; int vanishesAt, strikes; };
    const Case cases[] = {
        // As when the ball, dead above the pin's axis, pushes it straight up.
        {"15 per step, no horizontal part", 0, 0, Vector3D(0, 15, 0), 6, -1},
        {"exactly 80 stays shown", 0, 70, Vector3D(10, 0, 0), 2, -1},
        // Pin 5 is reached only past 80: the vanishing step still strikes.
        {"strikes as it vanishes", 1, 80, Vector3D(-0.252f, 0, -0.14525f).unitVector() * 10, 1, 5},
    };
    for (const Case& c : cases) {
        restoreStartState();
        Pin& pin = pins[c.pin];
        setFalling(pin, c.angle, c.direction);
        const float rate = Vector3D(c.direction).magnitude();
        // One advance more than it takes to vanish: a hidden pin does not move.
        for (int advance = 1; advance <= c.vanishesAt + 1; advance++) {
            pin.doFall();
            const std::string where = std::string(c.name) + ", advance " + std::to_string(advance);
            EXPECT_EQ(fallAngle(pin), c.angle + rate * std::min(advance, c.vanishesAt)) << where;
            EXPECT_EQ(pin.isFalling(), advance < c.vanishesAt) << where << ": shown and falling up to 80";
            for (int i = 0; i < 10; i++)
                EXPECT_TRUE(i == c.pin || pins[i].isFalling() == (i == c.strikes)) << where << ": pin " << i;
        }
    }
}

TEST(Physics, FallingPinStrikesItsNeighbourOnlyWhenItsTopReachesIt)
{
    restoreStartState();
    struct Case { const char* name; Pin falling; Vector3D direction; std::vector<Pin> upright;
                  std::vector<float> struck, missed; };
    const Case cases[] = {
        {"4 right onto 3", pins[4], Vector3D(15, 0, 0), {pins[3]}, {45, 60}, {30, 70, 90}},
        {"4 left onto 5", pins[4], Vector3D(-15, 0, 0), {pins[5]}, {45, 60}, {30, 70, 90}},
        {"head pin onto 1", pins[0], Vector3D(0.084f, 0, -0.14525f), {pins[1]}, {30, 45, 60}, {25, 70, 90}},
        // Its top passes between the rows.
        {"head pin down the lane", pins[0], Vector3D(0, 0, -15), {pins + 1, pins + 10}, {},
         {10, 20, 30, 40, 50, 60, 70, 80, 90}},
        // A fall with no horizontal part tilts down the lane, away from the player.
        {"no horizontal part, pin behind", pins[0], Vector3D(0, 15, 0), {Pin(0.01f, -1.54f)}, {60, 90}, {45}},
        {"no horizontal part, pin in front", pins[0], Vector3D(0, 15, 0), {Pin(0.01f, -1.06f)}, {},
         {15, 30, 45, 60, 75, 90}},
    };
    // A struck pin falls in the striker's direction at the rate of the moment.
    ballSpeed = 0.5f;
    for (const Case& c : cases)
        for (bool struck : {true, false})
            for (float angle : struck ? c.struck : c.missed)
                for (Pin pin : c.upright) {
                    Pin falling = c.falling;
                    setFalling(falling, angle, c.direction);
                    pin.detectPinCollision(falling);
                    const Vector3D fall = Vector3D(c.direction).unitVector() * (struck ? 10.0f : 0.0f);
                    EXPECT_LE((fallDirection(pin) - fall).magnitude(), 1e-5) << c.name << " at " << angle;
                }
}

TEST(PointInBox, FacesAreInsideAndNaNIsOutside)
{
    const float low[3] = {-1, 0, -2}, high[3] = {1, 0.21f, -1}, middle[3] = {0, 0.1f, -1.5f};
    auto inBox = [&](const float* p) {
        return pointInBox(Vector3D(p[0], p[1], p[2]), low[0], high[0], low[1], high[1], low[2], high[2]);
    };
    EXPECT_TRUE(inBox(low));
    EXPECT_TRUE(inBox(high));
    for (int axis = 0; axis < 3; axis++)
        for (float outside : {std::nextafter(low[axis], -9.0f), std::nextafter(high[axis], 9.0f), NAN}) {
            float point[3] = {middle[0], middle[1], middle[2]};
            point[axis] = outside;
            EXPECT_FALSE(inBox(point)) << "axis " << axis << " at " << outside;
        }
}

TEST(Physics, BallStepSetsTouchedAndStruckPinsFallingInPinOrder)
{
    // pin4Fall: pin 4 at 30 degrees falls 15 a step and strikes its neighbour at 45, in this step.
    // The checked pin falls towards fallsTo at rate degrees a step, from the speed before the step.
    struct Case { const char* name; float ballX, ballZ, speed; Vector3D pin4Fall; int pin; Vector3D fallsTo;
                  float rate; bool tiltsNow; };
    const Vector3D none(0, 0, 0), right(15, 0, 0), left(-15, 0, 0);
    const Case cases[] = {
        // Away from the ball's centre, seen from half the pin's height.
        {"ball 0.08 in front", 0, -1.22f, 0, none, 0, Vector3D(0, 0.04487f, -0.08f), 5, true},
        {"ball 0.082 in front", 0, -1.218f, 0, none, 0, none, 0, false},
        {"ball 0.08 beside", 0.08f, -1.3f, 0, none, 0, Vector3D(-0.08f, 0.04487f, 0), 5, true},
        {"ball 0.082 beside", -0.082f, -1.3f, 0, none, 0, none, 0, false},
        {"4 onto 3, treated before 4", 0, 0.52f, 0.5f, right, 3, right, 10, false},
        {"4 onto 5, treated after 4", 0, 0.52f, 1, left, 5, left, 15, true},
        // The rate is rounded once, from double: in float it would differ.
        {"4 onto 5, rate rounded once", 0, 0.52f, 0.053f, left, 5, left, (float)(5.0 + 0.053f * 10.0), true},
        // Pin 4 is treated before the ball touches pin 5, and a falling pin keeps its fall.
        {"4 onto 5 as the ball reaches 5", -0.1f, -1.59f, 0, left, 5, left, 5, true},
    };
    for (const Case& c : cases) {
        restoreStartState();
        // Aimed across the lane; at speed 0 (the ball rows) the step moves the ball 0.01 towards +x.
        ballX = c.ballX - 0.01f;
        ballZ = c.ballZ;
        ballTheta = 90;
        ballSpeed = c.speed;
        setFalling(pins[4], c.pin4Fall == none ? 0 : 30, c.pin4Fall);
        moveBall(0);
        const Vector3D fall = c.rate == 0 ? none : Vector3D(c.fallsTo).unitVector() * c.rate;
        EXPECT_LE((fallDirection(pins[c.pin]) - fall).magnitude(), 1e-5) << c.name;
        EXPECT_EQ(fallAngle(pins[c.pin]), c.tiltsNow ? c.rate : 0) << c.name;
        for (int i = 0; i < 10; i++)
            EXPECT_TRUE(i == 4 || i == c.pin || !pins[i].isFalling()) << c.name << ": pin " << i << " falls";
    }
}

TEST(Physics, BallStepMovesSlowsGuidesAndSpinsTheBall)
{
    struct Case { const char* name; float x; int aim; float speed; bool bumpers;
                  double endX; int endAim; float endSpeed; };
    const Case cases[] = {
        {"full power, straight", 0, 0, 1, false, 0, 0, 0.997f},
        {"zero power still moves", 0, 0, 0, false, 0, 0, 0},
        // Float steps would round differently.
        {"power 0.7", 0, 0, 0.7f, false, 0, 0, (float)(0.7f - 0.003)},
        {"speed under 0.013 is kept", 0, 0, 0.0129f, false, 0, 0, 0.0129f},
        {"speed over 0.013 decays", 0, 0, 0.0131f, false, 0, 0, (float)(0.0131f - 0.003)},
        {"on the right edge is on the lane", 0.2905f, 0, 0.5f, false, 0.2905f, 0, (float)(0.5 - 0.003)},
        {"on the left edge is on the lane", -0.2905f, 0, 0.5f, false, -0.2905f, 0, (float)(0.5 - 0.003)},
        {"over the right edge into the gutter", 0.2905f, 10, 0.5f, false, 0.3405, 0, (float)(0.5 - 0.003)},
        {"over the left edge into the gutter", -0.2905f, -10, 0.5f, false, -0.3405, 0, (float)(0.5 - 0.003)},
        {"off the right bumper", 0.2f, 20, 1, true, 0.23037, -20, 0.997f},
        {"released beyond the left bumper", -0.2905f, 6, 1, true, -0.23037, -6, 0.997f},
    };
    for (const Case& c : cases) {
        restoreStartState();
        ballX = c.x;
        ballTheta = c.aim;
        ballSpeed = c.speed;
        useBumpers = c.bumpers;
        moveBall(0);
        EXPECT_EQ(ballZ, (float)(0.52f - std::cos(c.aim * pi / 180) * (c.speed * 0.1 + 0.01))) << c.name;
        EXPECT_EQ(ballX, (float)c.endX) << c.name;
        EXPECT_EQ(ballTheta, c.endAim) << c.name;
        EXPECT_EQ(ballSpeed, c.endSpeed) << c.name;
        EXPECT_TRUE(glutRecorder::timers.size() == 1 && glutRecorder::timers[0].milliseconds == 50) << c.name;
        // A turn from the identity, rolling forward about the horizontal axis across the final path:
        // its angle from the trace, its axis from the skew part.
        const float* m = ballRollM;
        const double degrees = std::acos((m[0] + m[5] + m[10] - 1) / 2) * 180 / pi;
        EXPECT_NEAR(degrees, 200 * (c.endSpeed * 0.1 + 0.01), 1e-3) << c.name;
        const double aim = c.endAim * pi / 180;
        const Vector3D axis = Vector3D(m[6] - m[9], m[8] - m[2], m[1] - m[4]).unitVector();
        EXPECT_LE((axis - Vector3D(-std::cos(aim), 0, -std::sin(aim))).magnitude(), 1e-4) << c.name;
    }
}

TEST(Physics, RollEndsOnlyPastTheLaneWithEveryPinAtRest)
{
    // Aimed across the lane, the step leaves ballZ as it is.
    struct Case { const char* name; float z, pin9Angle; bool ends; };
    const Case cases[] = {
        {"short of the end", std::nextafter(-2.2f, 0.0f), 0, false},
        {"the float -2.2 lies beyond the end", -2.2f, 0, true},
        {"beyond, a pin still falling", -2.5f, 10, false},
        {"beyond, the last pin vanishes in this step", -2.5f, 75, true},
    };
    for (const Case& c : cases) {
        restoreStartState();
        ballTheta = 90;
        ballZ = c.z;
        setFalling(pins[9], c.pin9Angle, Vector3D(0, 0, c.pin9Angle > 0 ? -10 : 0));
        moveBall(0);
        EXPECT_EQ(glutRecorder::timers.size(), c.ends ? 0u : 1u) << c.name;
        EXPECT_EQ(framePart, c.ends ? 1 : 0) << c.name;
    }
}

TEST(Physics, WholeFramesEndCleanlyFromAnyThrow)
{
    // 0, 10 and 15 meter swings release at powers 1.0, about 0.3 and 0.
    for (float x : {-0.2905f, -0.1f, 0.0f, 0.05f, 0.2905f})
        for (int aim : {-45, -10, 0, 8, 45})
            for (int meterSteps : {0, 10, 15})
                for (bool bumpers : {false, true}) {
                    const std::string name = "x " + std::to_string(x) + " aim " + std::to_string(aim) +
                                             " meter " + std::to_string(meterSteps) + (bumpers ? " bumpers" : "");
                    restoreStartState();
                    for (const char* ball : {", first ball", ", second ball"}) {
                        ballX = x;
                        ballTheta = aim;
                        useBumpers = bumpers;
                        rollBall(meterSteps, name + ball);
                    }
                    if (HasFailure())
                        return;
                }
}
