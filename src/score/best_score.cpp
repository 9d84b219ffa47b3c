// best_score.cpp: the best game, a number and a newline in a small text
// file, replaced whole (a new file, then a rename) so it is never half
// written, and only under a lock that every game on the folder takes, so a
// game never saves over a better one saved since it started. A file that
// cannot be read is moved aside, never written over; a best file that is a
// link stays one, and the file it names is replaced. Plain C calls on fixed
// buffers, like the rest of the game.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "data_folder.h"
#include "score/best_file.h"
#include "score/score.h"

// A best file that exists but cannot be read or understood.
static const int unreadableBest = noScore - 1;

// This run's best that no lock could be had for: offered again with the
// next game's score and at the program's end, and saved by a signal that
// ends the game meanwhile.
static int unsaved = noScore;
// When the tries of the latest game's end began, on a clock that never
// steps back; past lockWaitMilliseconds, the best waits for the next game
// or the program's end.
static timespec triesBegan;

// Each kind is told once a run: the player needs to know, not to hear it
// at every game.
enum Trouble { readTrouble, lockTrouble, saveTrouble, troubleKinds };
static bool told[troubleKinds];

struct Place {
    char folder[PATH_MAX];
    char file[PATH_MAX];
    char lock[PATH_MAX];
};

// The best game's files in the data folder. False when the paths do not fit.
static bool findPlace(Place* place)
{
    return dataFolder(place->folder) >= 0 &&
           snprintf(place->file, sizeof place->file, "%s/best-score", place->folder) < (int)sizeof place->file &&
           snprintf(place->lock, sizeof place->lock, "%s/best-score.lock", place->folder) < (int)sizeof place->lock;
}

static const char* describe(int error)
{
    return error == ENODEV ? "not a regular file" : strerror(error);
}

static void complain(Trouble kind, const char* what, const char* path, const char* why)
{
    if (!told[kind])
        fprintf(stderr, "bowling: %s %s: %s\n", what, path, why);
    told[kind] = true;
}

// The best game in the file; noScore where nothing is saved yet, and
// unreadableBest, told, where something is but cannot be read.
static int readBestIn(const char* file)
{
    char text[bestTextRoom];
    size_t length = 0;
    const int error = readBestText(file, text, sizeof text, &length);
    if (error == ENOENT || error == ENOTDIR)
        return noScore;
    int best = noScore;
    const BestText read = error || length == sizeof text ? BestText::notANumber : parseBest(text, length, &best);
    char outside[32];
    snprintf(outside, sizeof outside, "outside 0 to %d", bestPossible);
    if (error || read != BestText::number)
        complain(readTrouble, "ignoring the best game in", file,
                 error ? describe(error) : read == BestText::outsideRange ? outside : "not a number");
    return error || read != BestText::number ? unreadableBest : best;
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

// The file a save replaces: the best file itself, or the one its link
// names (through every link, or one that is not there yet), so a link into
// a synced folder stays a link.
static void findTarget(const char* file, char target[PATH_MAX])
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

// The letters of mkstemp's six, and of a save at a signal.
static const char leftoverLetters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Removes what saves cut short (by SIGKILL, say) left beside the target:
// its name, a dot and six letters or digits, a regular file no longer than
// a save writes. Under the lock, so no save is under way.
static void removeLeftovers(const char* target)
{
    char folder[PATH_MAX];
    const char* name = strrchr(target, '/') + 1;
    snprintf(folder, sizeof folder, "%.*s", (int)(name - target), target);
    const size_t nameLength = strlen(name);
    DIR* listing = opendir(folder);
    while (const dirent* entry = listing ? readdir(listing) : nullptr) {
        const char* tail = entry->d_name + nameLength + 1;
        struct stat status;
        if (strncmp(entry->d_name, name, nameLength) == 0 && tail[-1] == '.' && strlen(tail) == 6 &&
            strspn(tail, leftoverLetters) == 6 &&
            fstatat(dirfd(listing), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_size < (off_t)savedTextRoom)
            unlinkat(dirfd(listing), entry->d_name, 0);
    }
    if (listing)
        closedir(listing);
}

// With the lock held: the best in the file now, replaced if score beats it.
static BestOffer saveIfBest(const Place& place, int score)
{
    const int best = readBestIn(place.file);
    char target[PATH_MAX];
    findTarget(place.file, target);
    removeLeftovers(target);
    if (score <= best)
        return {best, BestSave::done};
    int error = best == unreadableBest ? moveAside(place) : 0;
    if (!error) {
        char temporary[PATH_MAX + 8], text[savedTextRoom];
        snprintf(temporary, sizeof temporary, "%s.XXXXXX", target);
        const int descriptor = mkstemp(temporary);
        const int length = snprintf(text, sizeof text, "%d\n", score);
        error = descriptor < 0 ? errno : replaceBestFile(descriptor, temporary, target, text, length);
    }
    if (!error)
        return {score, BestSave::done};
    complain(saveTrouble, "cannot save the best game in", place.folder, strerror(error));
    return {std::max(best, noScore), BestSave::failed};
}

// The waiting best, ready for a signal handler to save: every path and
// text made beforehand, with a temporary name of this process's own.
struct SaveAtSignal {
    char lock[PATH_MAX];
    char target[PATH_MAX];
    char temporary[PATH_MAX + 8];
    char text[savedTextRoom];
    char failed[96];
    int score;
};
static SaveAtSignal atSignal;
static volatile sig_atomic_t waitingAtSignal = 0;
// A save under way holds a signal that would end the game until it is done.
static volatile sig_atomic_t saving = 0, heldSignal = 0;

static void setUnsaved(int score, const Place& place)
{
    unsaved = score;
    waitingAtSignal = 0;
    if (score == noScore)
        return;
    char own[7] = {};
    for (long left = getpid(), i = 0; i < 6; i++, left /= 62)
        own[i] = leftoverLetters[left % 62];
    strcpy(atSignal.lock, place.lock);
    findTarget(place.file, atSignal.target);
    snprintf(atSignal.temporary, sizeof atSignal.temporary, "%s.%s", atSignal.target, own);
    snprintf(atSignal.text, sizeof atSignal.text, "%d\n", score);
    snprintf(atSignal.failed, sizeof atSignal.failed, "bowling: could not save the best game, %d, as the game ended\n", score);
    atSignal.score = score;
    waitingAtSignal = 1;
}

// Only calls a signal handler may make: the file is read and replaced
// under the lock as at any save, but a file that cannot be read is left.
static void saveAtSignal()
{
    int lock = -1, best = noScore;
    char text[bestTextRoom];
    size_t length = 0;
    bool saved = openLock(atSignal.lock, &lock) == 0 && takeLock(lock, lockWaitMilliseconds) == 0;
    const int error = saved ? readBestText(atSignal.target, text, sizeof text, &length) : 0;
    saved = saved && (error == ENOENT || (!error && length < sizeof text &&
                                         parseBest(text, length, &best) == BestText::number));
    if (saved && atSignal.score > best) {
        const int descriptor = open(atSignal.temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        saved = descriptor >= 0 &&
                replaceBestFile(descriptor, atSignal.temporary, atSignal.target, atSignal.text, strlen(atSignal.text)) == 0;
    }
    if (lock >= 0)
        close(lock);
    if (!saved && write(STDERR_FILENO, atSignal.failed, strlen(atSignal.failed)) < 0)
        return;  // nowhere left to tell
}

// SIGHUP, SIGINT or SIGTERM: held while a save is under way, else the
// waiting best saved; then the game ends as the signal would have ended it.
static void endingSignal(int number)
{
    if (saving) {
        heldSignal = number;
        return;
    }
    if (waitingAtSignal)
        saveAtSignal();
    signal(number, SIG_DFL);
    raise(number);
}

// Before each save, as a signal may have been set to its default since;
// one the player has ignored stays ignored. While one is handled the
// others wait, so the save at a signal is never begun twice.
static void catchEndingSignals()
{
    static const int ending[] = {SIGHUP, SIGINT, SIGTERM};
    struct sigaction now = {}, caught = {};
    caught.sa_handler = endingSignal;
    caught.sa_flags = SA_RESTART;
    sigemptyset(&caught.sa_mask);
    for (int number : ending)
        sigaddset(&caught.sa_mask, number);
    for (int number : ending)
        if (sigaction(number, nullptr, &now) == 0 && now.sa_handler == SIG_DFL)
            sigaction(number, &caught, nullptr);
}

// score, or a better one waiting, offered under the lock, waiting for it
// at most waitMilliseconds. A signal that would end the game meanwhile (in
// any of its threads) waits until the save is finished or undone, and
// ends it after.
static BestOffer offer(int score, int waitMilliseconds)
{
    score = std::max(score, unsaved);
    Place place;
    int error = findPlace(&place) ? makeFolders(place.folder) : ENAMETOOLONG;
    if (error) {
        complain(saveTrouble, "cannot save the best game in", place.folder, strerror(error));
        return {noScore, BestSave::failed};
    }
    catchEndingSignals();
    saving = 1;
    int lock = -1;
    error = openLock(place.lock, &lock);
    if (!error)
        error = takeLock(lock, waitMilliseconds);
    BestOffer result = {noScore, BestSave::waiting};
    if (error == EWOULDBLOCK) {
        result.best = std::max(readBestIn(place.file), noScore);
        setUnsaved(score, place);
    } else {
        if (error)
            complain(lockTrouble, "cannot save the best game:", place.lock, describe(error));
        result = error ? BestOffer{std::max(readBestIn(place.file), noScore), BestSave::failed} : saveIfBest(place, score);
        setUnsaved(noScore, place);
    }
    if (lock >= 0)
        close(lock);  // and with it the lock
    saving = 0;
    if (heldSignal)
        raise(heldSignal);
    return result;
}

BestOffer offerBestScore(int score)
{
    clock_gettime(CLOCK_MONOTONIC, &triesBegan);
    return offer(score, 0);
}

BestOffer retryBestScore()
{
    BestOffer result = offer(noScore, 0);
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long tried = (now.tv_sec - triesBegan.tv_sec) * 1000 + (now.tv_nsec - triesBegan.tv_nsec) / 1000000;
    if (result.save == BestSave::waiting && tried >= lockWaitMilliseconds) {
        complain(lockTrouble, "cannot save the best game yet:", atSignal.lock,
                 "another game holds it; trying again after the next game and at exit");
        result.save = BestSave::postponed;
    }
    return result;
}

void offerUnsavedBest()
{
    if (unsaved != noScore && offer(noScore, lockWaitMilliseconds).save == BestSave::waiting)
        fputs(atSignal.failed, stderr);
}
