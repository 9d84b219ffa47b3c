// data_folder.h: where the game keeps what it remembers between runs.
#pragma once

#include <climits>

// $XDG_DATA_HOME/bowling, or ~/.local/share/bowling when that is unset or,
// as the XDG rules have it, empty or not an absolute path. Its length, or -1
// when it does not fit.
int dataFolder(char (&folder)[PATH_MAX]);
