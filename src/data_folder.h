// data_folder.h: where the game keeps what it remembers between runs.
#pragma once

#include <climits>
#include <cstddef>

// $XDG_DATA_HOME/bowling, or ~/.local/share/bowling when that is unset or,
// as the XDG rules have it, empty or not an absolute path. Its length, or -1
// when it does not fit.
int dataFolder(char (&folder)[PATH_MAX]);

// Makes the folder and any above it that are missing, as mkdir -p does but
// private to the user, as the XDG rules ask; 0 or the error.
int makeFolders(char* path);
// The file a save replaces: the file itself, or the one its link names
// (through every link, or one that is not there yet), so a link into a
// synced folder stays a link.
void findTarget(const char* file, char (&target)[PATH_MAX]);

// Writes the text to a new file made to last (descriptor, named
// temporary), closes it and renames it over target; 0 or an errno, and
// then the temporary is gone. Only calls a signal handler may make.
int replaceFile(int descriptor, const char* temporary, const char* target, const char* text, size_t length);

// Replaces the file called name in the data folder with text, making the
// folder if missing, private to the user: a new file made to last, then
// renamed over the old (or over what its link names), so the file is never
// half written. 0 or an errno; on failure the file is as it was.
int saveInDataFolder(const char* name, const char* text, size_t length);
