// sound_bench.cpp: what --sound costs. The sounds' synthesis at start-up,
// and whole throws step by step, each step with its frame and without,
// silent (argument 0) and then heard (argument 1). It needs an audio device;
// OpenAL Soft's null driver mixes as a sound card would and plays nothing.
// Run from the build folder, where the textures are:
//     ALSOFT_DRIVERS=null xvfb-run -a bench/sound_bench
#include <benchmark/benchmark.h>

#include <GL/glut.h>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "sound/sound.h"

// All six sounds, as the game makes them before its first frame.
static void synthesis(benchmark::State& state)
{
    static int16_t samples[maxSoundSamples];
    for (auto _ : state)
        for (int sound = 0; sound < soundCount; sound++)
            benchmark::DoNotOptimize(synthesise((SoundName)sound, samples));
}
BENCHMARK(synthesis)->Unit(benchmark::kMicrosecond);

// The device is opened once, for the heard runs, which come last: its
// mixing thread runs from then on.
static void hearOrNot(benchmark::State& state)
{
    static bool heard = false;
    if (state.range(0) && !heard) {
        attachOption(soundOption());  // which opens the device
        heard = playSound(true);
    }
    if (state.range(0) && !heard)
        state.SkipWithError("no audio device: run with ALSOFT_DRIVERS=null");
}

// Throw after throw from the centre, straight at full power: seven pins
// fall. One iteration is one ball step, the release or the meter's last.
static void nextStep()
{
    if (currentState == aiming) {
        keyboard(' ', 0, 0);
        keyboard(' ', 0, 0);
    } else {
        glutRecorder::runNextTimer();
    }
}

static void ballStep(benchmark::State& state)
{
    restoreStartState();
    hearOrNot(state);
    for (auto _ : state)
        nextStep();
}

// Times are wall-clock: the renderer and the mixer run on threads of their own.
static void stepAndFrame(benchmark::State& state)
{
    restoreStartState();
    hearOrNot(state);
    for (auto _ : state) {
        nextStep();
        display();
        glFinish();
    }
}

BENCHMARK(ballStep)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(stepAndFrame)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ballStep)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(stepAndFrame)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
