// ball_step_bench.cpp: one ball step at its most expensive. Five pins fall
// while five stand, so every falling pin tests every upright one: 25 tests
// of four corner rotations each, the most one step can make.
// Run from the build folder, where the textures are:
//     xvfb-run -a bench/ball_step_bench
#include <benchmark/benchmark.h>

#include <algorithm>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"

static const int fallingPins[] = {0, 2, 4, 6, 8};
static const float startTilt = 10;  // degrees; far from reaching any neighbour

static void fiveFallingPastFiveUpright(benchmark::State& state)
{
    restoreStartState();
    currentState = rolling;
    ballZ = -2.5f;  // beyond the rack: no touches, and the roll goes on while pins fall
    // Down the lane every pin passes between the ones behind it, so the
    // upright five stay upright and every step stays as expensive.
    for (int i : fallingPins)
        PinInspector::fallDirection(pins[i]) = Vector3D(0, 0, -5);

    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (auto _ : state) {
        // Back to the same tilt and spin, cheaper than pausing the clock.
        for (int i : fallingPins)
            PinInspector::fallAngle(pins[i]) = startTilt;
        std::copy(identity, identity + 16, ballRollM);
        glutRecorder::clear();
        moveBall(0);
    }
    if (std::count_if(pins, pins + pinCount, [](Pin& pin) { return pin.isFalling(); }) != 5)
        state.SkipWithError("a pin was struck or stopped: the steps were not all alike");
}
BENCHMARK(fiveFallingPastFiveUpright);
