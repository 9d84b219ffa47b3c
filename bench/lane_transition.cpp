// lane_transition [BALLS] [SEED]: one right-hander's hook thrown again and
// again on one lane with --real-physics, a fresh rack each ball, as the oil
// wears under it. One row a ball: the board it crosses the arrows on, where
// it breaks, where and at what angle it enters the pins, and the pins it
// fells. Boards count from the right edge, 1 to 39; feet from the foul
// line. SEED 0 throws the very same ball every time; another seed moves
// each release by a steady hand's few millimetres and hundredths.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "real_physics/lane_world.h"

using namespace real;

// The hook: from board 15.5 at the foul line, out towards the seventh board,
// at 8 m/s with the strongest spin.
static const double releaseX = 0.12;
static const double releaseAngle = 1.8;  // degrees towards the right
static const double releaseSpeed = 8.0;
static const double releaseHook = -1;

static const double metresPerFoot = 0.3048;
static const double arrowsZ = -15 * metresPerFoot;

static double boardOf(double x)
{
    return (laneHalfWidth - x) / OilMap::boardWidth + 0.5;
}

// Uniform in [low, high), from the generator's bits alone.
static double uniform(std::mt19937& random, double low, double high)
{
    return low + (high - low) * (random() >> 8) * (1.0 / (1 << 24));
}

struct Figures {
    double boardAtArrows = 0;
    double breakpointBoard = 0;
    double breakpointFeet = 0;
    double entryBoard = 0;
    double entryDegrees = 0;
    int pinsDown = 0;
};

static bool touchedAPin(const LaneWorld& lane)
{
    for (int pin = 0; pin < pinCount; pin++)
        if (lane.ballTouched(pin))
            return true;
    return false;
}

// The ball's path step by step until it meets a pin or passes the head
// pin's line; the entry is its line then, carried on to the head pin's.
static Figures roll(LaneWorld& lane, const Launch& launch)
{
    Figures figures;
    lane.rack();
    lane.release(launch);
    double furthestRight = -1;
    btVector3 centre = launch.position, velocity = launch.velocity;
    while (!lane.rollOver()) {
        lane.step();
        if (touchedAPin(lane) || lane.ballPlace().getOrigin().z() < headPinZ)
            break;
        const btVector3 next = lane.ballPlace().getOrigin();
        if (centre.z() > arrowsZ && next.z() <= arrowsZ)
            figures.boardAtArrows = boardOf(next.x());
        if (next.z() < arrowsZ && next.x() > furthestRight) {
            furthestRight = next.x();
            figures.breakpointBoard = boardOf(next.x());
            figures.breakpointFeet = -next.z() / metresPerFoot;
        }
        velocity = (next - centre) / btScalar(LaneWorld::stepSeconds);
        centre = next;
    }
    figures.entryBoard = boardOf(centre.x() + velocity.x() / velocity.z() * (headPinZ - centre.z()));
    figures.entryDegrees = std::atan2(-velocity.x(), -velocity.z()) * 180 / M_PI;
    while (!lane.rollOver())
        lane.step();
    figures.pinsDown = pinCount - lane.pinsStanding();
    return figures;
}

int main(int argc, char** argv)
{
    const int balls = argc > 1 ? atoi(argv[1]) : 18;
    const unsigned seed = argc > 2 ? (unsigned)strtoul(argv[2], nullptr, 10) : 0;
    if (balls < 1) {
        fprintf(stderr, "usage: lane_transition [BALLS] [SEED]\n");
        return 2;
    }
    std::mt19937 random(seed);
    const double hand = seed ? 1 : 0;
    LaneWorld lane;
    printf("ball\tboard_at_arrows\tbreakpoint_board\tbreakpoint_ft\tentry_board\tentry_angle_deg\tpins_down\n");
    for (int ball = 1; ball <= balls; ball++) {
        const double x = releaseX + hand * uniform(random, -0.005, 0.005);
        const double angle = releaseAngle + hand * uniform(random, -0.03, 0.03);
        const double speed = releaseSpeed + hand * uniform(random, -0.05, 0.05);
        const Figures f = roll(lane, bowled(x, angle, speed, releaseHook));
        printf("%d\t%.1f\t%.1f\t%.1f\t%.1f\t%.2f\t%d\n", ball, f.boardAtArrows, f.breakpointBoard, f.breakpointFeet,
               f.entryBoard, f.entryDegrees, f.pinsDown);
    }
    return 0;
}
