// bowler_names.h: last time's bowlers, one name a line in
// $XDG_DATA_HOME/bowling/bowlers, offered again by the start panel.
#pragma once

#include "command_line.h"

// The names kept, at most maxBowlers of them, in order; 0 where there are
// none. Never waits and never fails: a line that breaks the names' rules
// is skipped, and a file that is missing, no regular file or too long is
// read as far as it makes sense.
int readBowlerNames(char (*names)[bowlerNameRoom]);
// Keeps these names for the next start, replacing the file whole; trouble
// is told in one line on standard error and never ends the game.
void saveBowlerNames(const char (*names)[bowlerNameRoom], int count);
