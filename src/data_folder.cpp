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

int makeFolders(char* path)
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

void findTarget(const char* file, char (&target)[PATH_MAX])
{
    if (realpath(file, target))
        return;
    char link[PATH_MAX];
    const ssize_t length = readlink(file, link, sizeof link - 1);
    if (length <= 0) {
        strcpy(target, file);  // no file yet
        return;
    }
    link[length] = '\0';
    const int folder = link[0] == '/' ? 0 : (int)(strrchr(file, '/') - file + 1);
    if (snprintf(target, PATH_MAX, "%.*s%s", folder, file, link) >= PATH_MAX)
        strcpy(target, file);
}

int replaceFile(int descriptor, const char* temporary, const char* target, const char* text, size_t length)
{
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
    if (!error && rename(temporary, target) != 0)
        error = errno;
    if (error)
        unlink(temporary);
    return error;
}

int saveInDataFolder(const char* name, const char* text, size_t length)
{
    char folder[PATH_MAX], file[PATH_MAX], target[PATH_MAX], temporary[PATH_MAX];
    const int folderLength = dataFolder(folder);
    if (folderLength < 0 || snprintf(file, sizeof file, "%s/%s", folder, name) >= (int)sizeof file)
        return ENAMETOOLONG;
    if (const int error = makeFolders(folder))
        return error;
    findTarget(file, target);
    if (snprintf(temporary, sizeof temporary, "%s.XXXXXX", target) >= (int)sizeof temporary)
        return ENAMETOOLONG;
    const int descriptor = mkostemp(temporary, O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    return replaceFile(descriptor, temporary, target, text, length);
}
