// best_file.h: the best games' file at the level of system calls, shared by
// the saves of a game's end and the save as a signal ends the game: every
// call here is safe in a signal handler (no stdio, no allocation, buffers
// the caller gives), and each gives 0 or an errno.
#pragma once

#include <sys/types.h>

#include <cstddef>

inline constexpr int bestPossible = 300;
// Long enough for any other game's save; short enough that a game stopped
// (Ctrl+Z) while it holds the lock costs this one a moment, not its play.
inline constexpr int lockWaitMilliseconds = 2000;
inline constexpr int lockRetryMilliseconds = 20;
// A best file this long is no number of ours.
inline constexpr size_t bestTextRoom = 64;

// Digits, then nothing but line ends ("\n", or "\r\n" as some editors end
// lines, blank lines too).
enum class BestText { number, notANumber, outsideRange };
BestText parseBest(const char* text, size_t length, int* best);

// Reads at most size bytes of a regular file into text without ever
// waiting on a FIFO or device in its place, which gives ENODEV.
int readBestText(const char* path, char* text, size_t size, size_t* length);

// Opens the lock file, made if missing, never through a link (O_NOFOLLOW):
// a link or anything but a regular file in its place gives ENODEV.
int openLock(const char* path, int* lock);
// Takes the lock, waiting up to waitMilliseconds for another game's save;
// EWOULDBLOCK where another game kept it all along.
int takeLock(int lock, int waitMilliseconds);
