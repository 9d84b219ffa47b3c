// frame_bench.cpp: what one whole frame costs on Mesa's software renderer,
// against the same frame's spheres alone (the ball and the ten pins, at the
// game's 40 x 40 detail), so the cost of everything else shows, and the sheet.
// Run from the build folder, where the textures are:
//     xvfb-run -a bench/frame_bench
#include <benchmark/benchmark.h>

#include <GL/glut.h>

#include "final.h"
#include "game_window.h"
#include "real_physics/real_physics.h"
#include "rendering/rendering.h"
#include "score/score.h"
#include "overlay/overlay.h"
#include "smooth/smooth.h"
#include "glut_recorder.h"

// Times are milliseconds per frame in wall-clock time: the renderer draws
// on its own threads.

// display() as the game calls it: clear, meter, lane, pins, arrow, ball, swap.
static void wholeFrame(benchmark::State& state)
{
    restoreStartState();
    for (auto _ : state) {
        display();
        glFinish();
    }
}
BENCHMARK(wholeFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// The ten pins and the ball where the start frame has them, under the same
// camera, with nothing else: no lane, overlays or swap. The depth buffer is
// cleared, or every sphere after the first round would fail the depth test.
static void spheresAlone(benchmark::State& state)
{
    restoreStartState();
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPushMatrix();
        gluLookAt(eye.getDx(), eye.getDy(), eye.getDz(), look.getDx(), look.getDy(), look.getDz(), 0, 1, 0);
        drawPins(pins);
        glTranslatef(ballX, 0, ballZ);
        drawBall(turn);
        glPopMatrix();
        glFinish();
    }
}
BENCHMARK(spheresAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

// The strip of --score alone, at its fullest: a game of spares, in the
// strip over a 500-wide window. Drawn anew each time (1: the best game
// changes every time) or copied from the picture kept of it (0).
static void sheetAlone(benchmark::State& state)
{
    const int balls[] = {9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9};
    const Bowlers bowlers = {1, 0, {}, {scoreSheet(balls, maxBallsPerGame)}};
    keepScore(true);
    attachOption(scoreOption());
    resizeGameWindow(startWindowSize, startWindowSize + (int)stripUnitsHigh());  // a strip unit a pixel
    int best = 190;
    for (auto _ : state) {
        drawStrip(bowlers, best);
        glFinish();
        best ^= state.range(0);  // 190, 191, 190, ...: a new strip each time
    }
    keepScore(false);
    detachOptions();
    resizeGameWindow(startWindowSize, startWindowSize);
}
BENCHMARK(sheetAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A ball rolling into falling pins, its latest step begun: what --smooth
// blends between.
static void rollIntoThePins()
{
    restoreStartState();
    detachOptions();
    attachOption(smoothOption());
    keyboard(' ', 0, 0);
    keyboard(' ', 0, 0);
    for (int step = 0; step < 24; step++)
        glutRecorder::runNextTimer();
}

// The blend itself, with nothing drawn.
static void inBetweenAlone(benchmark::State& state)
{
    rollIntoThePins();
    for (auto _ : state)
        benchmark::DoNotOptimize(pictureBetween(0.5f));
}
BENCHMARK(inBetweenAlone)->Unit(benchmark::kMicrosecond);

// A whole picture halfway through a step, against wholeFrame.
static void inBetweenFrame(benchmark::State& state)
{
    rollIntoThePins();
    for (auto _ : state) {
        showTurn(pictureBetween(0.5f), 0.5f);
        glFinish();
    }
}
BENCHMARK(inBetweenFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same picture with --real-physics: its ball among its pins as they
// fly, drawn halfway between two of its steps.
static void realPhysicsFrame(benchmark::State& state)
{
    restoreStartState();
    detachOptions();
    attachOption(realPhysicsOption());
    attachOption(smoothOption());
    newGame();
    keyboard(' ', 0, 0);
    keyboard(' ', 0, 0);
    for (int step = 0; step < 44; step++)
        glutRecorder::runNextTimer();
    for (auto _ : state) {
        showTurn(pictureBetween(0.5f), 0.5f);
        glFinish();
    }
    detachOptions();
}
BENCHMARK(realPhysicsFrame)->Unit(benchmark::kMillisecond)->UseRealTime();
