// memory_bench.cpp: whether the game allocates while it plays, and whether
// the process grows. Random throws are played one ball or meter step and
// one whole frame at a time, and every malloc, calloc, realloc and operator
// new in the process is counted by phase (frame or step) and by caller: the
// game's own code (this executable) or a library (GLUT, GLU, Mesa). Resident memory is read after the first 100 and 1,000
// frames and after the last: the libraries' heaps settle in the first few
// hundred frames.
// Run from the build folder, where the textures are:
//     xvfb-run -a bench/memory_bench [frames]     (10,000 by default)
#include <GL/glut.h>
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>
#include <random>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"

extern "C" void* __libc_malloc(size_t size);
extern "C" void* __libc_calloc(size_t count, size_t size);
extern "C" void* __libc_realloc(void* block, size_t size);
// The linker's bounds of this executable's code.
extern "C" char __executable_start[];
extern "C" char etext[];

enum Phase { notCounting, framePhase, stepPhase, phaseCount };
enum Caller { ourCode, library, callerCount };

static std::atomic<int> phase{notCounting};
// Renderer threads allocate too, so the counts are atomic.
static std::atomic<long> allocations[phaseCount][callerCount];

static void count(void* caller)
{
    const int now = phase.load(std::memory_order_relaxed);
    if (now == notCounting)
        return;
    const bool ours = (char*)caller >= __executable_start && (char*)caller < etext;
    allocations[now][ours ? ourCode : library].fetch_add(1, std::memory_order_relaxed);
}

extern "C" void* malloc(size_t size)
{
    count(__builtin_return_address(0));
    return __libc_malloc(size);
}

extern "C" void* calloc(size_t count_, size_t size)
{
    count(__builtin_return_address(0));
    return __libc_calloc(count_, size);
}

extern "C" void* realloc(void* block, size_t size)
{
    count(__builtin_return_address(0));
    return __libc_realloc(block, size);
}

// Both kinds of new, counted for the code that called them.
static void* allocate(size_t size, void* caller)
{
    count(caller);
    if (void* block = __libc_malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void* operator new(size_t size) { return allocate(size, __builtin_return_address(0)); }
void* operator new[](size_t size) { return allocate(size, __builtin_return_address(0)); }
void operator delete(void* block) noexcept { free(block); }
void operator delete[](void* block) noexcept { free(block); }
void operator delete(void* block, size_t) noexcept { free(block); }
void operator delete[](void* block, size_t) noexcept { free(block); }

// The process's resident memory, from /proc/self/statm; -1 if unreadable.
static long residentKiB()
{
    long size = 0, resident = -1;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// What the heap hands out now, by glibc's own count over all arenas: if this
// holds still while the resident size moves, nothing leaks and the change
// is the heap trimming or growing its free space.
static long heapInUseKiB()
{
    const struct mallinfo2 heap = mallinfo2();
    return (long)((heap.uordblks + heap.hblkhd) / 1024);
}

// A throw from a random place, aim and power, as a player sets it up.
static void startThrow(std::mt19937& random)
{
    const int side = std::uniform_int_distribution<int>(-40, 40)(random);
    for (int i = 0; i < abs(side); i++)
        keyboard(side < 0 ? 'a' : 'd', 0, 0);
    const int aim = std::uniform_int_distribution<int>(-10, 10)(random);
    for (int i = 0; i < abs(aim); i++)
        specialKeyboard(aim < 0 ? GLUT_KEY_LEFT : GLUT_KEY_RIGHT, 0, 0);
    keyboard(' ', 0, 0);
}

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? atoi(argv[1]) : 10000;
    const int warmUpFrames = 100;
    const int settledFrames = 1000;
    openGameWindow(argc, argv);
    restoreStartState();
    std::mt19937 random(7);
    long residentAfterWarmUp = 0, residentSettled = 0;
    long steps = 0;
    int countedFrames = 0;

    for (int frame = 1; frame <= frames; frame++) {
        // A throw is set up and released outside the counted phases: key
        // presses are not what runs every frame.
        if (currentState == aiming)
            startThrow(random);
        else if (currentState == powering && random() % 8 == 0)
            keyboard(' ', 0, 0);

        const bool counted = frame > warmUpFrames;
        phase = counted ? stepPhase : notCounting;
        steps += counted && glutRecorder::runNextTimer();
        phase = counted ? framePhase : notCounting;
        display();
        glFinish();
        phase = notCounting;
        countedFrames += counted;
        if (frame == warmUpFrames)
            residentAfterWarmUp = residentKiB();
        if (frame == settledFrames)
            residentSettled = residentKiB();
        if (frame % (frames / 10) == 0)
            printf("frame %5d: resident %ld KiB, heap in use %ld KiB\n", frame, residentKiB(), heapInUseKiB());
    }
    const long residentAtEnd = residentKiB();

    printf("%d frames and %ld steps counted, after %d frames of warm-up\n", countedFrames, steps, warmUpFrames);
    printf("allocations per frame: our code %.3f, libraries %.3f\n",
           (double)allocations[framePhase][ourCode] / countedFrames,
           (double)allocations[framePhase][library] / countedFrames);
    printf("allocations per step:  our code %.3f, libraries %.3f\n",
           (double)allocations[stepPhase][ourCode] / steps, (double)allocations[stepPhase][library] / steps);
    for (int from : {warmUpFrames, settledFrames}) {
        const long growth = residentAtEnd - (from == warmUpFrames ? residentAfterWarmUp : residentSettled);
        printf("resident memory growth from frame %d to frame %d: %ld KiB (target at most 256 KiB: %s)\n", from,
               frames, growth, growth <= 256 ? "met" : "MISSED");
    }
    const bool ourCodeAllocates = allocations[framePhase][ourCode] + allocations[stepPhase][ourCode] > 0;
    printf("our code allocates per frame or step: %s\n", ourCodeAllocates ? "yes: MISSED" : "no: met");
    return 0;
}
