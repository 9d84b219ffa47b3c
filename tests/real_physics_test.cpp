// real_physics_test.cpp: the rigid-body lane of --real-physics: racked pins
// that stand, pins that fall when hit and are never passed through, a hook,
// pocket hits and oil that wears as on a real lane, knocks where things
// meet, and rolls that repeat bit for bit.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <deque>
#include <random>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include "real_physics/hand.h"
#include "real_physics/lane_world.h"
#include "scratch_folder.h"
#include "vector3d.h"
#include "real_physics/roll_figures.h"

using namespace real;

// A ball aimed along entryDegrees (towards -x when positive) at x on the
// head pin's line, rolling from 1.2 m before it.
static Launch atThePins(double x, double entryDegrees, double speed)
{
    const double runUp = 1.2;
    return rollingBall(x + runUp * std::tan(entryDegrees * pi / 180), headPinZ + runUp, -entryDegrees, speed);
}

// Whether the ball lies inside a pin: its centre nearer the pin's axis than
// its radius and a centimetre (the neck is 2.3 cm thick), or beyond an end
// of the axis nearer than its radius less a centimetre, as when it meets
// the flat foot.
static bool ballInsidePin(const LaneWorld& lane, int pin)
{
    const btTransform place = lane.pinPlace(pin);
    const btVector3 foot = place.getOrigin();
    const btVector3 axis = place.getBasis().getColumn(1);
    const btVector3 centre = lane.ballPlace().getOrigin();
    const double along = (centre - foot).dot(axis);
    const double nearest = std::clamp(along, 0.0, pinHeight);
    const double distance = (centre - (foot + axis * btScalar(nearest))).length();
    return distance < (along == nearest ? ballRadius + 0.01 : ballRadius - 0.01);
}

// Rolls to the end; false if, above the pit, the ball was inside a pin for
// two steps running. Going through one takes several; a pin flipping over
// the ball may sweep its head through the ball's top within one step.
static bool rollWithoutPassingThrough(LaneWorld& lane, const Launch& launch)
{
    lane.release(launch);
    int inside = 0;
    while (!lane.rollOver() && inside < 2) {
        lane.step();
        bool now = false;
        for (int pin = 0; pin < pinCount; pin++)
            now = now || (lane.ballPlace().getOrigin().y() >= 0 && lane.pinOnLane(pin) &&
                          lane.pinPlace(pin).getOrigin().y() > -0.1f && ballInsidePin(lane, pin));
        inside = now ? inside + 1 : 0;
    }
    return inside < 2;
}

TEST(RealPhysics, RackedPinsStandStillWhileAGutterBallGoesByDownInTheGutter)
{
    LaneWorld lane;
    btTransform racked[pinCount];
    for (int pin = 0; pin < pinCount; pin++)
        racked[pin] = lane.pinPlace(pin);
    lane.release(bowled(0.45, 2, 8, 0));
    double lowest = ballRadius;  // the ball's lowest point in the gutter, beside the pins
    for (int step = 0; step < 10 * LaneWorld::stepsPerSecond; step++) {
        lane.step();
        for (const Knock& knock : lane.knocks())
            ASSERT_NE(knock.first, Surface::pin) << "at step " << step;
        const btVector3 ball = lane.ballPlace().getOrigin();
        if (ball.z() < headPinZ && ball.z() > pitEdgeZ)
            lowest = std::min(lowest, double(ball.y()) - ballRadius);
    }
    EXPECT_LT(lowest, -0.03) << "a gutter 4.8 cm deep";
    // Woken as the ball passes, a pin may settle by a fraction of a millimetre.
    for (int pin = 0; pin < pinCount; pin++) {
        EXPECT_LT((lane.pinPlace(pin).getOrigin() - racked[pin].getOrigin()).length(), 0.001) << "pin " << pin;
        EXPECT_GT(lane.pinPlace(pin).getBasis().getColumn(1).y(), 0.99996f) << "pin " << pin;  // 0.5 degrees
    }
    EXPECT_EQ(lane.pinsStanding(), pinCount);
}

// Seeded throws across the rack, from a light ball to a fast one: none
// goes through a pin, and a pocket hit carries at least seven. The sweep
// takes the pins down and leaves the standing ones exactly where they
// stand for the next ball.
TEST(RealPhysics, HitsFellPinsAndNeverPassThroughOne)
{
    struct Throw {
        double x, entryDegrees, speed;
        int leastFelled;
    };
    const double pocket = 0.067;
    const Throw throws[] = {
        {pocket, 2, 7.5, 7}, {pocket + 0.02, 4, 7.0, 7}, {pocket - 0.02, 6, 8.0, 7}, {pocket, 4, 9.5, 7},
        {-pocket, -4, 7.5, 7}, {0, 0, 9.5, 5}, {0, 0, 12, 5}, {0.25, 0, 6, 1}, {-0.35, 1, 12, 1},
    };
    LaneWorld lane;
    for (const Throw& t : throws) {
        const std::string name = "x " + std::to_string(t.x) + ", " + std::to_string(t.entryDegrees) + " degrees, " +
                                 std::to_string(t.speed) + " m/s";
        lane.rack();
        EXPECT_TRUE(rollWithoutPassingThrough(lane, atThePins(t.x, t.entryDegrees, t.speed))) << name;
        const int standing = lane.pinsStanding();
        EXPECT_GE(pinCount - standing, t.leastFelled) << name;


        bool stood[pinCount];
        btTransform places[pinCount];
        for (int pin = 0; pin < pinCount; pin++) {
            stood[pin] = lane.pinStanding(pin);
            places[pin] = lane.pinPlace(pin);
        }
        lane.sweep();
        lane.release(bowled(-0.45, -2, 8, 0));  // a second ball, into the gutter
        for (int pin = 0; pin < pinCount; pin++) {
            EXPECT_EQ(lane.pinOnLane(pin), stood[pin]) << name << ", pin " << pin;
            EXPECT_TRUE(!stood[pin] || lane.pinPlace(pin) == places[pin]) << name << ", pin " << pin << " moved";
        }
    }
}

// On fresh oil a typical hook skids straight, breaks out near the seventh
// board at about 40 ft and enters the pocket at about 4 degrees, as on a
// real house pattern; a left-hander's mirror enters the mirror pocket, and
// a ball without spin runs true.
TEST(RealPhysics, AHookBreaksWhereTheOilEndsAndEntersThePocket)
{
    LaneWorld lane;
    const RollFigures hook = rollAndRead(lane, typicalHook());
    EXPECT_NEAR(hook.breakpointBoard, 8.5, 3.5);
    EXPECT_NEAR(hook.breakpointFeet, 40, 5);
    EXPECT_NEAR(hook.entryBoard, 17.5, 1.5);
    EXPECT_NEAR(hook.entryDegrees, 5, 1.5);

    lane.rack();
    const RollFigures left = rollAndRead(lane, typicalHook(Hand::left));
    EXPECT_NEAR(40 - left.boardAtArrows, hook.boardAtArrows, 0.05);
    EXPECT_NEAR(40 - left.entryBoard, hook.entryBoard, 0.05);
    EXPECT_NEAR(-left.entryDegrees, hook.entryDegrees, 0.05);

    lane.rack();
    const RollFigures straight = rollAndRead(lane, bowled(0.2, 0, 8, 0));
    EXPECT_NEAR(straight.boardAtArrows, boardOf(0.2), 0.2);
    EXPECT_NEAR(straight.entryBoard, boardOf(0.2), 0.2);
}

// The same hook again and again wears its track: it breaks earlier, enters
// higher and fells fewer pins. A copy of the oil put back, or fresh oil,
// gives the very ball that was thrown on it.
TEST(RealPhysics, TheLineMovesAsTheOilWears)
{
    LaneWorld lane;
    std::vector<RollFigures> balls;
    OilMap afterThree;
    for (int ball = 0; ball < 12; ball++) {
        if (ball == 3)
            afterThree = lane.oil();
        lane.rack();
        balls.push_back(rollAndRead(lane, typicalHook()));
    }
    EXPECT_LT(balls.back().breakpointFeet, balls.front().breakpointFeet - 2);
    EXPECT_GT(balls.back().entryBoard, balls.front().entryBoard + 1.5);
    int firstSix = 0, lastSix = 0;
    for (int ball = 0; ball < 6; ball++) {
        firstSix += balls[ball].pinsDown;
        lastSix += balls[6 + ball].pinsDown;
    }
    EXPECT_LT(lastSix, firstSix);

    for (const auto& [oil, ball] : {std::pair(afterThree, 3), std::pair(OilMap(), 0)}) {
        lane.layOil(oil);
        lane.rack();
        const RollFigures again = rollAndRead(lane, typicalHook());
        EXPECT_EQ(again.entryBoard, balls[ball].entryBoard) << "ball " << ball + 1;
        EXPECT_EQ(again.pinsDown, balls[ball].pinsDown) << "ball " << ball + 1;
    }
}

// A ball wipes oil off the boards it rolls over and nowhere else, and lays
// some of it past the pattern's end, on the dry boards of its track.
TEST(RealPhysics, ABallWipesItsTrackAndCarriesOilDown)
{
    LaneWorld lane;
    const double track = 0.2;
    rollAndRead(lane, bowled(track, 0, 8, 0));
    const OilMap fresh;
    const double aside = 4 * OilMap::boardWidth;
    for (double z : {-2.0, -6.0, -10.0}) {
        EXPECT_LT(lane.oil().at(track, z), fresh.at(track, z)) << "at " << z;
        EXPECT_EQ(lane.oil().at(track - aside, z), fresh.at(track - aside, z)) << "at " << z;
        EXPECT_EQ(lane.oil().at(track + aside, z), fresh.at(track + aside, z)) << "at " << z;
    }
    EXPECT_GT(lane.oil().at(track, -13.5), 0);
    EXPECT_EQ(lane.oil().at(track + aside, -13.5), 0);
}

// Uniform in [low, high), from the generator's bits alone.
static double uniform(std::mt19937& random, double low, double high)
{
    return low + (high - low) * (random() >> 8) / double(1 << 24);
}

// Seeded pocket hits at 6 degrees, from 1.2 m before the head pin: most
// strike, a pin leaning past 45 degrees counts down, and a roll ends once
// everything has lain still, within 4 s of the first touch.
TEST(RealPhysics, PocketHitsCarryAndSettleAsOnARealLane)
{
    LaneWorld lane;
    std::mt19937 random(7);
    int strikes = 0;
    for (int i = 0; i < 10; i++) {
        lane.rack();
        const double boardsOff = uniform(random, -1, 1);
        lane.release(intoThePocket(Hand::right, boardsOff, 6, uniform(random, 7, 8)));
        int step = 0, touched = -1;
        std::deque<std::array<btVector3, pinCount>> lastQuarter;
        while (!lane.rollOver()) {
            lane.step();
            step++;
            if (touched < 0 && lane.ballTouched(0))
                touched = step;
            std::array<btVector3, pinCount> heads;  // each pin's neck, where a wobble shows
            for (int pin = 0; pin < pinCount; pin++) {
                const btTransform place = lane.pinPlace(pin);
                heads[pin] = place * btVector3(0, 0.2f, 0);
                EXPECT_FALSE(lane.pinStanding(pin) && place.getBasis().getColumn(1).y() < 0.7071f)
                    << "throw " << i << ", pin " << pin << " leaning past 45 degrees counted standing";
            }
            lastQuarter.push_back(heads);
            if (lastQuarter.size() > 60)
                lastQuarter.pop_front();
        }
        strikes += lane.pinsStanding() == 0;
        EXPECT_LT(step - touched, 4 * LaneWorld::stepsPerSecond) << "throw " << i;
        for (int pin = 0; pin < pinCount; pin++) {
            const btVector3& last = lastQuarter.back()[pin];
            const double moved = last.y() > 0 ? (last - lastQuarter.front()[pin]).length() : 0;
            EXPECT_LT(moved, 0.003) << "throw " << i << ", pin " << pin << " still moving";
        }
    }
    EXPECT_GE(strikes, 8);
}

// Seeded pocket hits at 4 and 6 degrees, a right-hander's and the same
// mirrored into a left-hander's pocket: each hand strikes as often, and at
// least four strikes in five touch only the pocket's four pins, the six
// others falling by scatter.
TEST(RealPhysics, PocketStrikesTouchOnlyThePocketsFourPins)
{
    LaneWorld lane;
    int strikes = 0, signatures = 0;
    for (Hand hand : {Hand::right, Hand::left})
        for (int angle : {4, 6}) {
            std::mt19937 random(7);
            int handStrikes = 0;
            for (int i = 0; i < 20; i++) {
                lane.rack();
                const double boardsOff = uniform(random, -1, 1);
                lane.release(intoThePocket(hand, boardsOff, angle, uniform(random, 7, 8)));
                while (!lane.rollOver())
                    lane.step();
                handStrikes += lane.pinsStanding() == 0;
                signatures += lane.pinsStanding() == 0 && strikeSignature(lane, hand);
            }
            EXPECT_GE(handStrikes, 14) << (hand == Hand::right ? "right" : "left") << ", " << angle << " degrees";
            strikes += handStrikes;
        }
    EXPECT_GE(5 * signatures, 4 * strikes) << signatures << " of " << strikes;
}

// The slowest ball, overlapping a lone pin's belly by 1.5 cm on its inner side.
TEST(RealPhysics, ALightTouchFellsALonePin)
{
    LaneWorld lane;
    for (int pin : {0, 2, 4, 6, 9}) {
        lane.leaveOnly(pin);
        const double inner = pinSpotX(pin) > 0 ? -1 : 1;
        const double x = pinSpotX(pin) + inner * (ballRadius + 0.0605 - 0.015);
        lane.release(rollingBall(x, pinSpotZ(pin) + 1.2, 0, 6));
        while (!lane.rollOver())
            lane.step();
        EXPECT_EQ(lane.pinsStanding(), 0) << "pin " << pin;
    }
}

// The knocks of a gutter ball and of a pocket hit: the first ball-pin knock
// is at the head pin, and pins knock pins and the deck.
TEST(RealPhysics, KnocksComeFromContacts)
{
    LaneWorld lane;
    lane.release(atThePins(0.067, 4, 7.5));
    int knocks[6][6] = {};
    btVector3 firstBallPin(0, 0, 0);
    while (!lane.rollOver()) {
        lane.step();
        for (const Knock& knock : lane.knocks()) {
            if (knock.first == Surface::pin && knock.second == Surface::ball && !knocks[4][5])
                firstBallPin = knock.where;
            knocks[(int)knock.first][(int)knock.second]++;
            EXPECT_GT(knock.impulse, 0.2f);
        }
    }
    // A knock where a contact starts or hardens, not at every step it lasts.
    int all = 0;
    for (auto& row : knocks)
        for (int count : row)
            all += count;
    EXPECT_LT(all, 150);
    EXPECT_GE(knocks[(int)Surface::pin][(int)Surface::ball], 2);
    EXPECT_GE(knocks[(int)Surface::pin][(int)Surface::pin], 5);
    EXPECT_GE(knocks[(int)Surface::lane][(int)Surface::pin], 5);
    EXPECT_LT((firstBallPin - btVector3(0.0605f * 0.5f, 0.11f, btScalar(headPinZ))).length(), 0.08f);
}

// A hook from the foul line and a second ball at what it left: pins down,
// every pin's and the ball's last place, every knock and the oil they
// left, as bytes in hex.
static std::string fingerprint(LaneWorld& lane)
{
    std::string bytes;
    auto add = [&bytes](const void* data, size_t size) { bytes.append((const char*)data, size); };
    for (const Launch& launch : {typicalHook(), atThePins(-0.2, -1, 7)}) {
        lane.release(launch);
        while (!lane.rollOver()) {
            lane.step();
            for (const Knock& knock : lane.knocks())
                add(&knock, sizeof knock);
        }
        const int standing = lane.pinsStanding();
        add(&standing, sizeof standing);
        for (int pin = 0; pin < pinCount; pin++) {
            btScalar matrix[16] = {};
            if (lane.pinOnLane(pin))
                lane.pinPlace(pin).getOpenGLMatrix(matrix);
            add(matrix, sizeof matrix);
        }
        btScalar ball[16];
        lane.ballPlace().getOpenGLMatrix(ball);
        add(ball, sizeof ball);
        lane.sweep();
    }
    for (int row = 0; row < OilMap::rows; row++)
        for (int board = 0; board < OilMap::boards; board++) {
            const float oil = lane.oil().at(laneHalfWidth - (board + 0.5) * OilMap::boardWidth,
                                            -(row + 0.5) * OilMap::cellLength);
            add(&oil, sizeof oil);
        }
    std::string hex;
    for (unsigned char c : bytes) {
        char digits[3];
        snprintf(digits, sizeof digits, "%02x", c);
        hex += digits;
    }
    return hex;
}

// The same in a fresh world, after other rolls, in a second world, and in
// another process (this test run again by itself, printing its fingerprint).
TEST(RealPhysics, SameReleasesSameRollsBitForBit)
{
    LaneWorld lane;
    const std::string first = fingerprint(lane);
    if (getenv("REAL_PHYSICS_FINGERPRINT")) {
        printf("fingerprint %s\n", first.c_str());
        return;
    }
    lane.rack();
    lane.layOil(OilMap());
    EXPECT_EQ(fingerprint(lane), first) << "after other rolls, on fresh oil";
    LaneWorld other;
    EXPECT_EQ(fingerprint(other), first) << "in another world";

    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const std::string command = std::string("REAL_PHYSICS_FINGERPRINT=1 '") + self +
                                "' --gtest_filter=RealPhysics.SameReleasesSameRollsBitForBit";
    FILE* child = popen(command.c_str(), "r");
    ASSERT_TRUE(child);
    std::string output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, child)) > 0;)
        output.append(buffer, n);
    ASSERT_EQ(pclose(child), 0) << output;
    EXPECT_NE(output.find("fingerprint " + first + "\n"), std::string::npos) << "in another process";
}

// The hand's file read defensively: only "left" and a line end is the left
// hand, anything else or nothing the right; saved whole, it reads back.
// Each bowler's own, an older game's file as the unnamed bowler's, and
// only whole lines of a known hand believed.
TEST(BowlersHand, EachBowlersReadDefensivelyAndSavedWhole)
{
    ScratchFolder data;
    setenv("XDG_DATA_HOME", data.path.c_str(), 1);
    EXPECT_EQ(savedHand(""), Hand::right) << "no file";
    saveHand("Ann", Hand::left);
    saveHand("", Hand::left);
    saveHand("Ann", Hand::right);
    EXPECT_EQ(savedHand("Ann"), Hand::right);
    EXPECT_EQ(savedHand(""), Hand::left);
    EXPECT_EQ(savedHand("Bo"), Hand::right);
    for (int i = 0; i < bowlersKept; i++)
        saveHand(std::to_string(i).c_str(), Hand::left);
    EXPECT_EQ(savedHand("0"), Hand::left);
    EXPECT_EQ(savedHand(""), Hand::right) << "the oldest dropped past bowlersKept";
    const std::string file = data / "bowling/hand";
    for (const auto& [text, hand] : {std::pair("left\n", Hand::left), std::pair("left", Hand::right),
                                     std::pair("leftover\n", Hand::right), std::pair("left\tAnn\n", Hand::right),
                                     std::pair("right\nleft\n", Hand::left), std::pair("", Hand::right)}) {
        FILE* written = fopen(file.c_str(), "w");
        fputs(text, written);
        fclose(written);
        EXPECT_EQ(savedHand(""), hand) << '"' << text << '"';
    }
    unsetenv("XDG_DATA_HOME");
}
