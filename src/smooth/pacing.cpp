// pacing.cpp: each step starts a glide of one step's length from the
// picture on screen to the state the step leaves; while a glide is under
// way, pictures follow one another at the display's rate: as fast as the
// swap lets them where it waits for the display, else on a schedule of our
// own at the display's rate where the driver tells it, or 60 a second.
#include "smooth/smooth.h"

#include <GL/glut.h>

#include <algorithm>
#include <cmath>

#include "smooth/swap_interval.h"

static double pictureMilliseconds;  // set as smoothing starts: the display's, or 1/60 s
// A swap that waits for the display lets pictures run ahead of the schedule
// by the few the driver queues at most; one that returns at once although
// the driver accepted the interval (vblank_mode=0) lets them run further,
// and is not trusted again.
static const double queuedPictures = 4;

static bool smoothing = false;
static bool swapWaitsForDisplay = false;
static Turn glideStart;         // the picture on screen when the latest step began
static int glideStartTime = 0;  // the game's elapsed milliseconds then
static double nextPictureTime = 0;  // when the next may be drawn
static bool pictureAskedFor = false;

static float glideFraction(int now)
{
    return (float)(now - glideStartTime) / stepMilliseconds;
}

void smoothMotion(bool on)
{
    smoothing = on;
    if (!on)
        return;
    glideStart = gameTurn();
    glideStartTime = elapsedMilliseconds() - stepMilliseconds;  // no glide under way
    nextPictureTime = 0;
    pictureAskedFor = false;
    swapWaitsForDisplay = swapInStepWithDisplay();
    const double rate = displayRefreshRate();  // a rate outside 20 to 1000 is no display's
    pictureMilliseconds = 1000.0 / (rate >= 20 && rate <= 1000 ? rate : 60);
}

// A step that comes before the glide has ended starts from where the picture
// is, so the picture never jumps, and catches up within the next step.
static void stepBegins()
{
    const int now = elapsedMilliseconds();
    glideStart = turnBetween(glideStart, gameTurn(), glideFraction(now));
    glideStartTime = now;
}

Turn pictureBetween(float fraction)
{
    return turnBetween(glideStart, gameTurn(), fraction);
}

static void pictureDue(int)
{
    pictureAskedFor = false;
    glutPostRedisplay();
}

static void askForNextPicture(int now)
{
    if (pictureAskedFor)
        return;
    pictureAskedFor = true;
    armTimer((unsigned)std::max(std::ceil(nextPictureTime - now), 0.0), pictureDue, 0);
}

// While aiming nothing moves and every picture is asked for by a key, so it
// comes at once and asks for no other.
void drawSmoothly()
{
    if (gameTurn().currentState == aiming) {
        showTurn(gameTurn(), 1);
        return;
    }
    const int now = elapsedMilliseconds();
    if (!swapWaitsForDisplay && now < nextPictureTime) {
        askForNextPicture(now);
        return;
    }
    // One picture's time after this one was due, so a picture a little late
    // is made up; after a pause, one picture's time from now.
    const bool paused = now - nextPictureTime >= pictureMilliseconds;
    nextPictureTime = (paused ? now : nextPictureTime) + pictureMilliseconds;
    if (nextPictureTime - now > queuedPictures * pictureMilliseconds)
        swapWaitsForDisplay = false;
    const float fraction = glideFraction(now);
    if (fraction >= 1) {
        showTurn(gameTurn(), 1);  // the latest step's own picture, until the next step
        return;
    }
    showTurn(pictureBetween(fraction), fraction);
    if (swapWaitsForDisplay)
        glutPostRedisplay();
    else
        askForNextPicture(elapsedMilliseconds());
}

namespace {

class SmoothOption : public PlayerOption {
    void windowOpened() override { smoothMotion(true); }

    void stepBegins() override
    {
        if (smoothing)
            ::stepBegins();
    }

    bool drawPicture() override
    {
        if (smoothing)
            drawSmoothly();
        return smoothing;
    }
};

}  // namespace

PlayerOption& smoothOption()
{
    static SmoothOption option;
    return option;
}
