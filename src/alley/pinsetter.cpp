// pinsetter.cpp: the pinsetter's cycle as poses at key times, eased between
// them, and where it carries each pin.
#include "alley/pinsetter.h"

#include <algorithm>
#include <iterator>

#include "alley/layout.h"
#include "rendering/rendering.h"

namespace alley {

// The bar guards the deck just behind the kickbacks' start, in front of the
// head pin, and sweeps back past the deck's end over the pit.
static const double guardZ = -1.2;
static const double sweepEndZ = laneFarEnd - 0.1;
static const double barUpY = 0.3;
// Up, the deck holds its pins clear of the bar.
static const double deckUp = 0.15;
// From a pin's middle to the end the bar meets first, lying as it may.
static const double pinReach = 0.07;
// A pin pushed past the deck's end drops this steeply, out of sight under
// the pit's floor.
static const double dropPerPush = 4;
static const double sunk = 0.4;

struct Key {
    int at;  // milliseconds
    double barY, barZ, deckLift;
};

// A first ball's pins left standing: the deck takes them up, the bar
// sweeps, the deck sets them down again.
static const Key keepStanding[] = {
    {0, barUpY, guardZ, deckUp},     {150, 0, guardZ, deckUp},     {350, 0, guardZ, 0},
    {500, 0, guardZ, deckUp},        {750, 0, sweepEndZ, deckUp},  {900, 0, guardZ, deckUp},
    {1100, 0, guardZ, 0},            {1300, barUpY, guardZ, deckUp},
};
static const int gripAt = 350, letGoAt = 1100;
// The frame's end: everything swept, then the new rack lowered.
static const Key newRackKeys[] = {
    {0, barUpY, guardZ, deckUp}, {150, 0, guardZ, deckUp}, {400, 0, sweepEndZ, deckUp},
    {550, 0, guardZ, deckUp},    {800, 0, guardZ, 0},      {1000, barUpY, guardZ, deckUp},
};
static const int rackSetAt = 800;

static double eased(double from, double to, double fraction)
{
    return from + (to - from) * fraction * fraction * (3 - 2 * fraction);
}

int pinsetterMilliseconds(bool newRack)
{
    return newRack ? std::end(newRackKeys)[-1].at : std::end(keepStanding)[-1].at;
}

PinsetterPose pinsetterAt(int milliseconds, bool newRack)
{
    const Key* first = newRack ? std::begin(newRackKeys) : std::begin(keepStanding);
    const Key* last = newRack ? std::end(newRackKeys) - 1 : std::end(keepStanding) - 1;
    const int t = std::clamp(milliseconds, 0, last->at);
    const Key* to = first + 1;
    double nearestBar = first->barZ;
    while (to < last && to->at <= t) {
        nearestBar = std::min(nearestBar, to->barZ);
        to++;
    }
    const Key& from = to[-1];
    const double fraction = (double)(t - from.at) / (to->at - from.at);
    PinsetterPose pose;
    pose.newRack = newRack;
    pose.barY = eased(from.barY, to->barY, fraction);
    pose.barZ = eased(from.barZ, to->barZ, fraction);
    pose.deckLift = eased(from.deckLift, to->deckLift, fraction);
    const bool held = newRack ? t < rackSetAt : t >= gripAt && t < letGoAt;
    pose.pinsLift = held ? pose.deckLift : 0;
    pose.sweptTo = std::min(nearestBar, pose.barZ) - pinReach;
    return pose;
}

Vector3D pinCarried(const PinsetterPose& pose, Vector3D middle, bool standing)
{
    if (standing && !pose.newRack)
        return Vector3D(0, (float)pose.pinsLift, 0);
    const double z = middle.getDz();
    const double pushedTo = std::min(z, pose.sweptTo);
    const double drop = std::clamp((std::min(z, laneFarEnd) - pushedTo) * dropPerPush, 0.0, sunk);
    return Vector3D(0, (float)-drop, (float)(pushedTo - z));
}

}  // namespace alley
