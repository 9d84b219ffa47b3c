// pin_carry [THROWS] [SEED]: the figures a bowler would check --real-physics
// against, from seeded throws: the strike rate of pocket hits by entry
// angle (USBC measured 58%, 77% and 87% at 2, 4 and 6 degrees), a
// right-hander's and the very same throws mirrored, a left-hander's; splits
// left by a full-speed head-on hit, a light touch on a lone pin, and the
// CPU the pocket hits cost per simulated second. Of each row's strikes, the
// share whose ball touched only the pins a pocket strike's ball touches on
// a real lane (roll_figures.h). The table is the same for the same
// arguments; the CPU line is a measurement.
#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>

#include "real_physics/roll_figures.h"
#include "vector3d.h"

using namespace real;

// Uniform in [low, high), from the generator's bits alone, so the throws
// do not depend on the standard library's distributions.
static double uniform(std::mt19937& random, double low, double high)
{
    return low + (high - low) * (random() >> 8) * (1.0 / (1 << 24));
}

// Pins in neighbouring rows half a spacing apart across touch; pins of a
// row do not, so 4-5 and 7-10 alike are splits.
static bool diagonalNeighbours(int a, int b)
{
    if (std::abs(pinRow[a] - pinRow[b]) != 1)
        return false;
    const double across = pinSpotX(a) - pinSpotX(b);
    return std::fabs(std::fabs(across) - pinSpacing / 2) < 1e-6;
}

// The head pin down and the pins left standing in more than one group.
static bool split(const LaneWorld& lane)
{
    if (lane.pinStanding(0))
        return false;
    int group[pinCount];
    int groups = 0;
    for (int i = 0; i < pinCount; i++)
        group[i] = -1;
    for (int start = 0; start < pinCount; start++) {
        if (!lane.pinStanding(start) || group[start] >= 0)
            continue;
        int stack[pinCount], top = 0;
        stack[top++] = start;
        group[start] = groups;
        while (top > 0) {
            const int pin = stack[--top];
            for (int other = 0; other < pinCount; other++)
                if (lane.pinStanding(other) && group[other] < 0 && diagonalNeighbours(pin, other)) {
                    group[other] = groups;
                    stack[top++] = other;
                }
        }
        groups++;
    }
    return groups > 1;
}

struct Tally {
    int throws = 0;
    int strikes = 0;  // every pin on the lane down
    int signatures = 0;  // strikes whose ball touched only its pocket's four pins
    int splits = 0;
    int felled = 0;
    double simulated = 0;
};

static void roll(LaneWorld& lane, const Launch& launch, Hand hand, Tally& tally)
{
    const int before = lane.pinsStanding();
    lane.release(launch);
    while (!lane.rollOver())
        lane.step();
    const int standing = lane.pinsStanding();
    tally.throws++;
    tally.strikes += standing == 0;
    tally.signatures += standing == 0 && strikeSignature(lane, hand);
    tally.splits += split(lane);
    tally.felled += before - standing;
    tally.simulated += lane.secondsRolled();
}

// Into the hand's pocket at 7 to 8 m/s, give or take a board.
static Tally pocketHits(Hand hand, double angle, int throws, std::mt19937& random)
{
    LaneWorld lane;
    Tally tally;
    for (int i = 0; i < throws; i++) {
        lane.rack();
        const double boardsOff = uniform(random, -1, 1);
        roll(lane, intoThePocket(hand, boardsOff, angle, uniform(random, 7.0, 8.0)), hand, tally);
    }
    return tally;
}

// Full speed from 1.2 m before the head pin.
static const double runUp = 1.2;

static Tally headOnHits(int throws, std::mt19937& random)
{
    LaneWorld lane;
    Tally tally;
    for (int i = 0; i < throws; i++) {
        lane.rack();
        roll(lane, rollingBall(uniform(random, -0.01, 0.01), headPinZ + runUp, 0, 9.5), Hand::right, tally);
    }
    return tally;
}

// The slowest ball the game throws, overlapping a lone pin's belly by 1 to
// 3 cm on either side, or on its inner side where the other is the gutter.
static Tally lightTouches(int throws, std::mt19937& random)
{
    LaneWorld lane;
    Tally tally;
    const double touching = ballRadius + 0.0605;
    for (int i = 0; i < throws; i++) {
        const int pin = (int)uniform(random, 0, pinCount);
        lane.leaveOnly(pin);
        const double pinX = pinSpotX(pin);
        const double offset = touching - uniform(random, 0.01, 0.03);
        double x = pinX + (uniform(random, -1, 1) < 0 ? -offset : offset);
        if (std::fabs(x) > laneHalfWidth - ballRadius)
            x = 2 * pinX - x;
        roll(lane, rollingBall(x, pinSpotZ(pin) + runUp, 0, 6.0), Hand::right, tally);
    }
    return tally;
}

static void print(const char* kind, int angle, const Tally& tally)
{
    printf("%s\t%d\t%d\t%.1f\t%.1f\t%.2f\t%.1f\n", kind, angle, tally.throws, 100.0 * tally.strikes / tally.throws,
           100.0 * tally.splits / tally.throws, (double)tally.felled / tally.throws,
           100.0 * tally.signatures / std::max(tally.strikes, 1));
}

int main(int argc, char** argv)
{
    const int throws = argc > 1 ? atoi(argv[1]) : 200;
    const unsigned seed = argc > 2 ? (unsigned)strtoul(argv[2], nullptr, 10) : 1;
    if (throws < 1) {
        fprintf(stderr, "usage: pin_carry [THROWS] [SEED]\n");
        return 2;
    }
    printf("throw\tangle_deg\tthrows\tstrike_pct\tsplit_pct\tmean_pins\tsignature_pct\n");
    double cpu = 0, simulated = 0;
    const int angles[] = {2, 4, 6};
    for (Hand hand : {Hand::right, Hand::left})
        for (int row = 0; row < 3; row++) {
            std::mt19937 random(seed + row);
            const std::clock_t start = std::clock();
            const Tally tally = pocketHits(hand, angles[row], throws, random);
            cpu += (double)(std::clock() - start) / CLOCKS_PER_SEC;
            simulated += tally.simulated;
            print(hand == Hand::right ? "pocket" : "left_pocket", angles[row], tally);
        }
    std::mt19937 headOn(seed + 3);
    print("headon", 0, headOnHits(throws, headOn));
    std::mt19937 light(seed + 4);
    print("light", 0, lightTouches(throws, light));
    printf("cpu_ms_per_simulated_s\t%.1f\n", 1000 * cpu / simulated);
    return 0;
}
