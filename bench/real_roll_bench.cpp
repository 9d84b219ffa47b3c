// real_roll_bench.cpp: what --real-physics costs in one 50 ms ball step
// (twelve fixed steps), by what happens on the lane: the ball on its way
// with the pins asleep, the pins flying just after a pocket hit, and the
// fallen pins lying still once the roll is over, before they would sleep.
// No window:
//     bench/real_roll_bench
#include <benchmark/benchmark.h>

#include "real_physics/lane_world.h"

enum Moment { travelling, flying, lying };

// The lane at that moment of a roll, the same every time.
static void reach(LaneWorld& lane, Moment moment)
{
    lane.rack();
    if (moment == travelling) {
        lane.release(bowled(0.1, 0, 8, 0.5));
        for (int step = 0; step < 24; step++)
            lane.step();
        return;
    }
    lane.release(rollingBall(0.067 + 1.2 * 0.07, real::headPinZ + 1.2, -4, 7.5));
    for (int step = 0; step < 48; step++)  // the ball meets the head pin after about 40
        lane.step();
    while (moment == lying && !lane.rollOver())
        lane.step();
}

static void ballStep(benchmark::State& state)
{
    LaneWorld lane;
    for (auto _ : state) {
        state.PauseTiming();
        reach(lane, (Moment)state.range(0));
        state.ResumeTiming();
        for (int step = 0; step < 12; step++)
            lane.step();
    }
}
BENCHMARK(ballStep)->ArgName("travelling0_flying1_lying2")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
