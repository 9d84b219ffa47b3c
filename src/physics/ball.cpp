// ball.cpp: the ball step, the game's physics clock while a ball rolls, and
// the written roll as the physics the game rolls by default.
#include <GL/glut.h>

#include <cmath>

#include "final.h"
#include "lane_geometry.h"
#include "option_door.h"
#include "physics/physics.h"
#include "rendering/rendering.h"

// Per-step arithmetic is done in double against these double constants and
// each stored result is rounded once to float.
static const double stepPerSpeed = 0.1;   // distance per step per unit of speed
static const double minimumStep = 0.01;   // even a ball at zero power moves
static const double decayThreshold = 0.013;
static const double speedDecay = 0.003;
static const double spinPerStep = 200;    // degrees per unit of step length

static float aimRadians()
{
    return (float)(-ballTheta * pi / 180);
}

// Slow the ball, keep it off the bumpers or drop it into a gutter.
static void slowAndGuide()
{
    if (ballSpeed > decayThreshold)
        ballSpeed = (float)(ballSpeed - speedDecay);

    if (useBumpers) {
        if (ballX <= -bumperLine) {
            ballX = (float)-bumperLine;
            ballTheta = -ballTheta;
        } else if (ballX >= bumperLine) {
            ballX = (float)bumperLine;
            ballTheta = -ballTheta;
        }
    }
    if (ballX < -laneEdge) {
        ballX = (float)-gutterLine;
        ballTheta = 0;
    } else if (ballX > laneEdge) {
        ballX = (float)gutterLine;
        ballTheta = 0;
    }
}

// Turns the ball about the horizontal axis across its path, on the outside
// of all earlier turns, so its picture rolls the way it travels.
static void spinBall()
{
    const float phi = aimRadians();
    Vector3D axis(-cosf(phi), 0, sinf(phi));
    const float degrees = (float)(spinPerStep * (ballSpeed * stepPerSpeed + minimumStep));
    glPushMatrix();
    glLoadIdentity();
    glRotatef(degrees, axis.getDx(), axis.getDy(), axis.getDz());
    glMultMatrixf(ballRollMatrix);
    glGetFloatv(GL_MODELVIEW_MATRIX, ballRollMatrix);
    glPopMatrix();
}

static bool anyPinFalling()
{
    for (Pin& pin : pins)
        if (pin.isFalling())
            return true;
    return false;
}

// The written roll's step; true once the roll is over.
static bool writtenStep()
{
    const double step = ballSpeed * stepPerSpeed + minimumStep;
    const float phi = aimRadians();
    ballX = (float)(ballX - sinf(phi) * step);
    ballZ = (float)(ballZ - cosf(phi) * step);
    glutPostRedisplay();

    // Each pin is finished before the next is looked at: a pin knocked by a
    // lower index tilts in this step, one knocked by a higher index in the next.
    for (Pin& pin : pins) {
        if (pin.isShown() && pin.isTouchingBall())
            pin.setFallDirection(pin.directionToBall() * -1);
        pin.doFall();
    }

    slowAndGuide();
    spinBall();
    return ballZ < laneFarEnd && !anyPinFalling();
}

namespace {

// What a step of the written roll made happen, told as it would be heard,
// from how the step changed the ball and the pins.
class WrittenEvents {
public:
    // A new roll starts from nothing heard.
    void clear() { *this = WrittenEvents(); }

    void tell()
    {
        tellBall();
        tellPins();
    }

private:
    bool pinWasFalling[pinCount] = {};
    bool ballWasInGutter = false;
    int lastTheta = 0;

    static void report(ContactKind kind, Vector3D where, float strength, int pin)
    {
        reportContact({kind, where.getDx(), where.getDy(), where.getDz(), strength, pin});
    }

    // Only bumpers turn a rolling ball's aim to its opposite; a gutter sets
    // it to 0.
    void tellBall()
    {
        const Vector3D ball(ballX, 0, ballZ);
        const bool gutter = inGutter(ballX);
        if (gutter && !ballWasInGutter)
            report(ContactKind::ballGutter, ball, ballSpeed, -1);
        ballWasInGutter = gutter;
        if (lastTheta != 0 && ballTheta == -lastTheta)
            report(ContactKind::ballBumper, ball, ballSpeed, -1);
        lastTheta = ballTheta;
    }

    // A pin that starts falling was met by the ball if the ball touches it
    // now, else by a pin; one falling before the step and not after has
    // dropped to the deck.
    void tellPins()
    {
        for (int i = 0; i < pinCount; i++) {
            Pin& pin = pins[i];
            const bool falling = pin.isFalling();
            if (falling && !pinWasFalling[i]) {
                const bool byBall = pin.isTouchingBall();
                report(byBall ? ContactKind::ballPin : ContactKind::pinPin, pin.base(), byBall ? ballSpeed : 1, i);
            } else if (!falling && pinWasFalling[i]) {
                report(ContactKind::pinDeck, pin.base(), 1, i);
            }
            pinWasFalling[i] = falling;
        }
    }
};

// Works on the game's own turn, whose parts are the globals the step moves.
class WrittenRoll : public RollPhysics {
public:
    void release(const Release&) override { events.clear(); }

    bool step(Turn&) override
    {
        const bool over = writtenStep();
        events.tell();
        return over;
    }

    int pinsStanding() const override
    {
        int standing = 0;
        for (const Pin& pin : pins)
            standing += pin.isShown();
        return standing;
    }

    unsigned standingPins() const override
    {
        unsigned standing = 0;
        for (int i = 0; i < pinCount; i++)
            standing |= (unsigned)pins[i].isShown() << i;
        return standing;
    }

    void setUp(bool newRack) override
    {
        if (newRack)
            for (Pin& pin : pins)
                pin.reset();
    }

    void drawPins(const Turn& shown, float) override { ::drawPins(shown.pins); }

    // On the lane or down in a gutter, with its aim arrow while aiming.
    void drawBall(const Turn& shown, float) override
    {
        glPushMatrix();
        glTranslatef(shown.ballX, 0, shown.ballZ);
        if (inGutter(shown.ballX))
            glTranslatef(0, (float)-gutterDepth, 0);
        if (shown.currentState == aiming)
            drawAimArrow(shown.ballTheta);
        ::drawBall(shown);
        glPopMatrix();
    }

    float aimAtArrows(const Turn& waiting) const override
    {
        return (float)(waiting.ballX + std::tan(waiting.ballTheta * pi / 180) * (waiting.ballZ - targetArrowsZ));
    }

private:
    WrittenEvents events;
};

}  // namespace

RollPhysics& writtenRoll()
{
    static WrittenRoll roll;
    return roll;
}

void moveBall(int game)
{
    if (door::holdStep(moveBall, game))
        return;
    door::stepBegins();
    const bool over = door::rollPhysics().step(turn);
    if (over) {
        framePart = (framePart + 1) & 1;
        door::rollEnded();
        reset();
    } else {
        glutTimerFunc(stepMilliseconds, moveBall, game);
    }
    door::ballStepped();
}
