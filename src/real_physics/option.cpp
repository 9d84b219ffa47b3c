// option.cpp: --real-physics through the option door. Each 50 ms ball step
// advances the lane by twelve fixed steps of 1/240 s, each its own Bullet
// step, so a roll is the same however the pictures come; the pictures
// blend the last two steps.
#include "real_physics/real_physics.h"

#include <GL/glut.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "command_line.h"
#include "lane_geometry.h"
#include "real_physics/hand.h"
#include "real_physics/lane_to_scene.h"
#include "real_physics/release_speed.h"
#include "real_physics/roll_pictures.h"
#include "real_physics/speed_meter.h"

static const int fixedStepsPerBallStep = 12;
static_assert(fixedStepsPerBallStep * LaneWorld::stepSeconds * 1000 == stepMilliseconds,
              "the fixed steps make up one ball step");
// The written keys' ranges made real: the aim's whole degrees (up to 45)
// a tenth each, the meter across release_speed.h's range.
static const double realDegreesPerAimDegree = 0.1;
using release::slowestBall;
using release::fastestBall;
// Spin in steps either way, to the strongest hook at the last.
static const int strongestSpin = 3;
// The target arrows, 15 ft past the foul line.
static const double targetArrowsMetres = 4.572;
// A knock's strength: 0 at the least heard, 1 at a ball's full hit.
static const float faintestKnock = 0.2f;
static const float hardestKnock = 20.0f;

static bool heard(const Knock& knock, ContactKind& kind)
{
    if (knock.first == Surface::pin && knock.second == Surface::ball)
        kind = ContactKind::ballPin;
    else if (knock.first == Surface::pin && knock.second == Surface::pin)
        kind = ContactKind::pinPin;
    else if (knock.first == Surface::kickback && knock.second == Surface::pin)
        kind = ContactKind::pinKickback;
    else if (knock.first == Surface::kickback)  // the bumpers lie over the gutters, the kickbacks beyond
        kind = std::fabs(knock.where.x()) < real::gutterOuterX ? ContactKind::ballBumper : ContactKind::ballKickback;
    else if (knock.second == Surface::pin)
        kind = ContactKind::pinDeck;  // on the deck, in a gutter or in the pit
    else
        return false;  // the ball on the lane, in a gutter or in the pit
    return true;
}

// The real aim's line at the real arrows, drawn at the picture's arrows.
static float aimAtArrowsOf(const Turn& waiting)
{
    const double aim = waiting.ballTheta * realDegreesPerAimDegree * pi / 180;
    return (float)(waiting.ballX + std::tan(aim) * targetArrowsMetres * sceneUnitsPerMetre);
}

namespace {

// A lane as a roll steps it and the pictures show it: the game's, which
// tells every option its knocks, or a replay's, which tells no one.
class LaneRoll : public Roll {
public:
    explicit LaneRoll(bool told) : told(told) {}

    void release(const Launch& launch, bool bumpers, double foulLine)
    {
        foulLineZ = foulLine;
        lane.release(launch, bumpers);
        started();
    }

    // The other roll's last release, from the same start in this world.
    void releaseAgain(const LaneRoll& other)
    {
        foulLineZ = other.foulLineZ;
        lane.release(other.lane.lastStart());
        started();
    }

    bool step(Turn& turn) override
    {
        older = newer;
        bool over = false;
        for (int i = 0; i < fixedStepsPerBallStep && !over; i++) {
            lane.step();
            if (told)
                for (const Knock& knock : lane.knocks())
                    report(knock);
            over = lane.rollOver();
        }
        newer = LaneSnapshot::of(lane);
        showBall(turn);
        glutPostRedisplay();
        return over;
    }

    void setUp(bool newRack)
    {
        if (newRack)
            lane.rack();
        else
            lane.sweep();
        older = newer = LaneSnapshot::of(lane);
    }

    void drawPins(const Turn&, float fraction) override { drawPinsBetween(older, newer, fraction, foulLineZ, told); }

    void drawBall(const Turn& shown, float fraction) override
    {
        if (shown.currentState == rolling)
            drawBallBetween(older, newer, fraction, foulLineZ);
        else
            drawWaitingBall(shown, aimAtArrowsOf(shown));
    }

    LaneWorld lane;
    double foulLineZ = 0;

private:
    const bool told;
    LaneSnapshot older = LaneSnapshot::of(lane);
    LaneSnapshot newer = older;
    bool ballWasInGutter = false;

    void started()
    {
        older = newer = LaneSnapshot::of(lane);
        ballWasInGutter = false;
    }

    void report(const Knock& knock)
    {
        ContactKind kind;
        if (!heard(knock, kind))
            return;
        const btVector3 where = toScene(knock.where, foulLineZ);
        const float strength = std::log(knock.impulse / faintestKnock) / std::log(hardestKnock / faintestKnock);
        reportContact({kind, where.x(), where.y(), where.z(), std::clamp(strength, 0.0f, 1.0f), -1});
    }

    // The turn's ball follows the real one, for the picture and the options:
    // where it is in the scene, its speed on the meter's scale, its turn;
    // and it is told when it first drops into a gutter.
    void showBall(Turn& turn)
    {
        if (!older.ballShown || !newer.ballShown)
            return;
        const btVector3 centre = toScene(newer.ball.getOrigin(), foulLineZ);
        turn.ballX = centre.x();
        turn.ballZ = centre.z();
        // Its speed from its travel over the step.
        const double speed = (newer.ball.getOrigin() - older.ball.getOrigin()).length() * 1000 / stepMilliseconds;
        turn.ballSpeed = (float)std::clamp((speed - slowestBall) / (fastestBall - slowestBall), 0.0, 1.0);
        newer.ball.getOpenGLMatrix(turn.ballRollM);
        turn.ballRollM[12] = turn.ballRollM[13] = turn.ballRollM[14] = 0;
        const bool gutter = inGutter(turn.ballX);
        if (told && gutter && !ballWasInGutter)
            reportContact({ContactKind::ballGutter, turn.ballX, 0, turn.ballZ, turn.ballSpeed, -1});
        ballWasInGutter = gutter;
    }
};

class RealRoll : public RollPhysics {
public:
    int spin = 0;  // steps of hook to the hand's natural side, negative to the other

    // The hand of the bowler up, read again as another comes up.
    Hand hand() const
    {
        const char* bowler = bowlerUp();
        if (!handKnown || strcmp(bowler, handOf) != 0) {
            snprintf(handOf, sizeof handOf, "%s", bowler);
            knownHand = savedHand(bowler);
            handKnown = true;
        }
        return knownHand;
    }

    void switchHand()
    {
        knownHand = hand() == Hand::right ? Hand::left : Hand::right;
        saveHand(handOf, knownHand);
    }
    double releasedSpeed = 0;  // m/s, of the last ball released; 0 before the first

    void release(const Release& release) override
    {
        releasedSpeed = slowestBall + (fastestBall - slowestBall) * release.power;
        played.release(bowled(release.x / sceneUnitsPerMetre, release.theta * realDegreesPerAimDegree, releasedSpeed,
                              (double)hookSide() / strongestSpin),
                       release.bumpers, release.z);
    }

    bool step(Turn& turn) override { return played.step(turn); }
    int pinsStanding() const override { return played.lane.pinsStanding(); }

    unsigned standingPins() const override
    {
        unsigned standing = 0;
        for (int i = 0; i < real::pinCount; i++)
            standing |= (unsigned)played.lane.pinStanding(i) << i;
        return standing;
    }

    void setUp(bool newRack) override { played.setUp(newRack); }

    // A new game starts on a freshly oiled lane.
    void layFreshOil() { played.lane.layOil(OilMap()); }

    Roll& replay() override
    {
        again.releaseAgain(played);
        return again;
    }

    void drawPins(const Turn& shown, float fraction) override { played.drawPins(shown, fraction); }
    void drawBall(const Turn& shown, float fraction) override { played.drawBall(shown, fraction); }
    float aimAtArrows(const Turn& waiting) const override { return aimAtArrowsOf(waiting); }

    void drawLayer(Layer layer)
    {
        if (layer == Layer::lane) {
            drawPitOpening(played.foulLineZ);
        } else if (layer == Layer::meter) {
            drawSpin(hookSide(), strongestSpin);
            const Turn& turn = gameTurn();
            drawAimLabels(hand(), turn.currentState == rolling ? 0 : boardAt(aimAtArrows(turn)), releasedSpeed);
        }
    }

    // Boards of the picture's lane, 1 to 39, counted from the hand's edge.
    int boardAt(float x) const
    {
        const double fromRight = (laneEdge - x) / (2 * laneEdge) * laneBoards;
        const double fromEdge = hand() == Hand::right ? fromRight : laneBoards - fromRight;
        return std::clamp((int)std::floor(fromEdge) + 1, 1, laneBoards);
    }

    // Steps of hook to +x, positive, or to -x.
    int hookSide() const { return spin * naturalHookSide(hand()); }

private:
    mutable bool handKnown = false;
    mutable char handOf[bowlerNameRoom] = "";
    mutable Hand knownHand = Hand::right;

    LaneRoll played{true};
    LaneRoll again{false};
};

class RealPhysicsOption : public PlayerOption {
public:
    bool takeKey(unsigned char key) override
    {
        if (gameTurn().currentState != aiming || (key != 'l' && key != 'L'))
            return false;
        roll.switchHand();
        glutPostRedisplay();
        return true;
    }

    // The meter starts with its first step, at the press of Space.
    void stepBegins() override
    {
        if (gameTurn().currentState == powering && !meter.isRunning())
            meter.start(elapsedMilliseconds());
    }

    // Empty while aiming, as it starts; the ball's speed while rolling.
    void readMeter(float& power, const Turn& shown) override
    {
        if (meter.isRunning())
            power = meter.read(elapsedMilliseconds());
        else if (shown.currentState == aiming)
            power = 0;
    }

    void ballReleased() override { meter.stop(); }
    // A new game: fresh oil, and a meter not yet started.
    void gameRestarted() override
    {
        meter.stop();
        roll.layFreshOil();
    }
    void gamePaused(bool paused) override { meter.pause(paused, elapsedMilliseconds()); }

    bool takeSpecialKey(int key) override
    {
        if (gameTurn().currentState != aiming || (key != GLUT_KEY_UP && key != GLUT_KEY_DOWN))
            return false;
        const int turn = key == GLUT_KEY_UP ? 1 : -1;
        roll.spin = std::clamp(roll.spin + turn, -strongestSpin, strongestSpin);
        glutPostRedisplay();
        return true;
    }

    RollPhysics* rollPhysics() override { return &roll; }
    void drawLayer(Layer layer, const Turn&) override { roll.drawLayer(layer); }

private:
    RealRoll roll;
    SpeedMeter meter;
};

}  // namespace

PlayerOption& realPhysicsOption()
{
    static RealPhysicsOption option;
    return option;
}
