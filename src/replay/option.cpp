// option.cpp: the replay as an option: the turn kept at each release, the
// replay's own roll stepped by a timer of its own, slower about the impact,
// its pictures drawn in place of the game's while it lasts.
#include <GL/glut.h>

#include <algorithm>
#include <cctype>

#include "lane_geometry.h"
#include "overlay/overlay.h"
#include "replay/replay.h"

static const int pictureMilliseconds = 16;
// The run to the pins, out of the picture, goes by at twice its speed; from
// the ball this far before the head pin, a number of ball steps are shown at
// a quarter of theirs. A picture late by more than a step moves on by one.
static const double runPace = 2;
static const double impactLead = 0.35;
static const int slowSteps = 16;
static const double slowPace = 0.25;
static const int longestTick = stepMilliseconds;
// The replay ends this many steps after the slowing began, if the roll
// has not ended before: a real ball may wait long in the pit. Its last
// picture stays a moment.
static const int stepsAfterImpact = 40;
static const int endMilliseconds = 600;
// Above the deck, ahead of the rack on the right, looking down across it.
static const Camera aboveDeckCamera = {Vector3D(0.22f, 0.5f, -0.8f), Vector3D(-0.03f, 0.02f, -1.52f)};

static Turn released;          // the game's turn as the last ball left the hand
static bool anyReleased = false;
static bool firstBall = false;  // the last ball was a frame's first
static Roll* roll = nullptr;   // the replay's, while one runs
static Turn older, newer;      // its last two steps
static double stepClock = 0;   // milliseconds of roll time since the latest step
static int stepsSlowed = -1;   // steps since the slowing began, -1 before
static int endShown = -1;      // milliseconds the last picture has stood, -1 before the end
static bool paused = false;
static int ticks = 0;          // counts timer chains, so only the latest runs
static int tickedAt = 0;       // GLUT's milliseconds at the last tick or start

static void tick(int chain);

static void arm() { armTimer(pictureMilliseconds, tick, ++ticks); }

// A new chain of ticks, counted from now.
static void startTicking()
{
    tickedAt = elapsedMilliseconds();
    arm();
}

static void stop()
{
    if (!roll)
        return;
    roll = nullptr;
    ticks++;
    glutPostRedisplay();
}

static void start()
{
    roll = &replayLastRoll();
    older = newer = released;
    stepClock = 0;
    stepsSlowed = -1;
    endShown = -1;
    if (!paused)
        startTicking();
    glutPostRedisplay();
}

// One ball step of the replay; the slowing counted from where the ball is.
static bool stepReplay()
{
    older = newer;
    const bool over = roll->step(newer);
    if (stepsSlowed >= 0)
        stepsSlowed++;
    else if (newer.ballZ < rackZ(0) + impactLead)
        stepsSlowed = 0;
    return over || stepsSlowed >= stepsAfterImpact;
}

static double pace()
{
    if (stepsSlowed < 0)
        return runPace;
    return stepsSlowed < slowSteps ? slowPace : 1;
}

// The replay's clock moves on by the time since the last tick, at its pace,
// a step at a time.
static void tick(int chain)
{
    if (chain != ticks || !roll || paused)
        return;
    const int now = elapsedMilliseconds();
    const int elapsed = std::min(now - tickedAt, longestTick);
    tickedAt = now;
    if (endShown >= 0) {
        endShown += elapsed;
        if (endShown >= endMilliseconds)
            stop();
        else
            arm();
        return;
    }
    stepClock += elapsed * pace();
    while (stepClock >= stepMilliseconds && endShown < 0) {
        stepClock -= stepMilliseconds;
        if (stepReplay()) {
            stepClock = stepMilliseconds;
            endShown = 0;
        }
    }
    askPicture();
    arm();
}

// "REPLAY" in the scene's top left corner, in units of the banner's kind:
// the scene's smaller side is 500 of them.
static void drawReplayTag()
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float perUnit = std::min(viewport[2], viewport[3]) / 500.0f;
    if (perUnit <= 0)
        return;
    beginFlat(0, viewport[2] / perUnit, viewport[3] / perUnit, 0);
    glLineWidth(std::max(1.0f, 3 * perUnit));
    glColor3f(1, 0.3f, 0.25f);
    drawText("REPLAY", 70, 40, 20);
    glLineWidth(std::max(1.0f, perUnit));
    glColor3f(0.9f, 0.9f, 0.9f);
    drawText("Space: skip", 70, 62, 10);
    endFlat();
}

namespace {

class ReplayOption : public PlayerOption {
    bool takeKey(unsigned char key) override
    {
        const int lower = tolower(key);
        if (!roll) {
            if (lower != 'r' || gameTurn().currentState != aiming || !anyReleased)
                return false;
            start();
            return true;
        }
        if (key == ' ' || lower == 'r') {
            if (key == ' ')
                stop();
            return true;
        }
        // Aiming again ends it, so the aim never changes unseen.
        if (lower == 'a' || lower == 'd' || lower == 'b')
            stop();
        return false;
    }

    bool takeSpecialKey(int key) override
    {
        if (roll && (key == GLUT_KEY_LEFT || key == GLUT_KEY_RIGHT || key == GLUT_KEY_UP || key == GLUT_KEY_DOWN))
            stop();
        return false;
    }

    void ballReleased() override
    {
        released = gameTurn();
        anyReleased = true;
        firstBall = released.framePart == 0;
    }

    void rollEnded() override
    {
        const unsigned standing = standingPins();
        if (firstBall && (standing == 0 || isSplit(standing)))
            start();
    }

    void gamePaused(bool pause) override
    {
        paused = pause;
        if (!paused && roll)
            startTicking();
    }

    void gameRestarted() override
    {
        stop();
        anyReleased = false;
    }

    bool drawPicture() override
    {
        if (!roll)
            return false;
        const float fraction = (float)(stepClock / stepMilliseconds);
        showTurn(turnBetween(older, newer, fraction), fraction, *roll);
        return true;
    }

    void placeCamera(Camera& camera, const Turn&) override
    {
        if (roll)
            camera = aboveDeckCamera;
    }

    void drawLayer(Layer layer, const Turn&) override
    {
        if (roll && layer == Layer::banner)
            drawReplayTag();
    }
};

}  // namespace

PlayerOption& replayOption()
{
    static ReplayOption option;
    return option;
}
