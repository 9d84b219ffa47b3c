// data_folder.h: where the game keeps what it remembers between runs.
#pragma once

#include <climits>
#include <cstddef>

// $XDG_DATA_HOME/bowling, or ~/.local/share/bowling when that is unset or,
// as the XDG rules have it, empty or not an absolute path. Its length, or -1
// when it does not fit.
int dataFolder(char (&folder)[PATH_MAX]);

// Replaces the file called name in the data folder with text, making the
// folder if missing, private to the user: a new file made to last, then
// renamed over the old, so the file is never half written. 0 or an errno;
// on failure the file is as it was.
int saveInDataFolder(const char* name, const char* text, size_t length);
