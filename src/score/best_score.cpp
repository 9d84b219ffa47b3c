// best_score.cpp: the best game, a number and a newline in a small text
// file, replaced whole (a new file, then a rename) so it is never half
// written, and only under a lock that every game on the folder takes, so a
// game never saves over a better one saved since it started. A file that
// cannot be read is moved aside, never written over. Plain C calls on
// fixed buffers, like the rest of the game.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "regular_file.h"
#include "score/score.h"

static const int bestPossible = 300;
// A best file that exists but cannot be read or understood.
static const int unreadableBest = noScore - 1;

// Long enough for any other game's save; short enough that a game stopped
// (Ctrl+Z) while it holds the lock costs this one a moment, not its play.
static const int lockWaitMilliseconds = 2000;
static const int lockRetryMilliseconds = 20;

// This run's best that no lock could be had for: offered again with the
// next game's score and at the program's end.
static int unsaved = noScore;

// Each kind is told once a run: the player needs to know, not to hear it
// at every game.
enum Trouble { readTrouble, lockTrouble, saveTrouble, troubleKinds };
static bool told[troubleKinds];

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

static void complain(Trouble kind, const char* what, const char* path, const char* why)
{
    if (!told[kind])
        fprintf(stderr, "bowling: %s %s: %s\n", what, path, why);
    told[kind] = true;
}

// Digits, then nothing but line ends ("\n", or "\r\n" as some editors end
// lines, blank lines too), 0 to bestPossible; what is wrong with the text
// otherwise.
static const char* parseBest(const char* text, size_t length, int* best)
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
        return "not a number";
    if (value > bestPossible) {
        static char outside[32];
        snprintf(outside, sizeof outside, "outside 0 to %d", bestPossible);
        return outside;
    }
    *best = (int)value;
    return nullptr;
}

// The best game in the file; noScore where nothing is saved yet, and
// unreadableBest, told, where something is but cannot be read.
static int readBestIn(const char* file)
{
    FILE* in = openRegularFile(file);
    if (!in) {
        if (errno == ENOENT || errno == ENOTDIR)
            return noScore;
        complain(readTrouble, "ignoring the best game in", file, errno ? strerror(errno) : "not a regular file");
        return unreadableBest;
    }
    char text[64];  // a file this long is no number of ours
    const size_t length = fread(text, 1, sizeof text, in);
    const int readError = ferror(in) ? errno : 0;
    fclose(in);
    int best = noScore;
    const char* trouble = readError ? strerror(readError)
                        : length == sizeof text ? "not a number"
                        : parseBest(text, length, &best);
    if (trouble)
        complain(readTrouble, "ignoring the best game in", file, trouble);
    return trouble ? unreadableBest : best;
}

int readBestScore()
{
    std::fill(told, told + troubleKinds, false);  // a new run
    Place place;
    if (!findPlace(&place)) {
        complain(readTrouble, "ignoring the best game in", place.folder, strerror(ENAMETOOLONG));
        return noScore;
    }
    return std::max(readBestIn(place.file), noScore);
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

// Keeps a best file that cannot be read as best-score.unreadable, or
// .unreadable.1, .2, ... where that is taken, and says where; 0 or the
// error. Under the lock, so no other game takes the name meanwhile.
static int moveAside(const Place& place)
{
    char kept[PATH_MAX + 32];
    const int length = snprintf(kept, sizeof kept, "%s.unreadable", place.file);
    struct stat taken;
    for (int number = 1; lstat(kept, &taken) == 0; number++)
        snprintf(kept + length, sizeof kept - length, ".%d", number);
    if (rename(place.file, kept) != 0)
        return errno;
    fprintf(stderr, "bowling: moved %s, which could not be read, to %s\n", place.file, kept);
    return 0;
}

// A signal that ends the game, caught only while a save is under way.
static volatile sig_atomic_t caughtSignal = 0;
static void holdSignal(int number)
{
    caughtSignal = number;
}

// Writes a new file beside the old one and renames it over it. The reason
// the call that failed gives, or nullptr; a failed save leaves the old file
// and no new one. A signal that would end the game meanwhile (in any of its
// threads) waits until then, and ends it after: the save is finished or
// undone, and no temporary file is left behind.
static const char* writeBestScore(const Place& place, int score)
{
    static const int ending[] = {SIGHUP, SIGINT, SIGTERM};
    struct sigaction before[3] = {}, hold = {};
    hold.sa_handler = holdSignal;
    hold.sa_flags = SA_RESTART;
    sigemptyset(&hold.sa_mask);
    for (int i = 0; i < 3; i++)
        if (sigaction(ending[i], nullptr, &before[i]) == 0 && before[i].sa_handler == SIG_DFL)
            sigaction(ending[i], &hold, nullptr);  // one the player has ignored stays ignored

    char temporary[PATH_MAX + 8];
    snprintf(temporary, sizeof temporary, "%s.XXXXXX", place.file);
    const int descriptor = mkstemp(temporary);
    const char* trouble = descriptor < 0 ? strerror(errno) : nullptr;
    if (descriptor >= 0) {
        char text[16];
        const int length = snprintf(text, sizeof text, "%d\n", score);
        const ssize_t written = write(descriptor, text, length);
        trouble = written < 0 ? strerror(errno)
                : written < length ? "short write"
                : fsync(descriptor) != 0 ? strerror(errno)
                : nullptr;
        if (close(descriptor) != 0 && !trouble)
            trouble = strerror(errno);
        if (!trouble && rename(temporary, place.file) != 0)
            trouble = strerror(errno);
        if (trouble)
            unlink(temporary);
    }

    for (int i = 0; i < 3; i++)
        sigaction(ending[i], &before[i], nullptr);
    if (caughtSignal)
        raise(caughtSignal);
    return trouble;
}

// With the lock held: the best in the file now, replaced if score beats it.
static int saveIfBest(const Place& place, int score)
{
    const int best = readBestIn(place.file);
    if (score <= best)
        return best;
    const int error = best == unreadableBest ? moveAside(place) : 0;
    if (const char* trouble = error ? strerror(error) : writeBestScore(place, score))
        complain(saveTrouble, "cannot save the best game in", place.folder, trouble);
    return score;
}

// Takes the lock, waiting lockWaitMilliseconds at most for another game's
// save; 0 or the error, EWOULDBLOCK where another game kept it all along.
static int takeLock(int lock)
{
    for (int waited = 0;; waited += lockRetryMilliseconds) {
        if (flock(lock, LOCK_EX | LOCK_NB) == 0)
            return 0;
        if (errno != EWOULDBLOCK || waited >= lockWaitMilliseconds)
            return errno;
        usleep(lockRetryMilliseconds * 1000);
    }
}

int offerBestScore(int score)
{
    score = std::max(score, unsaved);
    unsaved = noScore;
    Place place;
    const int error = findPlace(&place) ? makeFolders(place.folder) : ENAMETOOLONG;
    if (error) {
        complain(saveTrouble, "cannot save the best game in", place.folder, strerror(error));
        return score;
    }
    // Opening the lock file never waits, whatever is in its place.
    const int lock = open(place.lock, O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    const int lockError = lock < 0 ? errno : takeLock(lock);
    const int best = lockError ? score : saveIfBest(place, score);
    if (lockError == EWOULDBLOCK) {
        complain(lockTrouble, "cannot save the best game yet:", place.lock,
                 "another game holds it; trying again after the next game and at exit");
        unsaved = score;
    } else if (lockError) {
        complain(lockTrouble, "cannot save the best game:", place.lock, strerror(lockError));
    }
    if (lock >= 0)
        close(lock);  // and with it the lock
    return best;
}

void offerUnsavedBest()
{
    if (unsaved != noScore)
        offerBestScore(noScore);
}
