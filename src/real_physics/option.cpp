// option.cpp: --real-physics through the option door. Each 50 ms ball step
// advances the lane by twelve fixed steps of 1/240 s, each its own Bullet
// step, so a roll is the same however the pictures come; the pictures
// blend the last two steps.
#include "real_physics/real_physics.h"

#include <GL/glut.h>

#include <algorithm>
#include <cmath>

#include "final.h"
#include "real_physics/lane_to_scene.h"
#include "real_physics/release_speed.h"
#include "real_physics/roll_pictures.h"

static const int fixedStepsPerBallStep = 12;
// The written keys' ranges made real: the aim's whole degrees (up to 45)
// a tenth each, the meter across release_speed.h's range.
static const double realDegreesPerAimDegree = 0.1;
using release::slowestBall;
using release::fastestBall;
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

class RealRoll : public RollPhysics {
public:
    int spin = 0;

    void release() override
    {
        foulLineZ = ballZ;
        const double speed = slowestBall + (fastestBall - slowestBall) * ballSpeed;
        lane.release(bowled(ballX / sceneUnitsPerMetre, ballTheta * realDegreesPerAimDegree, speed,
                            (double)spin / strongestSpin),
                      useBumpers);
        older = newer = LaneSnapshot::of(lane);
    }

    bool step() override
    {
        older = newer;
        bool over = false;
        for (int i = 0; i < fixedStepsPerBallStep && !over; i++) {
            lane.step();
            for (const Knock& knock : lane.knocks())
                report(knock);
            over = lane.rollOver();
        }
        newer = LaneSnapshot::of(lane);
        showBallInGame();
        return over;
    }

    int pinsStanding() override { return lane.pinsStanding(); }

    void setUp(bool newRack) override
    {
        if (newRack)
            lane.rack();
        else
            lane.sweep();
        older = newer = LaneSnapshot::of(lane);
    }

    // A new game starts on a freshly oiled lane.
    void layFreshOil() { lane.layOil(OilMap()); }

    void drawPins() override { drawPinsBetween(older, newer, pictureFraction, foulLineZ); }

    void drawBall() override
    {
        if (currentState == rolling)
            drawBallBetween(older, newer, pictureFraction, foulLineZ);
        else
            drawWaitingBall(ballTheta * realDegreesPerAimDegree, spin, strongestSpin);
    }

private:
    LaneWorld lane;
    LaneSnapshot older = LaneSnapshot::of(lane);
    LaneSnapshot newer = older;
    double foulLineZ = 0;

    void report(const Knock& knock)
    {
        ContactKind kind;
        if (!heard(knock, kind))
            return;
        const btVector3 where = toScene(knock.where, foulLineZ);
        const float strength = std::log(knock.impulse / faintestKnock) / std::log(hardestKnock / faintestKnock);
        reportContact({kind, where.x(), where.y(), where.z(), std::clamp(strength, 0.0f, 1.0f)});
    }

    // The written globals follow the ball, for the options that watch them:
    // where it is in the scene, its speed on the meter's scale, its turn.
    void showBallInGame()
    {
        if (!older.ballShown || !newer.ballShown)
            return;
        const btVector3 centre = toScene(newer.ball.getOrigin(), foulLineZ);
        ballX = centre.x();
        ballZ = centre.z();
        // Its speed from its travel over the step.
        const double speed = (newer.ball.getOrigin() - older.ball.getOrigin()).length() * 1000 / stepMilliseconds;
        ballSpeed = (float)std::clamp((speed - slowestBall) / (fastestBall - slowestBall), 0.0, 1.0);
        newer.ball.getOpenGLMatrix(ballRollMatrix);
        ballRollMatrix[12] = ballRollMatrix[13] = ballRollMatrix[14] = 0;
    }
};

class RealPhysicsOption : public PlayerOption {
public:
    bool takeSpecialKey(int key) override
    {
        if (currentState != aiming || (key != GLUT_KEY_UP && key != GLUT_KEY_DOWN))
            return false;
        const int turn = key == GLUT_KEY_UP ? 1 : -1;
        roll.spin = std::clamp(roll.spin + turn, -strongestSpin, strongestSpin);
        glutPostRedisplay();
        return true;
    }

    RollPhysics* rollPhysics() override { return &roll; }

    void gameRestarted() override { roll.layFreshOil(); }

private:
    RealRoll roll;
};

}  // namespace

PlayerOption& realPhysicsOption()
{
    static RealPhysicsOption option;
    return option;
}
