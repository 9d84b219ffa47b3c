// glut_timeline.cpp: preloaded into the real game (LD_PRELOAD), it notes
// when the game gets through each GLUT start-up call and every frame it
// shows. One line per event, "<call> <CLOCK_MONOTONIC nanoseconds>", is
// appended to the file named by BOWLING_TIMELINE:
//     glutInit, glutCreateWindow  when the call returns (display open,
//                                 driver loaded; window and context made)
//     glutMainLoop                when it is entered (the textures are in)
//     glutSwapBuffers             when a frame has been shown
// The start-up and idle benchmarks read it.
#include <dlfcn.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

static void note(const char* call)
{
    static const int log = open(getenv("BOWLING_TIMELINE") ? getenv("BOWLING_TIMELINE") : "/dev/null",
                                O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    char line[64];
    const int length = snprintf(line, sizeof line, "%s %lld\n", call, now.tv_sec * 1000000000LL + now.tv_nsec);
    if (write(log, line, length) != length)
        abort();
}

// The library's own function of the same name and type.
template <typename Function>
static Function real(const char* name)
{
    return (Function)dlsym(RTLD_NEXT, name);
}

extern "C" void glutInit(int* argc, char** argv)
{
    static const auto call = real<void (*)(int*, char**)>("glutInit");
    call(argc, argv);
    note("glutInit");
}

extern "C" int glutCreateWindow(const char* title)
{
    static const auto call = real<int (*)(const char*)>("glutCreateWindow");
    const int window = call(title);
    note("glutCreateWindow");
    return window;
}

extern "C" void glutMainLoop()
{
    static const auto call = real<void (*)()>("glutMainLoop");
    note("glutMainLoop");
    call();
}

extern "C" void glutSwapBuffers()
{
    static const auto call = real<void (*)()>("glutSwapBuffers");
    call();
    note("glutSwapBuffers");
}
