// standard_streams.cpp: /dev/null in the gaps, then output that never waits.
#include "standard_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

// Taken in order, so the lowest free descriptor that open gives is this one.
static void openIfClosed(int descriptor)
{
    if (fcntl(descriptor, F_GETFD) == -1)
        open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
}

// O_NONBLOCK set on the inherited description would reach the shell's
// terminal and every process sharing the pipe; opening the same pipe or
// terminal again gives one that is ours alone. A regular file never makes
// a writer wait and keeps its shared offset. A socket cannot be opened
// again, and a pipe no one reads fails every write at once: both stay.
static void neverWaitOn(int descriptor)
{
    struct stat status;
    if (fstat(descriptor, &status) != 0 || S_ISREG(status.st_mode))
        return;
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
}
