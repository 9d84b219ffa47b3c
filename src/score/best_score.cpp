// best_score.cpp: the best game, a number and a newline in a small text
// file, replaced whole (a new file, then a rename) so it is never half
// written, and only under a lock that every game on the folder takes, so a
// game never saves over a better one saved since it started. Plain C calls
// on fixed buffers, like the rest of the game.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "regular_file.h"
#include "score/score.h"

static const int bestPossible = 300;

struct Place {
    char folder[PATH_MAX];
    char file[PATH_MAX];
    char lock[PATH_MAX];
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
           snprintf(place->file, sizeof place->file, "%s/best-score", place->folder) < (int)sizeof place->file &&
           snprintf(place->lock, sizeof place->lock, "%s/best-score.lock", place->folder) < (int)sizeof place->lock;
}

static void complain(const char* what, const char* path, const char* why)
{
    fprintf(stderr, "bowling: %s %s: %s\n", what, path, why);
}

// Digits and an optional newline, nothing else, 0 to bestPossible; what is
// wrong with the text otherwise.
static const char* parseBest(const char* text, size_t length, int* best)
{
    long value = 0;
    size_t digits = 0;
    for (; digits < length && text[digits] >= '0' && text[digits] <= '9'; digits++)
        value = value * 10 + (text[digits] - '0');  // at most 15 digits
    const bool newline = digits < length && text[digits] == '\n';
    if (digits == 0 || digits + newline != length)
        return "not a number";
    if (value > bestPossible) {
        static char outside[32];
        snprintf(outside, sizeof outside, "outside 0 to %d", bestPossible);
        return outside;
    }
    *best = (int)value;
    return nullptr;
}

// The best game in the file, or noScore. Nothing saved yet is no trouble;
// other trouble is told.
static int readBestIn(const char* file)
{
    FILE* in = openRegularFile(file);
    if (!in) {
        if (errno != ENOENT && errno != ENOTDIR)
            complain("ignoring the best game in", file, errno ? strerror(errno) : "not a regular file");
        return noScore;
    }
    char text[16];  // a file this long is no number of ours
    const size_t length = fread(text, 1, sizeof text, in);
    const int readError = ferror(in) ? errno : 0;
    fclose(in);
    int best = noScore;
    const char* trouble = readError ? strerror(readError)
                        : length == sizeof text ? "not a number"
                        : parseBest(text, length, &best);
    if (trouble)
        complain("ignoring the best game in", file, trouble);
    return best;
}

int readBestScore()
{
    Place place;
    if (!findPlace(&place)) {
        complain("ignoring the best game in", place.folder, strerror(ENAMETOOLONG));
        return noScore;
    }
    return readBestIn(place.file);
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

// Writes a new file beside the old one and renames it over it. The reason
// the call that failed gives, or nullptr; a failed save leaves the old file
// and no new one.
static const char* writeBestScore(const Place& place, int score)
{
    char temporary[PATH_MAX + 8];
    snprintf(temporary, sizeof temporary, "%s.XXXXXX", place.file);
    const int descriptor = mkstemp(temporary);
    if (descriptor < 0)
        return strerror(errno);
    char text[16];
    const int length = snprintf(text, sizeof text, "%d\n", score);
    const ssize_t written = write(descriptor, text, length);
    const char* trouble = written < 0 ? strerror(errno)
                        : written < length ? "short write"
                        : fsync(descriptor) != 0 ? strerror(errno)
                        : nullptr;
    if (close(descriptor) != 0 && !trouble)
        trouble = strerror(errno);
    if (!trouble && rename(temporary, place.file) != 0)
        trouble = strerror(errno);
    if (trouble)
        unlink(temporary);
    return trouble;
}

// With the lock held: the best in the file now, replaced if score beats it.
static int saveIfBest(const Place& place, int score)
{
    const int best = readBestIn(place.file);
    if (score <= best)
        return best;
    if (const char* trouble = writeBestScore(place, score))
        complain("cannot save the best game in", place.folder, trouble);
    return score;
}

int offerBestScore(int score)
{
    Place place;
    int error = findPlace(&place) ? makeFolders(place.folder) : ENAMETOOLONG;
    // Opening the lock file never waits, whatever is in its place; taking
    // the lock waits only for another game's save.
    const int lock = error ? -1 : open(place.lock, O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    if (!error && (lock < 0 || flock(lock, LOCK_EX) != 0))
        error = errno;
    const int best = error ? score : saveIfBest(place, score);
    if (error)
        complain("cannot save the best game in", place.folder, strerror(error));
    if (lock >= 0)
        close(lock);  // and with it the lock
    return best;
}
