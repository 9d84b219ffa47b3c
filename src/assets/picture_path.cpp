// picture_path.cpp: where a picture is read from. The current folder comes
// first, as it always did; a picture not there, or one there that cannot
// be read, is looked for in the data folder found from the game's own
// executable, so the installed game starts from any folder and a build
// runs in place from anywhere. Plain C calls on
// fixed buffers, like the rest of the game.
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "assets/assets.h"

// The installed data folder, BOWLING_DATA_FROM_GAMES from the executable's
// folder (relative, so the binary names no folder of the build), or else
// the executable's folder itself, where a build keeps its pictures. Ends in
// a slash; empty when the executable cannot be found.
static void findDataFolder(char folder[PATH_MAX])
{
    folder[0] = '\0';
    char executable[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0)
        return;
    executable[length] = '\0';
    strrchr(executable, '/')[1] = '\0';
    char installed[PATH_MAX];
    const int fits = snprintf(installed, sizeof installed, "%s%s", executable, BOWLING_DATA_FROM_GAMES);
    char found[PATH_MAX];
    if (fits < (int)sizeof installed && realpath(installed, found) &&
        snprintf(folder, PATH_MAX, "%s/", found) < PATH_MAX)
        return;
    strcpy(folder, executable);
}

const char* picturePath(const char* filename)
{
    static char folder[PATH_MAX];
    static bool looked = false;
    if (!looked)
        findDataFolder(folder);
    looked = true;
    static char installed[PATH_MAX];
    const bool besideGame = folder[0] &&
        snprintf(installed, sizeof installed, "%s%s", folder, filename) < (int)sizeof installed &&
        access(installed, F_OK) == 0;
    if (access(filename, F_OK) != 0)
        return besideGame ? installed : filename;  // found nowhere: failing on this name says so as before
    if (!besideGame)
        return filename;
    // Both there: the one in the current folder, unless only the other serves.
    const char* trouble = imageTrouble(filename);
    if (!trouble)
        return filename;
    char why[PATH_MAX + 128];
    snprintf(why, sizeof why, "%s", trouble);  // before the next call overwrites it
    if (imageTrouble(installed))
        return filename;
    fprintf(stderr, "bowling: cannot use %s in the start folder: %s; using %s\n", filename, why, installed);
    return installed;
}
