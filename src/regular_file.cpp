// regular_file.cpp: open first, without blocking, then look at what was
// opened: a plain open of a FIFO waits for a writer, and a check of the name
// before opening could look at another file than the one opened.
#include "regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

FILE* openRegularFile(const char* path)
{
    const int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    // A regular file's reads never wait, so O_NONBLOCK may stay on.
    struct stat status;
    const bool regular = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    FILE* file = regular ? fdopen(descriptor, "rb") : nullptr;
    if (!file) {
        const int error = regular ? errno : 0;
        close(descriptor);
        errno = error;
    }
    return file;
}
