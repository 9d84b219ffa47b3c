// standard_streams.cpp: /dev/null in the gaps, then output that never waits.
#include "standard_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

// Taken in order, so the lowest free descriptor that open gives is this one.
static void openIfClosed(int descriptor)
{
    if (fcntl(descriptor, F_GETFD) == -1)
        open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
}

// A socket cannot be opened again, so the description the game was handed
// (a desktop session's journal, say) becomes non-blocking itself, and its
// flags are put back as the game exits, for whoever shares it.
static int socketFlags[STDERR_FILENO + 1] = {-1, -1, -1};

static void putSocketFlagsBack()
{
    for (int descriptor = STDOUT_FILENO; descriptor <= STDERR_FILENO; descriptor++)
        if (socketFlags[descriptor] != -1)
            fcntl(descriptor, F_SETFL, socketFlags[descriptor]);
}

void restoreStandardStreams()
{
    // What stdio holds goes now, or is dropped, not written blocking later.
    fflush(stdout);
    fflush(stderr);
    putSocketFlagsBack();
}

void endAsSignalled(int number)
{
    putSocketFlagsBack();
    signal(number, SIG_DFL);
    raise(number);
}

// A logout or a closed terminal ends the game by a signal, which skips
// atexit; one the player has ignored stays ignored.
static void neverWaitOnSocket(int descriptor)
{
    const int flags = fcntl(descriptor, F_GETFL);
    if (flags == -1 || (flags & O_NONBLOCK) || fcntl(descriptor, F_SETFL, flags | O_NONBLOCK) == -1)
        return;
    socketFlags[descriptor] = flags;
    for (int number : endingSignals) {
        struct sigaction now = {};
        if (sigaction(number, nullptr, &now) == 0 && now.sa_handler == SIG_DFL)
            signal(number, endAsSignalled);
    }
}

// O_NONBLOCK set on the inherited description would reach the shell's
// terminal and every process sharing the pipe; opening the same pipe or
// terminal again gives one that is ours alone. A regular file never makes
// a writer wait and keeps its shared offset. A pipe no one reads fails
// every write at once, and stays.
static void neverWaitOn(int descriptor)
{
    struct stat status;
    if (fstat(descriptor, &status) != 0 || S_ISREG(status.st_mode))
        return;
    if (S_ISSOCK(status.st_mode)) {
        neverWaitOnSocket(descriptor);
        return;
    }
    char path[32];
    snprintf(path, sizeof path, "/proc/self/fd/%d", descriptor);
    const int own = open(path, O_WRONLY | O_NONBLOCK | O_NOCTTY);
    if (own < 0)
        return;
    dup2(own, descriptor);
    close(own);
}

void prepareStandardStreams()
{
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; descriptor++)
        openIfClosed(descriptor);
    neverWaitOn(STDOUT_FILENO);
    neverWaitOn(STDERR_FILENO);
    atexit(restoreStandardStreams);
}
