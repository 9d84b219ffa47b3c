// option.cpp: --real-physics through the option door. Each 50 ms ball step
// advances the lane by twelve fixed steps of 1/240 s, each its own Bullet
// step, so a roll is the same however the pictures come; the pictures
// blend the last two steps.
#include "real_physics/real_physics.h"

#include <GL/glut.h>

#include <algorithm>
#include <cmath>

#include "lane_geometry.h"
#include "real_physics/lane_to_scene.h"
#include "real_physics/roll_pictures.h"

static const int fixedStepsPerBallStep = 12;
static_assert(fixedStepsPerBallStep * LaneWorld::stepSeconds * 1000 == stepMilliseconds,
              "the fixed steps make up one ball step");
// The written keys' ranges made real: the aim's whole degrees (up to 45)
// a tenth each, the meter from 6 to 9.5 m/s.
static const double realDegreesPerAimDegree = 0.1;
static const double slowestBall = 6.0;
static const double fastestBall = 9.5;
// Spin in steps either way, to the strongest hook at the last.
static const int strongestSpin = 3;
// A knock's strength: 0 at the least heard, 1 at a ball's full hit.
static const float faintestKnock = 0.2f;
static const float hardestKnock = 20.0f;

static bool heard(const Knock& knock, ContactKind& kind)
{
    if (knock.first == Surface::pin && knock.second == Surface::ball)
        kind = ContactKind::ballPin;
    else if (knock.first == Surface::pin && knock.second == Surface::pin)
        kind = ContactKind::pinPin;
    else if (knock.first == Surface::kickback)
        kind = knock.second == Surface::pin ? ContactKind::pinKickback : ContactKind::ballKickback;
    else if (knock.second == Surface::pin)
        kind = ContactKind::pinDeck;  // on the deck, in a gutter or in the pit
    else
        return false;  // the ball on the lane, in a gutter or in the pit
    return true;
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

    void drawPins(const Turn&, float fraction) override { drawPinsBetween(older, newer, fraction, foulLineZ); }

    void drawBall(const Turn& shown, float fraction) override
    {
        if (shown.currentState == rolling)
            drawBallBetween(older, newer, fraction, foulLineZ);
        else
            drawWaitingBall(shown, shown.ballTheta * realDegreesPerAimDegree);
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
    int spin = 0;

    void release(const Release& release) override
    {
        const double speed = slowestBall + (fastestBall - slowestBall) * release.power;
        played.release(bowled(release.x / sceneUnitsPerMetre, release.theta * realDegreesPerAimDegree, speed,
                              (double)spin / strongestSpin),
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

    Roll& replay() override
    {
        again.releaseAgain(played);
        return again;
    }

    void drawPins(const Turn& shown, float fraction) override { played.drawPins(shown, fraction); }
    void drawBall(const Turn& shown, float fraction) override { played.drawBall(shown, fraction); }

    void drawLayer(Layer layer)
    {
        if (layer == Layer::lane)
            drawPitAndKickbacks(played.foulLineZ);
        else if (layer == Layer::meter)
            drawSpin(spin, strongestSpin);
    }

private:
    LaneRoll played{true};
    LaneRoll again{false};
};

class RealPhysicsOption : public PlayerOption {
public:
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
    void drawLayer(Layer layer) override { roll.drawLayer(layer); }

private:
    RealRoll roll;
};

}  // namespace

PlayerOption& realPhysicsOption()
{
    static RealPhysicsOption option;
    return option;
}
