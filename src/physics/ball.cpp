// ball.cpp: the ball step, the game's physics clock while a ball rolls.
#include <GL/glut.h>

#include <cmath>

#include "final.h"
#include "lane_geometry.h"
#include "option_door.h"
#include "physics/physics.h"

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

void moveBall(int game)
{
    if (door::holdStep(moveBall, game))
        return;
    door::stepBegins();
    RollPhysics* physics = optionPhysics();
    const bool over = physics ? physics->step() : writtenStep();
    glutPostRedisplay();
    if (over) {
        framePart = (framePart + 1) & 1;
        door::rollEnded();
        reset();
    } else {
        armTimer(stepMilliseconds, moveBall, game);
    }
    door::ballStepped();
}
