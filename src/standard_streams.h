// standard_streams.h: descriptors 0, 1 and 2 made safe before the game
// opens anything else.
#pragma once

#include <csignal>

// Opens a closed descriptor 0, 1 or 2 on /dev/null, so that nothing the
// game prints can land in a file or connection opened later in its place
// (the X server's, for one). Then gives standard output and error, where
// they are a pipe or a terminal, an open file description of the game's
// own that never waits: a line that cannot be written at once (a full
// pipe, a stopped terminal) is dropped, and the description the shell
// shares is left as it was. A socket never waits either; its shared
// description is put back at exit. Called before main opens anything.
void prepareStandardStreams();
// Puts a socket's blocking back now, for an exit that skips atexit.
void restoreStandardStreams();

// The signals that end the game as a session ends, and how a handler of
// them ends it: the socket's blocking put back, then as the signal would.
constexpr int endingSignals[] = {SIGHUP, SIGINT, SIGTERM};
void endAsSignalled(int number);
