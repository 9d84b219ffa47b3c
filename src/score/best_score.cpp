// best_score.cpp: the table of the best games in a small text file,
// replaced whole (a new file, then a rename) so it is never half written,
// and only under a lock that every game on the folder takes, which reads
// it again and puts the new games in: a game never saves over one saved
// since it started. A file that cannot be read is moved aside, never
// written over; a file that is a link stays one, and the file it names is
// replaced. An older version's best-score, a number alone, is the first
// game of a table not made yet, and is only ever read. Plain C calls on
// fixed buffers, like the rest of the game.
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
#include "standard_streams.h"
#include "score/best_file.h"
#include "score/best_table.h"
#include "score/score.h"

// This run's games that no lock could be had for: offered again with the
// next game's and at the program's end, and saved by a signal that ends
// the game meanwhile.
static BestGames unsaved;
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
    char old[PATH_MAX];  // an older version's best game
};

// The best games' files in the data folder. False when the paths do not fit.
static bool findPlace(Place* place)
{
    const auto fits = [&](char(&path)[PATH_MAX], const char* name) {
        return snprintf(path, PATH_MAX, "%s/%s", place->folder, name) < PATH_MAX;
    };
    return dataFolder(place->folder) >= 0 && fits(place->file, "best-games") && fits(place->lock, "best-games.lock") &&
           fits(place->old, "best-score");
}

// Why a file could not be read: an errno, or these two for what it holds.
static const int notOurs = EBADMSG, outsideRange = ERANGE;

static const char* describe(int error)
{
    static char outside[32];
    snprintf(outside, sizeof outside, "outside 0 to %d", bestPossible);
    return error == ENODEV         ? "not a regular file"
           : error == notOurs      ? "not written by this game"
           : error == outsideRange ? outside
                                   : strerror(error);
}

static void complain(Trouble kind, const char* what, const char* path, const char* why)
{
    if (!told[kind])
        fprintf(stderr, "bowling: %s %s: %s\n", what, path, why);
    told[kind] = true;
}

static bool missing(int error) { return error == ENOENT || error == ENOTDIR; }

// The table in file, as it reads; 0 or why not, and then none.
static int readTable(const char* file, BestGames& table)
{
    char text[tableTextRoom + 1];
    size_t length = 0;
    table.count = 0;
    const int error = readBestText(file, text, sizeof text, &length);
    return error ? error : length < sizeof text && parseTable(text, length, table) ? 0 : notOurs;
}

// The older version's best game in old put in table: 0 or why not.
static int takeInOld(const char* old, BestGames& table)
{
    char text[bestTextRoom];
    size_t length = 0;
    BestGame game = {noScore, "-", ""};
    const int error = readBestText(old, text, sizeof text, &length);
    const BestText read = error || length == sizeof text ? BestText::notANumber : parseBest(text, length, &game.score);
    if (!error && read == BestText::number)
        insertGame(table, game);
    return error ? error : read == BestText::number ? 0 : read == BestText::outsideRange ? outsideRange : notOurs;
}

// The table in the file, or the older version's best where there is none;
// 0, or why it cannot be read, told, and then none.
static int readTableIn(const Place& place, BestGames& table)
{
    const int error = readTable(place.file, table);
    if (missing(error)) {
        const int oldError = takeInOld(place.old, table);
        if (!missing(oldError) && oldError)
            complain(readTrouble, "ignoring the best game in", place.old, describe(oldError));
        return 0;
    }
    if (error)
        complain(readTrouble, "ignoring the best games in", place.file, describe(error));
    return error;
}

BestGames readBestGames()
{
    std::fill(told, told + troubleKinds, false);  // a new run
    BestGames table = {};
    Place place;
    if (!findPlace(&place))
        complain(readTrouble, "ignoring the best games in", place.folder, strerror(ENAMETOOLONG));
    else
        readTableIn(place, table);
    return table;
}

// Keeps a table that cannot be read as best-games.unreadable, or
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
// its name, a dot and six letters or digits, a regular file that is empty
// or a table. Under the lock, so no save is under way.
static void removeLeftovers(const char* target)
{
    char folder[PATH_MAX];
    const char* name = strrchr(target, '/') + 1;
    snprintf(folder, sizeof folder, "%.*s", (int)(name - target), target);
    const size_t nameLength = strlen(name);
    DIR* listing = opendir(folder);
    while (const dirent* entry = listing ? readdir(listing) : nullptr) {
        const char* tail = entry->d_name + nameLength + 1;
        char path[PATH_MAX + sizeof entry->d_name];
        snprintf(path, sizeof path, "%s%s", folder, entry->d_name);
        struct stat status;
        BestGames table;
        if (strncmp(entry->d_name, name, nameLength) == 0 && tail[-1] == '.' && strlen(tail) == 6 &&
            strspn(tail, leftoverLetters) == 6 &&
            fstatat(dirfd(listing), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode) &&
            readTable(path, table) == 0)
            unlinkat(dirfd(listing), entry->d_name, 0);
    }
    if (listing)
        closedir(listing);
}

// With the lock held: the table in the file now, replaced where any of
// games makes it.
static BestOffer saveIfBest(const Place& place, const BestGames& games)
{
    BestGames table, merged;
    const int unreadable = readTableIn(place, table);
    char target[PATH_MAX];
    findTarget(place.file, target);
    removeLeftovers(target);
    merged = table;
    if (!mergeGames(merged, games))
        return {table, BestSave::done};
    int error = unreadable ? moveAside(place) : 0;
    if (!error) {
        char temporary[PATH_MAX + 8], text[tableTextRoom];
        snprintf(temporary, sizeof temporary, "%s.XXXXXX", target);
        const int descriptor = mkstemp(temporary);
        error = descriptor < 0 ? errno : replaceFile(descriptor, temporary, target, text, formatTable(merged, text));
    }
    if (!error)
        return {merged, BestSave::done};
    complain(saveTrouble, "cannot save the best game in", place.folder, strerror(error));
    return {table, BestSave::failed};
}

// The waiting games, ready for a signal handler to save: every path and
// text made beforehand, with a temporary name of this process's own.
struct SaveAtSignal {
    char lock[PATH_MAX];
    char target[PATH_MAX];
    char old[PATH_MAX];
    char temporary[PATH_MAX + 8];
    char failed[96];
    BestGames games;
};
static SaveAtSignal atSignal;
static volatile sig_atomic_t waitingAtSignal = 0;
// A save under way holds a signal that would end the game until it is done.
static volatile sig_atomic_t saving = 0, heldSignal = 0;

static void setUnsaved(const BestGames& games, const Place& place)
{
    unsaved = games;
    waitingAtSignal = 0;
    if (games.count == 0)
        return;
    char own[7] = {};
    for (long left = getpid(), i = 0; i < 6; i++, left /= 62)
        own[i] = leftoverLetters[left % 62];
    strcpy(atSignal.lock, place.lock);
    strcpy(atSignal.old, place.old);
    findTarget(place.file, atSignal.target);
    snprintf(atSignal.temporary, sizeof atSignal.temporary, "%s.%s", atSignal.target, own);
    snprintf(atSignal.failed, sizeof atSignal.failed, "bowling: could not save the best game, %d, as the game ended\n",
             games.games[0].score);
    atSignal.games = games;
    waitingAtSignal = 1;
}

// Only calls a signal handler may make: the table is read, merged and
// replaced under the lock as at any save, but one that cannot be read is
// left.
static void saveAtSignal()
{
    int lock = -1;
    BestGames table;
    bool saved = openLock(atSignal.lock, &lock) == 0 && takeLock(lock, lockWaitMilliseconds) == 0;
    const int error = saved ? readTable(atSignal.target, table) : 0;
    if (error == ENOENT)
        takeInOld(atSignal.old, table);
    saved = saved && (!error || error == ENOENT);
    if (saved && mergeGames(table, atSignal.games)) {
        char text[tableTextRoom];
        const int descriptor = open(atSignal.temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        saved = descriptor >= 0 &&
                replaceFile(descriptor, atSignal.temporary, atSignal.target, text, formatTable(table, text)) == 0;
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
    endAsSignalled(number);
}

// Before each save, as a signal may have been set to its default since;
// one the player has ignored stays ignored. While one is handled the
// others wait, so the save at a signal is never begun twice.
static void catchEndingSignals()
{
    struct sigaction now = {}, caught = {};
    caught.sa_handler = endingSignal;
    caught.sa_flags = SA_RESTART;
    sigemptyset(&caught.sa_mask);
    for (int number : endingSignals)
        sigaddset(&caught.sa_mask, number);
    for (int number : endingSignals)
        if (sigaction(number, nullptr, &now) == 0 && (now.sa_handler == SIG_DFL || now.sa_handler == endAsSignalled))
            sigaction(number, &caught, nullptr);
}

// games, and those waiting, offered under the lock, waiting for it at most
// waitMilliseconds. A signal that would end the game meanwhile (in any of
// its threads) waits until the save is finished or undone, and ends it
// after.
static BestOffer offer(const BestGames& games, int waitMilliseconds)
{
    BestGames offered = unsaved;
    mergeGames(offered, games);
    Place place;
    int error = findPlace(&place) ? makeFolders(place.folder) : ENAMETOOLONG;
    if (error) {
        complain(saveTrouble, "cannot save the best game in", place.folder, strerror(error));
        return {{}, BestSave::failed};
    }
    catchEndingSignals();
    saving = 1;
    int lock = -1;
    error = openLock(place.lock, &lock);
    if (!error)
        error = takeLock(lock, waitMilliseconds);
    BestOffer result = {{}, BestSave::waiting};
    if (error == EWOULDBLOCK) {
        readTableIn(place, result.table);
        mergeGames(result.table, offered);  // as it will be
        setUnsaved(offered, place);
    } else if (error) {
        complain(lockTrouble, "cannot save the best game:", place.lock, describe(error));
        readTableIn(place, result.table);
        result.save = BestSave::failed;
        setUnsaved({}, place);
    } else {
        result = saveIfBest(place, offered);
        setUnsaved({}, place);
    }
    if (lock >= 0)
        close(lock);  // and with it the lock
    saving = 0;
    if (heldSignal)
        raise(heldSignal);
    return result;
}

BestOffer offerBestGames(const BestGames& games)
{
    clock_gettime(CLOCK_MONOTONIC, &triesBegan);
    return offer(games, 0);
}

BestOffer retryBestGames()
{
    BestOffer result = offer({}, 0);
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
    if (unsaved.count > 0 && offer({}, lockWaitMilliseconds).save == BestSave::waiting)
        fputs(atSignal.failed, stderr);
}
