// data_folder.cpp: the data folder, from the environment or the user's home.
#include "data_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

int dataFolder(char (&folder)[PATH_MAX])
{
    const char* dataHome = getenv("XDG_DATA_HOME");
    const char* home = getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : "";
    }
    const int length = dataHome && dataHome[0] == '/' ? snprintf(folder, sizeof folder, "%s/bowling", dataHome)
                                                      : snprintf(folder, sizeof folder, "%s/.local/share/bowling", home);
    return length < (int)sizeof folder ? length : -1;
}

// Each folder of the path made where missing, as mkdir -p does; 0 or the
// error.
static int makeFolders(char* path)
{
    for (char* slash = strchr(path + 1, '/');; slash = strchr(slash + 1, '/')) {
        if (slash)
            *slash = '\0';
        const int error = mkdir(path, 0700) == 0 || errno == EEXIST ? 0 : errno;
        if (slash)
            *slash = '/';
        if (error || !slash)
            return error;
    }
}

int saveInDataFolder(const char* name, const char* text, size_t length)
{
    char folder[PATH_MAX], file[PATH_MAX], temporary[PATH_MAX];
    const int folderLength = dataFolder(folder);
    if (folderLength < 0 || snprintf(file, sizeof file, "%s/%s", folder, name) >= (int)sizeof file ||
        snprintf(temporary, sizeof temporary, "%s.XXXXXX", file) >= (int)sizeof temporary)
        return ENAMETOOLONG;
    if (const int error = makeFolders(folder))
        return error;
    const int descriptor = mkostemp(temporary, O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    int error = 0;
    for (size_t written = 0; !error && written < length;) {
        const ssize_t wrote = write(descriptor, text + written, length - written);
        if (wrote >= 0)
            written += wrote;
        else if (errno != EINTR)
            error = errno;
    }
    if (!error && fsync(descriptor) != 0)
        error = errno;
    if (close(descriptor) != 0 && !error)
        error = errno;
    if (!error && rename(temporary, file) != 0)
        error = errno;
    if (error)
        unlink(temporary);
    return error;
}
