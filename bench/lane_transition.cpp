// lane_transition [BALLS] [SEED]: a right-hander's typical hook thrown again
// and again on one lane with --real-physics, a fresh rack each ball, as the
// oil wears under it. One row a ball: the board it crosses the arrows on,
// where it breaks, where and at what angle it enters the pins, and the pins
// it fells (roll_figures.h). SEED 0 throws the very same ball every time;
// another seed moves each release by a steady hand's few millimetres and
// hundredths.
#include <cstdio>
#include <cstdlib>
#include <random>

#include "real_physics/roll_figures.h"

// Uniform in [low, high), from the generator's bits alone.
static double uniform(std::mt19937& random, double low, double high)
{
    return low + (high - low) * (random() >> 8) * (1.0 / (1 << 24));
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
    const btScalar hand = seed ? 1 : 0;
    LaneWorld lane;
    printf("ball\tboard_at_arrows\tbreakpoint_board\tbreakpoint_ft\tentry_board\tentry_angle_deg\tpins_down\n");
    for (int ball = 1; ball <= balls; ball++) {
        Launch launch = typicalHook();
        launch.position.setX(launch.position.x() + hand * btScalar(uniform(random, -0.005, 0.005)));
        launch.velocity *= 1 + hand * btScalar(uniform(random, -0.006, 0.006));
        lane.rack();
        const RollFigures f = rollAndRead(lane, launch);
        printf("%d\t%.1f\t%.1f\t%.1f\t%.1f\t%.2f\t%d\n", ball, f.boardAtArrows, f.breakpointBoard, f.breakpointFeet,
               f.entryBoard, f.entryDegrees, f.pinsDown);
    }
    return 0;
}
