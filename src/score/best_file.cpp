// best_file.cpp: the best file's system calls, none of which a signal
// handler may not make.
#include "score/best_file.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>  // rename

BestText parseBest(const char* text, size_t length, int* best)
{
    long value = 0;
    size_t digits = 0;
    for (; digits < length && text[digits] >= '0' && text[digits] <= '9'; digits++)
        if (value <= bestPossible)  // past it, it stays past it
            value = value * 10 + (text[digits] - '0');
    size_t end = digits;
    while (end < length && (text[end] == '\n' || (text[end] == '\r' && end + 1 < length && text[end + 1] == '\n')))
        end++;
    if (digits == 0 || end != length)
        return BestText::notANumber;
    if (value > bestPossible)
        return BestText::outsideRange;
    *best = (int)value;
    return BestText::number;
}

// Opened first, then looked at: a check of the name before opening could
// look at another file than the one opened.
int readBestText(const char* path, char* text, size_t size, size_t* length)
{
    const int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    struct stat status;
    int error = fstat(descriptor, &status) != 0 ? errno : S_ISREG(status.st_mode) ? 0 : ENODEV;
    *length = 0;
    while (!error && *length < size) {
        const ssize_t got = read(descriptor, text + *length, size - *length);
        if (got == 0)
            break;
        if (got > 0)
            *length += got;
        else if (errno != EINTR)
            error = errno;
    }
    close(descriptor);
    return error;
}

int openLock(const char* path, int* lock)
{
    *lock = open(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (*lock < 0)
        return errno == ELOOP ? ENODEV : errno;
    struct stat status;
    const int error = fstat(*lock, &status) != 0 ? errno : S_ISREG(status.st_mode) ? 0 : ENODEV;
    if (error) {
        close(*lock);
        *lock = -1;
    }
    return error;
}

int takeLock(int lock, int waitMilliseconds)
{
    for (int waited = 0;; waited += lockRetryMilliseconds) {
        if (flock(lock, LOCK_EX | LOCK_NB) == 0)
            return 0;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= waitMilliseconds)
            return errno;
        poll(nullptr, 0, lockRetryMilliseconds);  // a sleep a signal handler may take
    }
}
