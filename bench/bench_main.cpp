// bench_main.cpp: the benchmarks draw into the game's real window, so it is
// opened before any of them runs.
#include <benchmark/benchmark.h>

#include "game_window.h"

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    openGameWindow(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
