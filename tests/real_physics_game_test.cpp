// real_physics_game_test.cpp: a roll's physics in the game's real window,
// as the options see it: with --real-physics the score sheet counts what
// the rigid bodies left standing, the standing pins stay for the second
// ball, the knocks and the ball's speed reach every option, and a roll whose
// steps are held back and run late is the same roll; the written roll tells
// its knocks too.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "option_door.h"
#include "lane_geometry.h"
#include "real_physics/hand.h"
#include "real_physics/lane_to_scene.h"
#include "real_physics/real_physics.h"
#include "real_physics/speed_meter.h"
#include "score/score.h"
#include "scratch_folder.h"

namespace {

// Hears what an option would, and holds back every other ball step when
// asked, running it when the next step is due instead.
class Listener : public PlayerOption {
public:
    bool holding = false;
    std::string knocks;          // kind, place and strength of each, in order
    std::string pinKnocks;       // kind and pin of each knock naming its pin
    std::vector<float> speeds;   // the ball's, after each step while rolling
    float releasedPower = -1;    // the meter as the ball left the hand
    std::vector<std::pair<float, float>> path;  // the ball's x and z after each step while rolling
    int standingAtRollEnd = -1;

    void contactMade(const Contact& contact) override
    {
        EXPECT_GE(contact.strength, 0.0f);
        EXPECT_LE(contact.strength, 1.0f);
        EXPECT_TRUE(contact.z < -0.8f || contact.kind == ContactKind::ballBumper) << "a knock away from the pins";
        knocks += std::to_string((int)contact.kind) + " " + std::to_string(contact.x) + " " +
                  std::to_string(contact.z) + " " + std::to_string(contact.strength) + "\n";
        if (contact.pin >= 0)
            pinKnocks += std::to_string((int)contact.kind) + ":" + std::to_string(contact.pin) + " ";
    }

    void ballStepped() override
    {
        if (gameTurn().currentState == rolling) {
            speeds.push_back(gameTurn().ballSpeed);
            path.emplace_back(gameTurn().ballX, gameTurn().ballZ);
        }
    }

    void rollEnded() override { standingAtRollEnd = pinsStanding(); }
    void ballReleased() override { releasedPower = gameTurn().ballSpeed; }

    bool holdStep(void (*step)(int), int value) override
    {
        if (!holding || step != moveBall || (held = !held) == false)
            return false;
        glutTimerFunc(stepMilliseconds / 2, step, value);  // comes back, and goes through then
        return true;
    }

private:
    bool held = false;
};

Listener listener;

// At full power: a real ball's meter full.
void bowlFull(int slides, int turns) { bowl(slides, turns, meterSweepMilliseconds); }

class RealPhysicsGame : public testing::Test {
protected:
    void SetUp() override
    {
        detachOptions();
        keepScore(true);
        attachOption(scoreOption());
        attachOption(realPhysicsOption());
        attachOption(listener);
        restoreStartState();
        newGame();
        listener = Listener();
    }
    void TearDown() override
    {
        detachOptions();
        keepScore(false);
        restoreStartState();
    }
};

}  // namespace

// A frame of a pocket hit and a second ball, then a frame of one ball only
// after a strike, whatever falls: each mark is ten less what stood at the
// roll's end, and the pins that stood stay up for the second ball. The
// last ball, with bumpers, is told off one.
TEST_F(RealPhysicsGame, TheSheetCountsWhatTheBodiesLeftStanding)
{
    int pinsDown[4] = {};
    int ball = 0;
    for (const auto& [slides, turns] : {std::pair(11, 0), std::pair(-20, 2), std::pair(0, 0), std::pair(0, 15)}) {
        if (ball == 3)
            keyboard('b', 0, 0);
        const int before = pinsStanding();
        bowlFull(slides, turns);
        pinsDown[ball] = before - listener.standingAtRollEnd;
        if (framePart == 1)
            EXPECT_EQ(pinsStanding(), listener.standingAtRollEnd) << "ball " << ball << ": the standing swept";
        else
            EXPECT_EQ(pinsStanding(), pinCount) << "ball " << ball << ": no new rack";
        ball++;
    }
    const ScoreSheet* sheet = currentSheet();
    ASSERT_TRUE(sheet);
    EXPECT_STREQ(sheet->marks, scoreSheet(pinsDown, 4).marks);
    EXPECT_GE(pinsDown[0], 7) << "a pocket hit";
    const std::string bumper = "\n" + std::to_string((int)ContactKind::ballBumper) + " ";
    EXPECT_NE(("\n" + listener.knocks).find(bumper), std::string::npos) << listener.knocks;
}

// The same release twice from a full rack, the second with every other
// ball step held back and run late: the same knocks in the same order.
TEST_F(RealPhysicsGame, KnocksComeFromContactsAndHeldStepsChangeNothing)
{
    bowlFull(11, 0);
    const std::string steady = listener.knocks;
    EXPECT_NE(steady.find("0 "), std::string::npos) << "no ball-pin knock:\n" << steady;
    EXPECT_NE(steady.find("\n1 "), std::string::npos) << "no pin-pin knock:\n" << steady;
    const std::vector<float> speeds = listener.speeds;
    EXPECT_GE(std::set<float>(speeds.begin(), speeds.end()).size(), 20u) << "the speed follows the ball";
    EXPECT_GT(speeds.front(), speeds.back()) << "the ball slows";
    newGame();
    listener.knocks.clear();
    listener.holding = true;
    bowlFull(11, 0);
    EXPECT_EQ(listener.knocks, steady);
}

// The meter is read at the very millisecond of the second press, between
// its 50 ms steps: a triangle from empty, 800 ms to full and as long back,
// that stands still while the game is paused.
TEST_F(RealPhysicsGame, TheMeterIsReadWhereItStandsAtThePress)
{
    struct Press {
        int after;     // milliseconds from the first press
        int pausedAt;  // paused 300 ms from this time, or -1
        float power;
    };
    const Press presses[] = {
        {0, -1, 0}, {123, -1, 123 / 800.0f}, {124, -1, 124 / 800.0f}, {799, -1, 799 / 800.0f},
        {800, -1, 1}, {1000, -1, 600 / 800.0f}, {1600, -1, 0}, {1650, -1, 50 / 800.0f}, {423, 100, 123 / 800.0f},
    };
    for (const Press& press : presses) {
        newGame();
        keyboard(' ', 0, 0);
        const int start = glutRecorder::now;
        if (press.pausedAt >= 0) {
            glutRecorder::now = start + press.pausedAt;
            pauseGame(true);
            glutRecorder::now += 300;
            pauseGame(false);
        }
        glutRecorder::now = start + press.after;
        keyboard(' ', 0, 0);
        EXPECT_EQ(listener.releasedPower, press.power) << "pressed after " << press.after << " ms";
        glutRecorder::clear();  // the roll is not watched
    }
}

// l switches the hand of the bowler up alone, each bowler's kept by name.
TEST_F(RealPhysicsGame, EachBowlerSwitchesTheirOwnHand)
{
    ScratchFolder data;
    setenv("XDG_DATA_HOME", data.path.c_str(), 1);
    const char names[2][bowlerNameRoom] = {"Ann", "Bo"};
    nameBowlers(names, 2);
    keyboard('l', 0, 0);
    while (currentBowlers()->up == 0)
        bowlFull(0, 0);
    keyboard('l', 0, 0);
    EXPECT_EQ(savedHand("Ann"), Hand::left);
    EXPECT_EQ(savedHand("Bo"), Hand::left) << "switched from Bo's own right";
    EXPECT_EQ(savedHand(""), Hand::right);
    unsetenv("XDG_DATA_HOME");
}

// The aim line meets the arrows where a ball rolled straight along the aim
// crosses them: the arrows of the drawn lane for the written ball, the
// real lane's 15 ft, drawn shortened, for a real one with no hook.
TEST(AimLine, CrossesTheArrowsWhereAStraightBallDoes)
{
    for (bool real : {false, true}) {
        // A real ball's aim is a tenth of the written one's.
        const int turned = real ? 3 : 1;
        for (const auto& [slides, turns] : {std::pair(0, 0), std::pair(-20, 4 * turned), std::pair(15, -3 * turned)}) {
            detachOptions();
            if (real)
                attachOption(realPhysicsOption());
            attachOption(listener);
            restoreStartState();
            newGame();
            listener = Listener();
            aim(slides, turns);
            const float aimed = aimAtArrows(gameTurn());
            const double arrowsZ = real ? sceneZ(-4.572, gameTurn().ballZ) : targetArrowsZ;
            bowlFull(0, 0);
            const auto& path = listener.path;
            const auto past = std::find_if(path.begin(), path.end(), [&](auto at) { return at.second < arrowsZ; });
            ASSERT_TRUE(past != path.begin() && past != path.end()) << real << " " << turns;
            const auto before = *(past - 1);
            const double along = (arrowsZ - before.second) / (past->second - before.second);
            EXPECT_NEAR(before.first + along * (past->first - before.first), aimed, 0.003)
                << (real ? "real" : "written") << " ball, slid " << slides << ", turned " << turns;
        }
    }
    detachOptions();
    restoreStartState();
}

// The written roll straight at the head pin: the ball meets pin 0 first,
// pins meet pins after it, and each pin that falls drops to the deck.
TEST(WrittenRoll, TellsWhatTheBallAndThePinsMeet)
{
    detachOptions();
    attachOption(listener);
    restoreStartState();
    newGame();
    listener = Listener();
    bowlFull(5, 0);
    const std::string& told = listener.pinKnocks;
    EXPECT_EQ(told.substr(0, 4), "0:0 ") << told;
    EXPECT_NE(told.find("1:"), std::string::npos) << "no pin met by a pin: " << told;
    for (int pin = 0; pin < pinCount; pin++)
        EXPECT_EQ(told.find("2:" + std::to_string(pin) + " ") != std::string::npos, !pins[pin].isShown())
            << "pin " << pin << ": " << told;
    detachOptions();
    restoreStartState();
}
