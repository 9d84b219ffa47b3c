// best_score.cpp: the best game, a number and a newline in a small text
// file, replaced whole (a new file, then a rename) so it is never half
// written. Plain C calls on fixed buffers, like the rest of the game.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "score/score.h"

static const int bestPossible = 300;

struct Place {
    char folder[PATH_MAX];
    char file[PATH_MAX];
};

// $XDG_DATA_HOME/bowling, or ~/.local/share/bowling when that is unset or,
// as the XDG rules have it, empty or not an absolute path. False when the
// paths do not fit.
static bool findPlace(Place* place)
{
    const char* dataHome = getenv("XDG_DATA_HOME");
    const char* home = getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : "";
    }
    const int length = dataHome && dataHome[0] == '/'
        ? snprintf(place->folder, sizeof place->folder, "%s/bowling", dataHome)
        : snprintf(place->folder, sizeof place->folder, "%s/.local/share/bowling", home);
    return length < (int)sizeof place->folder &&
           snprintf(place->file, sizeof place->file, "%s/best-score", place->folder) < (int)sizeof place->file;
}

static void complain(const char* what, const char* path, const char* why)
{
    fprintf(stderr, "bowling: %s %s: %s\n", what, path, why);
}

int readBestScore()
{
    Place place;
    if (!findPlace(&place)) {
        complain("ignoring the best game in", place.folder, strerror(ENAMETOOLONG));
        return noScore;
    }
    FILE* in = fopen(place.file, "r");
    if (!in) {
        // Nothing saved yet is no trouble.
        if (errno != ENOENT && errno != ENOTDIR)
            complain("ignoring the best game in", place.file, strerror(errno));
        return noScore;
    }
    char text[16];  // a longer file is no number of ours
    const size_t length = fread(text, 1, sizeof text - 1, in);
    const int readError = ferror(in) ? errno : 0;
    fclose(in);
    text[length] = '\0';
    char* end;
    const long best = strtol(text, &end, 10);
    char outside[32];
    snprintf(outside, sizeof outside, "outside 0 to %d", bestPossible);
    const char* trouble = nullptr;
    if (readError)
        trouble = strerror(readError);
    else if (end == text || (*end != '\0' && strcmp(end, "\n") != 0) || length == sizeof text - 1)
        trouble = "not a number";
    else if (best < 0 || best > bestPossible)
        trouble = outside;
    if (!trouble)
        return (int)best;
    complain("ignoring the best game in", place.file, trouble);
    return noScore;
}

// Makes the folder and any above it that are missing, as mkdir -p does but
// private to the user, as the XDG rules ask; 0 or the error.
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

static int writeBestScore(Place* place, int score)
{
    if (const int error = makeFolders(place->folder))
        return error;
    char temporary[PATH_MAX + 8];
    snprintf(temporary, sizeof temporary, "%s.XXXXXX", place->file);
    const int fd = mkstemp(temporary);
    if (fd < 0)
        return errno;
    char text[16];
    const int length = snprintf(text, sizeof text, "%d\n", score);
    bool saved = write(fd, text, length) == length && fsync(fd) == 0;
    saved = close(fd) == 0 && saved;
    saved = saved && rename(temporary, place->file) == 0;
    const int error = saved ? 0 : errno;
    if (!saved)
        unlink(temporary);
    return error;
}

void saveBestScore(int score)
{
    Place place;
    const int error = findPlace(&place) ? writeBestScore(&place, score) : ENAMETOOLONG;
    if (error)
        complain("cannot save the best game in", place.folder, strerror(error));
}
