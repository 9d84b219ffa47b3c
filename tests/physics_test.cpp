// physics_test.cpp: pins falling and knocking pins over, the ball step, and
// whole throws played through the keys and the recorded GLUT timers.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"

static float& fallAngle(Pin& pin) { return PinInspector::fallAngle(pin); }
static Vector3D& fallDirection(Pin& pin) { return PinInspector::fallDirection(pin); }

static void setFalling(Pin& pin, float angle, Vector3D direction)
{
    fallAngle(pin) = angle;
    fallDirection(pin) = direction;
}

static void expectNear(Vector3D actual, Vector3D expected, double tolerance, const std::string& what)
{
    EXPECT_NEAR(actual.getDx(), expected.getDx(), tolerance) << what;
    EXPECT_NEAR(actual.getDy(), expected.getDy(), tolerance) << what;
    EXPECT_NEAR(actual.getDz(), expected.getDz(), tolerance) << what;
}

static bool stateHasNaN()
{
    bool nan = std::isnan(ballX) || std::isnan(ballZ) || std::isnan(ballSpeed) || std::isnan(ballSpeedChange);
    for (float m : ballRollM)
        nan = nan || std::isnan(m);
    for (Pin& pin : pins) {
        Vector3D d = fallDirection(pin);
        nan = nan || std::isnan(fallAngle(pin)) || std::isnan(d.getDx()) || std::isnan(d.getDy()) || std::isnan(d.getDz());
    }
    return nan;
}

// What every callback must leave as it found it.
static std::vector<float> matrixState()
{
    std::vector<float> state(16);
    glGetFloatv(GL_MODELVIEW_MATRIX, state.data());
    GLint depth = 0, mode = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    state.push_back(depth);
    state.push_back(mode);
    return state;
}

class Physics : public testing::Test {
protected:
    void SetUp() override { restoreStartState(); }
};

TEST_F(Physics, BallTouchesThePinWithinReach)
{
    struct Case { const char* name; float ballX, ballZ; bool touches; };
    const Case cases[] = {
        {"0.08 in front", 0, -1.22f, true},
        {"0.082 in front", 0, -1.218f, false},
        {"0.08 beside", 0.08f, -1.3f, true},
        {"0.082 beside", -0.082f, -1.3f, false},
    };
    for (const Case& c : cases) {
        ballX = c.ballX;
        ballZ = c.ballZ;
        EXPECT_EQ(pins[0].isTouchingBall(), c.touches) << c.name;
    }
}

TEST_F(Physics, FallRateComesFromTheSpeedWhenTheFallStarts)
{
    struct Case { float speed; Vector3D direction; Vector3D fall; double tolerance; };
    const Case cases[] = {
        {0, Vector3D(3, 0, 4), Vector3D(3, 0, 4), 1e-5},
        {0.5f, Vector3D(-0.3f, 0, -0.4f), Vector3D(-6, 0, -8), 1e-5},
        {1, Vector3D(0, 0, -2), Vector3D(0, 0, -15), 0},
        // The rate is rounded once, from double: in float it would differ.
        {0.053f, Vector3D(0, 0, -2), Vector3D(0, 0, -(float)(5.0 + 0.053f * 10.0)), 0},
    };
    for (const Case& c : cases) {
        const std::string name = "speed " + std::to_string(c.speed);
        restoreStartState();
        ballSpeed = c.speed;
        pins[2].setFallDirection(c.direction);
        expectNear(fallDirection(pins[2]), c.fall, c.tolerance, name);
        EXPECT_TRUE(pins[2].isFalling()) << name;
        const Vector3D first = fallDirection(pins[2]);
        ballSpeed = 0.25f;
        pins[2].setFallDirection(Vector3D(1, 0, 0));
        EXPECT_TRUE(fallDirection(pins[2]) == first) << name << ": a second fall must change nothing";
    }
}

TEST_F(Physics, PinTiltsEachStepAndVanishesOncePast80)
{
    struct Case { const char* name; int pin; float angle; Vector3D direction; int advances; int vanishesAt; int strikes; };
    const Case cases[] = {
        {"15 per step", 0, 0, Vector3D(0, 0, -15), 6, 6, -1},
        {"exactly 80 stays shown", 0, 70, Vector3D(10, 0, 0), 2, 2, -1},
        // Pin 5 is reached only past 80: the vanishing step still strikes.
        {"strikes as it vanishes", 1, 80, Vector3D(-0.252f, 0, -0.14525f).unitVector() * 10, 1, 1, 5},
        {"upright", 0, 0, Vector3D(0, 0, 0), 3, 0, -1},
    };
    for (const Case& c : cases) {
        restoreStartState();
        Pin& pin = pins[c.pin];
        setFalling(pin, c.angle, c.direction);
        const float rate = Vector3D(c.direction).magnitude();
        for (int advance = 1; advance <= c.advances; advance++) {
            pin.doFall();
            const std::string where = std::string(c.name) + ", advance " + std::to_string(advance);
            EXPECT_EQ(fallAngle(pin), c.angle + rate * advance) << where;
            EXPECT_EQ(pin.isShown(), advance != c.vanishesAt) << where;
            for (int i = 0; i < 10; i++)
                EXPECT_TRUE(i == c.pin || pins[i].isFalling() == (i == c.strikes)) << where << ": pin " << i;
        }
        if (c.vanishesAt == 0)
            continue;
        EXPECT_FALSE(pin.isFalling()) << c.name << ": a hidden pin is not falling";
        const float hiddenAngle = fallAngle(pin);
        pin.doFall();
        EXPECT_EQ(fallAngle(pin), hiddenAngle) << c.name << ": a hidden pin must not move";
        EXPECT_FALSE(pin.isShown()) << c.name;
    }
}

TEST_F(Physics, FallingPinStrikesItsNeighbourOnlyWhenItsTopReachesIt)
{
    struct Case { const char* name; int falling; Vector3D direction; int upright; std::vector<float> struck, missed; };
    const Case cases[] = {
        {"4 right onto 3", 4, Vector3D(15, 0, 0), 3, {45, 60}, {30, 70, 90}},
        {"4 left onto 5", 4, Vector3D(-15, 0, 0), 5, {45, 60}, {30, 70, 90}},
        {"head pin onto 1", 0, Vector3D(0.084f, 0, -0.14525f), 1, {30, 45, 60}, {25, 70, 90}},
    };
    // Struck pins fall in the striker's direction at the rate of the moment.
    ballSpeed = 0.5f;
    for (const Case& c : cases) {
        for (bool expectStruck : {true, false}) {
            for (float angle : expectStruck ? c.struck : c.missed) {
                const std::string where = std::string(c.name) + " at " + std::to_string(angle);
                for (Pin& pin : pins)
                    pin.reset();
                setFalling(pins[c.falling], angle, c.direction);
                pins[c.upright].detectPinCollision(pins[c.falling]);
                EXPECT_EQ(pins[c.upright].isFalling(), expectStruck) << where;
                if (expectStruck)
                    expectNear(fallDirection(pins[c.upright]), Vector3D(c.direction).unitVector() * 10, 1e-5, where);
                EXPECT_EQ(fallAngle(pins[c.falling]), angle) << where << ": the striker must not change";
            }
        }
    }
    // Falling straight down the lane, the head pin passes between the rows.
    for (int upright = 1; upright < 10; upright++) {
        for (float angle = 5; angle <= 90; angle += 5) {
            for (Pin& pin : pins)
                pin.reset();
            setFalling(pins[0], angle, Vector3D(0, 0, -15));
            pins[upright].detectPinCollision(pins[0]);
            EXPECT_FALSE(pins[upright].isFalling()) << "head pin down the lane struck " << upright << " at " << angle;
        }
    }
}

TEST(PointInBox, FacesAreInsideAndNaNIsOutside)
{
    const float nan = std::nanf("");
    struct Case { const char* name; Vector3D point; bool inside; };
    const Case cases[] = {
        {"low corner", Vector3D(-1, 0, -2), true},
        {"high corner", Vector3D(1, 0.21f, -1), true},
        {"below x", Vector3D(std::nextafter(-1.0f, -2.0f), 0.1f, -1.5f), false},
        {"above x", Vector3D(std::nextafter(1.0f, 2.0f), 0.1f, -1.5f), false},
        {"below y", Vector3D(0, std::nextafter(0.0f, -1.0f), -1.5f), false},
        {"above y", Vector3D(0, std::nextafter(0.21f, 1.0f), -1.5f), false},
        {"below z", Vector3D(0, 0.1f, std::nextafter(-2.0f, -3.0f)), false},
        {"above z", Vector3D(0, 0.1f, std::nextafter(-1.0f, 0.0f)), false},
        {"NaN x", Vector3D(nan, 0.1f, -1.5f), false},
        {"NaN y", Vector3D(0, nan, -1.5f), false},
        {"NaN z", Vector3D(0, 0.1f, nan), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pointInBox(c.point, -1, 1, 0, 0.21f, -2, -1), c.inside) << c.name;
}

TEST_F(Physics, PinStruckByALowerIndexTiltsThisStepByAHigherOneNext)
{
    // Pin 4 falls sideways at 15 degrees per step and strikes its neighbour
    // at its third advance (45 degrees). The ball stays far from the rack.
    struct Case { const char* name; Vector3D direction; int struck; int firstTiltStep; };
    const Case cases[] = {
        {"onto pin 3, treated before pin 4", Vector3D(15, 0, 0), 3, 4},
        {"onto pin 5, treated after pin 4", Vector3D(-15, 0, 0), 5, 3},
    };
    for (const Case& c : cases) {
        restoreStartState();
        setFalling(pins[4], 0, c.direction);
        for (int step = 1; step <= 10; step++) {
            const std::string where = std::string(c.name) + ", step " + std::to_string(step);
            ballSpeed = 1;
            moveBall(0);
            EXPECT_EQ(fallAngle(pins[4]), 15.0f * std::min(step, 6)) << where;
            EXPECT_EQ(pins[4].isShown(), step < 6) << where;
            EXPECT_EQ(fallDirection(pins[c.struck]) == c.direction, step >= 3) << where;
            const int tilts = std::clamp(step - c.firstTiltStep + 1, 0, 6);
            EXPECT_EQ(fallAngle(pins[c.struck]), 15.0f * tilts) << where;
            EXPECT_EQ(pins[c.struck].isShown(), tilts < 6) << where;
            for (int i = 0; i < 10; i++)
                EXPECT_TRUE(i == 4 || i == c.struck || !pins[i].isFalling()) << where << ": pin " << i << " struck";
        }
    }
}

TEST_F(Physics, NeighbourStrikesBeforeTheBallReachesALaterPin)
{
    // Pin 4 reaches pin 5 in the step in which the ball does: pin 4 is
    // treated first, so pin 5 falls its way, and at once.
    setFalling(pins[4], 30, Vector3D(-15, 0, 0));
    ballX = -0.1f;
    ballZ = -1.48f;
    moveBall(0);
    ASSERT_TRUE(pins[5].isTouchingBall());
    EXPECT_TRUE(fallDirection(pins[5]) == Vector3D(-15, 0, 0));
    EXPECT_EQ(fallAngle(pins[5]), 15.0f);
}

// The turn that the last step put on the outside of the roll matrix
// (new = turn * old): its angle in degrees and its axis.
static double lastTurn(const float* old, Vector3D& axis)
{
    double r[3][3];
    for (int row = 0; row < 3; row++)
        for (int col = 0; col < 3; col++) {
            r[row][col] = 0;
            for (int k = 0; k < 3; k++)
                r[row][col] += ballRollM[k * 4 + row] * old[k * 4 + col];
        }
    axis = Vector3D(r[2][1] - r[1][2], r[0][2] - r[2][0], r[1][0] - r[0][1]).unitVector();
    return std::acos((r[0][0] + r[1][1] + r[2][2] - 1) / 2) * 180 / pi;
}

TEST_F(Physics, BallStepMovesSlowsGuidesAndSpinsTheBall)
{
    struct Case { const char* name; float x; int aim; float speed; bool bumpers; double endX; int endAim; float endSpeed; };
    const Case cases[] = {
        {"full power, straight", 0, 0, 1, false, 0, 0, 0.997f},
        {"zero power still moves", 0, 0, 0, false, 0, 0, 0},
        {"power 0.7, where float steps would round differently", 0, 0, 0.7f, false, 0, 0, (float)(0.7f - 0.003)},
        {"speed under 0.013 is kept", 0, 0, 0.0129f, false, 0, 0, 0.0129f},
        {"speed over 0.013 decays", 0, 0, 0.0131f, false, 0, 0, (float)(0.0131f - 0.003)},
        {"positive aim turns to +x", 0, 8, 1, false, std::sin(8 * pi / 180) * 0.11, 8, 0.997f},
        {"on the right edge is on the lane", 0.2905f, 0, 0.5f, false, 0.2905f, 0, (float)(0.5 - 0.003)},
        {"on the left edge is on the lane", -0.2905f, 0, 0.5f, false, -0.2905f, 0, (float)(0.5 - 0.003)},
        {"over the right edge into the gutter", 0.2905f, 10, 0.5f, false, 0.3405, 0, (float)(0.5 - 0.003)},
        {"over the left edge into the gutter", -0.2905f, -10, 0.5f, false, -0.3405, 0, (float)(0.5 - 0.003)},
        {"off the right bumper", 0.2f, 20, 1, true, 0.23037, -20, 0.997f},
        {"released beyond the left bumper", -0.2905f, 6, 1, true, -0.23037, -6, 0.997f},
        {"along the right bumper", 0.23037f, 0, 1, true, 0.23037, 0, 0.997f},
    };
    const float earlierTurn[16] = {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1};  // 90 degrees about y
    for (const Case& c : cases) {
        restoreStartState();
        std::copy(earlierTurn, earlierTurn + 16, ballRollM);
        ballX = c.x;
        ballTheta = c.aim;
        ballSpeed = c.speed;
        useBumpers = c.bumpers;
        // Not the identity, so a step that loses it shows.
        glPushMatrix();
        glTranslatef(0.5f, 0, 0);
        glRotatef(30, 0, 1, 0);
        const std::vector<float> before = matrixState();
        moveBall(0);
        EXPECT_EQ(matrixState(), before) << c.name;
        glPopMatrix();

        const double step = c.speed * 0.1 + 0.01;
        EXPECT_EQ(ballZ, (float)(0.52f - std::cos(c.aim * pi / 180) * step)) << c.name;
        EXPECT_EQ(ballX, (float)c.endX) << c.name;
        EXPECT_EQ(ballTheta, c.endAim) << c.name;
        EXPECT_EQ(ballSpeed, c.endSpeed) << c.name;
        EXPECT_EQ(glutRecorder::redisplays, 1) << c.name;
        ASSERT_EQ(glutRecorder::timers.size(), 1u) << c.name;
        EXPECT_EQ(glutRecorder::timers[0].callback, moveBall) << c.name;
        EXPECT_EQ(glutRecorder::timers[0].milliseconds, 50u) << c.name;

        // Turned by 200 * step degrees about the horizontal axis across the
        // final path, rolling forward, on top of the earlier turns.
        Vector3D axis;
        EXPECT_NEAR(lastTurn(earlierTurn, axis), 200 * (c.endSpeed * 0.1 + 0.01), 1e-3) << c.name;
        const double aim = c.endAim * pi / 180;
        expectNear(axis, Vector3D(-std::cos(aim), 0, -std::sin(aim)), 1e-4, std::string(c.name) + " spin axis");
    }
}

TEST_F(Physics, RollEndsOnlyPastTheLaneWithEveryPinAtRest)
{
    // Aimed across the lane at speed 0 the step leaves ballZ exactly as it
    // is, so the end test sees the z given here.
    struct Case { const char* name; float z; float pin9Angle; bool pin9Shown; bool ends; };
    const Case cases[] = {
        {"short of the end", std::nextafter(-2.2f, 0.0f), 0, true, false},
        {"the float -2.2 lies beyond the end", -2.2f, 0, true, true},
        {"beyond, a pin still falling", -2.5f, 10, true, false},
        {"beyond, the last pin vanishes in this step", -2.5f, 75, true, true},
        {"beyond, a fallen pin", -2.5f, 85, false, true},
    };
    for (const Case& c : cases) {
        restoreStartState();
        currentState = rolling;
        ballTheta = 90;
        ballSpeed = 0;
        ballZ = c.z;
        ballRollM[1] = 0.5f;
        if (c.pin9Angle > 0)
            setFalling(pins[9], c.pin9Angle, Vector3D(0, 0, -10));
        PinInspector::shown(pins[9]) = c.pin9Shown;
        moveBall(0);
        EXPECT_EQ(glutRecorder::redisplays, 1) << c.name;
        EXPECT_EQ(glutRecorder::timers.size(), c.ends ? 0u : 1u) << c.name;
        EXPECT_EQ(framePart, c.ends ? 1 : 0) << c.name;
        EXPECT_EQ(currentState, c.ends ? aiming : rolling) << c.name;
        if (!c.ends) {
            EXPECT_EQ(ballZ, c.z) << c.name;
            continue;
        }
        EXPECT_EQ(ballZ, 0.52f) << c.name << ": the ball is back";
        EXPECT_EQ(ballX, 0.0f) << c.name;
        EXPECT_EQ(ballRollM[1], 0.0f) << c.name;
        EXPECT_EQ(pins[9].isShown(), c.pin9Angle == 0) << c.name << ": the rack stays for the second ball";
    }
}

TEST_F(Physics, FallWithNoHorizontalPartTiltsDownTheLane)
{
    // The ball dead above the head pin's axis pushes it straight up.
    ballX = 0;
    ballZ = -1.3f;
    ASSERT_TRUE(pins[0].isTouchingBall());
    pins[0].setFallDirection(pins[0].directionToBall() * -1);
    ASSERT_TRUE(pins[0].isFalling());
    const TiltFrame frame = pins[0].tiltFrame();
    EXPECT_TRUE(Vector3D(frame.axis) == Vector3D(-1, 0, 0));
    EXPECT_TRUE(frame.offX == 0.0329f && frame.offZ == 0.0329f) << "pivot on the negative side";

    // Its top lands behind it, never in front.
    Pin behind(0.01f, -1.54f), inFront(0.01f, -1.06f);
    for (float angle = 15; angle <= 90; angle += 15) {
        fallAngle(pins[0]) = angle;
        behind.detectPinCollision(pins[0]);
        inFront.detectPinCollision(pins[0]);
    }
    EXPECT_TRUE(behind.isFalling());
    EXPECT_FALSE(inFront.isFalling());

    fallAngle(pins[0]) = 0;
    for (int advance = 1; advance <= 6; advance++) {
        pins[0].doFall();
        EXPECT_EQ(fallAngle(pins[0]), 15.0f * advance) << "advance " << advance;
        EXPECT_EQ(pins[0].isShown(), advance < 6) << "advance " << advance;
        EXPECT_FALSE(stateHasNaN()) << "advance " << advance;
        for (int i = 1; i < 10; i++)
            EXPECT_FALSE(pins[i].isFalling()) << "advance " << advance << ": pin " << i << " struck";
    }
}

// Everything one ball step may not get wrong, checked around that step.
class StepWatch {
public:
    StepWatch() : matrix(matrixState()), redisplays(glutRecorder::redisplays), timers(glutRecorder::timers.size()), part(framePart)
    {
        for (int i = 0; i < 10; i++) {
            angle[i] = fallAngle(pins[i]);
            direction[i] = fallDirection(pins[i]);
            shown[i] = pins[i].isShown();
        }
    }

    // timersRun: recorded timers that this step was run from (0 or 1).
    void check(const std::string& where, size_t timersRun) const
    {
        EXPECT_EQ(matrixState(), matrix) << where;
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << where;
        EXPECT_EQ(glutRecorder::redisplays - redisplays, 1) << where;
        EXPECT_FALSE(stateHasNaN()) << where;
        const bool ended = currentState == aiming;
        EXPECT_EQ(glutRecorder::timers.size() + timersRun - timers, ended ? 0u : 1u) << where << ": timers armed";
        if (ended)
            return;
        EXPECT_EQ(framePart, part) << where;
        for (int i = 0; i < 10; i++) {
            EXPECT_GE(fallAngle(pins[i]), angle[i]) << where << ": pin " << i << " rose";
            EXPECT_TRUE(shown[i] || !pins[i].isShown()) << where << ": pin " << i << " came back";
            EXPECT_TRUE(isUpright(i) || !shown[i] || fallDirection(pins[i]) == direction[i])
                << where << ": pin " << i << " changed its fall";
        }
    }

    bool isUpright(int i) const { return shown[i] && direction[i] == Vector3D(0, 0, 0); }

private:
    std::vector<float> matrix;
    int redisplays;
    size_t timers;
    uint8_t part;
    float angle[10];
    Vector3D direction[10];
    bool shown[10];
};

struct Throw { float x; int aim; float power; bool bumpers; };

// Plays one ball the way a player would, runs the recorded timers until the
// game is aiming again, and checks every ball step and the frame bookkeeping.
static void playBall(const Throw& t, const std::string& name)
{
    ballX = t.x;
    ballTheta = t.aim;
    useBumpers = t.bumpers;
    keyboard(' ', 0, 0);  // the meter starts
    ballSpeed = t.power;  // where the player catches it
    const uint8_t part = framePart;
    StepWatch lastStep;
    keyboard(' ', 0, 0);  // the release runs the first ball step at once
    lastStep.check(name + ", release", 0);
    int ballSteps = 1, meterSteps = 0;
    while (currentState == rolling && ballSteps < 1000 && !testing::Test::HasFailure()) {
        ASSERT_FALSE(glutRecorder::timers.empty()) << name << ": the roll stalled";
        if (glutRecorder::timers[0].callback != moveBall) {
            glutRecorder::runNextTimer();  // the meter step pending at release
            meterSteps++;
            continue;
        }
        lastStep = StepWatch();
        glutRecorder::runNextTimer();
        lastStep.check(name + ", step " + std::to_string(++ballSteps), 1);
    }
    ASSERT_EQ(currentState, aiming) << name << ": still rolling after " << ballSteps << " steps";
    EXPECT_EQ(meterSteps, 1) << name;
    EXPECT_TRUE(glutRecorder::timers.empty()) << name;

    // The last step keeps the pins that stood before it (a falling pin would
    // have kept the roll going), so a strike is seen there.
    bool strike = true;
    for (int i = 0; i < 10; i++)
        strike = strike && !lastStep.isUpright(i);
    const bool frameEnds = part == 1 || strike;
    EXPECT_EQ(framePart, frameEnds ? 0 : 1) << name;
    for (int i = 0; i < 10; i++) {
        EXPECT_EQ(pins[i].isShown(), frameEnds || lastStep.isUpright(i)) << name << ": pin " << i;
        EXPECT_FALSE(pins[i].isFalling()) << name << ": pin " << i;
    }
}

TEST_F(Physics, ThrowFellsThePinsInItsPath)
{
    // Straight down the middle the ball meets pins 0 and 4 only, and both
    // fall down the lane, between the pins behind them.
    struct Case { const char* name; Throw t; std::vector<int> felled; };
    const Case cases[] = {
        {"straight down the middle", {0, 0, 1, false}, {0, 4}},
        {"slowly down the middle", {0, 0, 0, true}, {0, 4}},
        {"into the left gutter", {-0.2905f, -10, 1, false}, {}},
    };
    for (const Case& c : cases) {
        restoreStartState();
        playBall(c.t, c.name);
        for (int i = 0; i < 10; i++) {
            const bool felled = std::count(c.felled.begin(), c.felled.end(), i) > 0;
            EXPECT_EQ(pins[i].isShown(), !felled) << c.name << ": pin " << i;
        }
    }
}

TEST_F(Physics, WholeFramesEndCleanlyFromAnyThrow)
{
    for (float x : {-0.2905f, -0.1f, 0.0f, 0.05f, 0.2905f})
        for (int aim : {-45, -10, 0, 8, 45})
            for (float power : {0.0f, 0.3f, 1.0f})
                for (bool bumpers : {false, true}) {
                    const std::string name = "x " + std::to_string(x) + " aim " + std::to_string(aim) +
                                             " power " + std::to_string(power) + (bumpers ? " bumpers" : "");
                    restoreStartState();
                    const Throw t{x, aim, power, bumpers};
                    playBall(t, name + ", first ball");
                    playBall(t, name + ", second ball");
                    if (HasFailure())
                        return;
                }
}
