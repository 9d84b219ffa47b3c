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

static float aimRadians(const Turn& turn)
{
    return (float)(-turn.ballTheta * pi / 180);
}

// Slow the ball, keep it off the bumpers or drop it into a gutter.
static void slowAndGuide(Turn& turn)
{
    if (turn.ballSpeed > decayThreshold)
        turn.ballSpeed = (float)(turn.ballSpeed - speedDecay);

    if (turn.useBumpers) {
        if (turn.ballX <= -bumperLine) {
            turn.ballX = (float)-bumperLine;
            turn.ballTheta = -turn.ballTheta;
        } else if (turn.ballX >= bumperLine) {
            turn.ballX = (float)bumperLine;
            turn.ballTheta = -turn.ballTheta;
        }
    }
    if (turn.ballX < -laneEdge) {
        turn.ballX = (float)-gutterLine;
        turn.ballTheta = 0;
    } else if (turn.ballX > laneEdge) {
        turn.ballX = (float)gutterLine;
        turn.ballTheta = 0;
    }
}

// Turns the ball about the horizontal axis across its path, on the outside
// of all earlier turns, so its picture rolls the way it travels.
static void spinBall(Turn& turn)
{
    const float phi = aimRadians(turn);
    Vector3D axis(-cosf(phi), 0, sinf(phi));
    const float degrees = (float)(spinPerStep * (turn.ballSpeed * stepPerSpeed + minimumStep));
    glPushMatrix();
    glLoadIdentity();
    glRotatef(degrees, axis.getDx(), axis.getDy(), axis.getDz());
    glMultMatrixf(turn.ballRollM);
    glGetFloatv(GL_MODELVIEW_MATRIX, turn.ballRollM);
    glPopMatrix();
}

static bool anyPinFalling(const Turn& turn)
{
    for (const Pin& pin : turn.pins)
        if (pin.isFalling())
            return true;
    return false;
}

// The written roll's step of a turn; true once the roll is over.
static bool writtenStep(Turn& turn)
{
    const double step = turn.ballSpeed * stepPerSpeed + minimumStep;
    const float phi = aimRadians(turn);
    turn.ballX = (float)(turn.ballX - sinf(phi) * step);
    turn.ballZ = (float)(turn.ballZ - cosf(phi) * step);
    glutPostRedisplay();

    // Each pin is finished before the next is looked at: a pin knocked by a
    // lower index tilts in this step, one knocked by a higher index in the next.
    for (Pin& pin : turn.pins) {
        if (pin.isShown() && pin.isTouchingBall(turn))
            pin.setFallDirection(pin.directionToBall(turn) * -1, turn);
        pin.doFall(turn);
    }

    slowAndGuide(turn);
    spinBall(turn);
    return turn.ballZ < laneFarEnd && !anyPinFalling(turn);
}

// On the lane or down in a gutter, with its aim arrow while aiming.
static void drawWrittenBall(const Turn& shown)
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

namespace {

// What a step of the written roll made happen, told as it would be heard,
// from how the step changed the ball and the pins.
class WrittenEvents {
public:
    // A new roll starts from nothing heard.
    void clear() { *this = WrittenEvents(); }

    void tell(const Turn& turn)
    {
        tellBall(turn);
        tellPins(turn);
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
    void tellBall(const Turn& turn)
    {
        const Vector3D ball(turn.ballX, 0, turn.ballZ);
        const bool gutter = inGutter(turn.ballX);
        if (gutter && !ballWasInGutter)
            report(ContactKind::ballGutter, ball, turn.ballSpeed, -1);
        ballWasInGutter = gutter;
        if (lastTheta != 0 && turn.ballTheta == -lastTheta)
            report(ContactKind::ballBumper, ball, turn.ballSpeed, -1);
        lastTheta = turn.ballTheta;
    }

    // A pin that starts falling was met by the ball if the ball touches it
    // now, else by a pin; one falling before the step and not after has
    // dropped to the deck.
    void tellPins(const Turn& turn)
    {
        for (int i = 0; i < pinCount; i++) {
            const Pin& pin = turn.pins[i];
            const bool falling = pin.isFalling();
            if (falling && !pinWasFalling[i]) {
                const bool byBall = pin.isTouchingBall(turn);
                report(byBall ? ContactKind::ballPin : ContactKind::pinPin, pin.base(), byBall ? turn.ballSpeed : 1, i);
            } else if (!falling && pinWasFalling[i]) {
                report(ContactKind::pinDeck, pin.base(), 1, i);
            }
            pinWasFalling[i] = falling;
        }
    }
};

// A pin as drawn: one that fell, where an option sweeps fallen pins,
// lies on the deck where it fell rather than vanish.
static Pin drawnPin(const Pin& pin, bool lies)
{
    if (!lies || pin.isShown())
        return pin;
    Pin lying = pin;
    lying.show();
    lying.setTilt(90);
    return lying;
}

// The last roll again on the turn it is handed, telling no one.
class WrittenReplay : public Roll {
public:
    bool step(Turn& turn) override { return writtenStep(turn); }
    void drawPins(const Turn& shown, float) override
    {
        const unsigned lying = door::sweepsFallenPins() ? rolledOn : 0;
        for (int i = 0; i < pinCount; i++)
            drawnPin(shown.pins[i], lying >> i & 1).draw();
    }
    void drawBall(const Turn& shown, float) override { drawWrittenBall(shown); }

    unsigned rolledOn = 0;  // the pins standing as the last roll began
};

// Steps the turn it is handed, the game's own, whose pins it counts.
class WrittenRoll : public RollPhysics {
public:
    void release(const Release&) override
    {
        events.clear();
        again.rolledOn = standingPins();
        swept = false;
    }

    bool step(Turn& turn) override
    {
        const bool over = writtenStep(turn);
        events.tell(turn);
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
        swept = true;
        if (newRack)
            for (Pin& pin : pins)
                pin.reset();
    }

    // Everything the written roll needs is in the turn the replay is handed.
    Roll& replay() override { return again; }

    // Each where the options carry it; the pins down are not drawn, but
    // those of this roll lie until they are swept.
    void drawPins(const Turn& shown, float) override
    {
        const unsigned lying = !swept && door::sweepsFallenPins() ? again.rolledOn : 0;
        for (int i = 0; i < pinCount; i++) {
            const Pin pin = drawnPin(shown.pins[i], lying >> i & 1);
            Vector3D shift = pinMoved(pin.base() + Vector3D(0, pinModelHeight / 2, 0), !pin.isFalling());
            if (shift == Vector3D(0, 0, 0)) {
                pin.draw();  // where no option carries it: the calls of the plain game
                continue;
            }
            glPushMatrix();
            glTranslatef(shift.getDx(), shift.getDy(), shift.getDz());
            pin.draw();
            glPopMatrix();
        }
    }
    void drawBall(const Turn& shown, float fraction) override { again.drawBall(shown, fraction); }

    float aimAtArrows(const Turn& waiting) const override
    {
        return (float)(waiting.ballX + std::tan(waiting.ballTheta * pi / 180) * (waiting.ballZ - targetArrowsZ));
    }

private:
    WrittenEvents events;
    WrittenReplay again;
    bool swept = true;  // the last roll's fallen pins are off the deck
};

}  // namespace

RollPhysics& writtenRoll()
{
    static WrittenRoll roll;
    return roll;
}

// The next ball set up, when an option held it back past the roll's end.
static void setUpNextBall(int game)
{
    if (door::holdStep(setUpNextBall, game))
        return;
    reset();
    glutPostRedisplay();
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
        if (!door::holdSetUp(setUpNextBall, game))
            reset();
    } else {
        armTimer(stepMilliseconds, moveBall, game);
    }
    door::ballStepped();
}
