// alley_bench.cpp: what the alley around the lane costs on Mesa's software
// renderer, in the player's window as it opens on a 1280 x 1024 screen:
// each piece alone, and a whole --real-physics picture while the pins fly,
// with the alley and with the written floor in its place, and one while
// the pinsetter clears the deck.
//     xvfb-run -a -s "-screen 0 1280x1024x24" bench/alley_bench
#include <benchmark/benchmark.h>

#include <GL/glut.h>

#include "alley/alley.h"
#include "alley/pieces.h"
#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "real_physics/real_physics.h"
#include "smooth/smooth.h"
#include "window/window.h"

// Times are milliseconds a picture in wall-clock time: the renderer draws
// on its own threads.
static const int playerWidth = 729, playerHeight = 819;

// The player's game with --real-physics, and the alley if asked, its ball
// among its pins as they fly.
static void rollIntoThePins(bool alley)
{
    restoreStartState();
    detachOptions();
    attachOption(realPhysicsOption());
    attachOption(smoothOption());
    if (alley)
        attachOption(alleyOption());
    attachOption(playerWindow(0, nullptr));
    resizeGameWindow(playerWidth, playerHeight);
    newGame();
    keyboard(' ', 0, 0);
    keyboard(' ', 0, 0);
    for (int step = 0; step < 44; step++)
        glutRecorder::runNextTimer();
}

// One piece alone under the bowler's camera, from its own display list,
// the depth buffer cleared so none hides another.
static void pieceAlone(benchmark::State& state)
{
    rollIntoThePins(false);
    static const alley::Textures textures = alley::makeTextures();
    const alley::Piece& piece = alley::pieces[state.range(0)];
    state.SetLabel(piece.name);
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    piece.draw(textures);
    glEndList();
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPushMatrix();
        gluLookAt(eye.getDx(), eye.getDy(), eye.getDz(), look.getDx(), look.getDy(), look.getDz(), 0, 1, 0);
        glCallList(list);
        glPopMatrix();
        glFinish();
    }
    glDeleteLists(list, 1);
    detachOptions();
}
BENCHMARK(pieceAlone)->DenseRange(0, alley::pieceCount - 1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The pictures made once, before the first frame.
static void texturesMade(benchmark::State& state)
{
    for (auto _ : state) {
        const alley::Textures made = alley::makeTextures();
        const GLuint names[] = {made.approach, made.masking, made.cushion};
        glDeleteTextures(3, names);
    }
}
BENCHMARK(texturesMade)->Unit(benchmark::kMillisecond);

// The clear that each piece above pays too.
static void clearAlone(benchmark::State& state)
{
    rollIntoThePins(false);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
    }
    detachOptions();
}
BENCHMARK(clearAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

// A whole picture halfway through a step: 0 with the written floor, 1 with the alley.
static void flyingPinsFrame(benchmark::State& state)
{
    rollIntoThePins(state.range(0));
    for (auto _ : state) {
        showTurn(pictureBetween(0.5f), 0.5f);
        glFinish();
    }
    detachOptions();
}
BENCHMARK(flyingPinsFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Notes when the game's roll ended.
static struct RollEnd : PlayerOption {
    int at = -1;
    void rollEnded() override { at = glutRecorder::now; }
} rollEnd;

// A whole picture with the pinsetter mid-way, its bar among the pins down
// and its deck over the deck.
static void pinsetterFrame(benchmark::State& state)
{
    rollIntoThePins(true);
    attachOption(rollEnd);
    rollEnd.at = -1;
    while ((rollEnd.at < 0 || glutRecorder::now < rollEnd.at + 650) && glutRecorder::runNextTimer()) {
    }
    for (auto _ : state) {
        showTurn(gameTurn(), 1);
        glFinish();
    }
    detachOptions();
}
BENCHMARK(pinsetterFrame)->Unit(benchmark::kMillisecond)->UseRealTime();
