// startup_bench.cpp: how quickly the game starts.
//  1. The real binary, started from the build folder as a player would,
//     from just before the fork to the end of its first glutSwapBuffers,
//     as the glut_timeline shim notes it, with the start-up's phases; the
//     medians of several launches.
//  2. The three texture loads of the start-up, in this process with a real
//     window and context: the first time, as at start-up, then repeated.
// Run from the build folder, where the binary and textures are:
//     xvfb-run -a bench/startup_bench
#include <GL/glut.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "final.h"

static const int launches = 20;
// A launch right after the last one ends runs while the X server and the
// kernel still clear up after it, some 60 ms slower: a player starts the
// game on a quiet machine.
static const int pauseBetweenLaunchesUs = 1000000;
static const int loadRounds = 20;
static const double firstFrameTargetMs = 150;
static const double textureTargetMs = 5;

static long long nowNs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

static double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The start-up calls in the order the game makes them; the last is the
// first frame shown.
static const char* const milestones[] = {"glutInit", "glutCreateWindow", "glutMainLoop", "glutSwapBuffers"};
static const int milestoneCount = 4;
static const char* const phaseNames[] = {
    "process start, libraries, X display and GL driver (to glutInit's return)",
    "window and GL context (glutCreateWindow)",
    "GL state and the three textures (to glutMainLoop)",
    "first frame drawn and shown (to glutSwapBuffers' return)",
};

// Nanoseconds of each milestone from the timeline, once the first frame is
// in it; false if that takes more than 10 s.
static bool waitForFirstFrame(const std::string& timeline, long long start, long long at[milestoneCount])
{
    while (nowNs() < start + 10000000000LL) {
        std::ifstream file(timeline);
        std::string call;
        long long when = 0;
        int reached = 0;
        while (reached < milestoneCount && file >> call >> when)
            if (call == milestones[reached])
                at[reached++] = when;
        if (reached == milestoneCount)
            return true;
        usleep(1000);
    }
    return false;
}

// Starts the game and returns the milliseconds from just before the fork to
// each milestone, or an empty list.
static std::vector<double> launch(const std::string& shim, const std::string& timeline)
{
    unlink(timeline.c_str());
    const long long start = nowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("LD_PRELOAD", shim.c_str(), 1);
        setenv("BOWLING_TIMELINE", timeline.c_str(), 1);
        if (!freopen("/dev/null", "w", stdout))
            _exit(126);
        execl("./bowling", "bowling", (char*)nullptr);
        _exit(127);
    }
    long long at[milestoneCount];
    const bool shown = waitForFirstFrame(timeline, start, at);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::vector<double> ms;
    for (int i = 0; shown && i < milestoneCount; i++)
        ms.push_back((at[i] - start) / 1e6);
    return ms;
}

static const char* const textureFiles[] = {"balltexture.bmp", "floor.bmp", "pintexture.bmp"};

// Milliseconds for the three LoadTexture calls of the start-up, or with
// justRead for their ImageLoad part alone. The loader prints a line per
// texture: it goes to /dev/null, so the figures below stand alone.
static double loadTheThreeTextures(bool justRead)
{
    fflush(stdout);
    const int savedStdout = dup(1);
    if (!freopen("/dev/null", "w", stdout))
        exit(1);
    const long long start = nowNs();
    for (int name = 1; name <= 3; name++) {
        if (justRead) {
            Image image;
            if (ImageLoad(textureFiles[name - 1], &image))
                free(image.data);
        } else {
            LoadTexture(textureFiles[name - 1], name);
        }
    }
    glFinish();
    const double ms = (nowNs() - start) / 1e6;
    fflush(stdout);
    dup2(savedStdout, 1);
    close(savedStdout);
    return ms;
}

// Pages the process touched for the first time.
static long minorPageFaults()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

static const char* verdict(bool met) { return met ? "met" : "MISSED"; }

int main(int argc, char** argv)
{
    // Launch first, while this process has no renderer threads to fork from.
    char folder[4096];
    if (!getcwd(folder, sizeof folder))
        return 1;
    const std::string shim = std::string(folder) + "/bench/libglut_timeline.so";
    const std::string timeline = "startup_bench.timeline";
    std::vector<double> reached[milestoneCount];
    for (int i = 0; i < launches; i++) {
        const std::vector<double> ms = launch(shim, timeline);
        if (ms.empty()) {
            fprintf(stderr, "the game showed no frame within 10 s (run from the build folder, under X)\n");
            return 1;
        }
        for (int m = 0; m < milestoneCount; m++)
            reached[m].push_back(ms[m]);
        usleep(pauseBetweenLaunchesUs);
    }
    unlink(timeline.c_str());

    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(startWindowSize, startWindowSize);
    glutCreateWindow("Bowling");
    const long faultsBefore = minorPageFaults();
    const double firstLoad = loadTheThreeTextures(false);
    const long firstLoadFaults = minorPageFaults() - faultsBefore;
    std::vector<double> loads, reads;
    for (int i = 0; i < loadRounds; i++) {
        loads.push_back(loadTheThreeTextures(false));
        reads.push_back(loadTheThreeTextures(true));
    }

    printf("renderer: %s, OpenGL %s\n", (const char*)glGetString(GL_RENDERER), (const char*)glGetString(GL_VERSION));
    std::vector<double>& firstFrames = reached[milestoneCount - 1];
    const double firstFrame = median(firstFrames);
    printf("start to first frame, median of %d launches: %.1f ms (min %.1f, max %.1f; target %.0f ms: %s)\n",
           launches, firstFrame, *std::min_element(firstFrames.begin(), firstFrames.end()),
           *std::max_element(firstFrames.begin(), firstFrames.end()), firstFrameTargetMs,
           verdict(firstFrame <= firstFrameTargetMs));
    double before = 0;
    for (int m = 0; m < milestoneCount; m++) {
        const double at = median(reached[m]);
        printf("  %6.1f ms  %s\n", at - before, phaseNames[m]);
        before = at;
    }
    printf("three texture loads, first: %.2f ms with %ld page faults (target %.0f ms: %s)\n", firstLoad,
           firstLoadFaults, textureTargetMs, verdict(firstLoad <= textureTargetMs));
    printf("three texture loads again, median of %d: %.2f ms, of which reading the files: %.2f ms\n", loadRounds,
           median(loads), median(reads));
    return 0;
}
