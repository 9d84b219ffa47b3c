// pinsetter_cycle.cpp: the pinsetter's cycle as the game runs it: on the
// game's clock, standing still while the game is paused, a picture every
// tick, and the next ball set up at its end.
#include "alley/pinsetter.h"
#include "option_door.h"

namespace alley {

static const int pictureMilliseconds = 16;

static void (*heldSetUp)(int) = nullptr;  // the game's, while a cycle runs
static int heldValue = 0;
static bool newRack = false;
static int startedAt = 0;   // the game's milliseconds at the roll's end, moved on by pauses
static int pausedAt = -1;   // the game's milliseconds at a pause, -1 in play
static int ticks = 0;       // counts timer chains, so only the latest runs

static int now() { return pausedAt >= 0 ? pausedAt : elapsedMilliseconds(); }

static void tick(int chain)
{
    if (chain != ticks || !heldSetUp || pausedAt >= 0)
        return;
    if (now() - startedAt >= pinsetterMilliseconds(newRack)) {
        finishPinsetter();
        return;
    }
    askPicture();
    armTimer(pictureMilliseconds, tick, ++ticks);
}

void startPinsetter(void (*setUp)(int), int value, bool frameOver)
{
    heldSetUp = setUp;
    heldValue = value;
    newRack = frameOver;
    startedAt = now();
    tick(ticks);
}

void finishPinsetter()
{
    void (*setUp)(int) = heldSetUp;
    stopPinsetter();
    if (setUp)
        setUp(heldValue);
}

void stopPinsetter()
{
    heldSetUp = nullptr;
    ticks++;
}

void pausePinsetter(bool paused)
{
    const int time = elapsedMilliseconds();
    if (!paused && pausedAt >= 0)
        startedAt += time - pausedAt;
    pausedAt = paused ? time : -1;
    if (!paused)
        tick(++ticks);
}

bool pinsetterRunning(PinsetterPose& pose)
{
    if (heldSetUp)
        pose = pinsetterAt(now() - startedAt, newRack);
    return heldSetUp != nullptr;
}

}  // namespace alley
