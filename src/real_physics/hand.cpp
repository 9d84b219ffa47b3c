// hand.cpp: the hand in $XDG_DATA_HOME/bowling/hand ("right" or "left"),
// written to a new file renamed over the old so it is never half written,
// and read as anything but "left" meaning the right.
#include "real_physics/hand.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "data_folder.h"
#include "regular_file.h"

static const char leftWord[] = "left\n";
static const char rightWord[] = "right\n";

// The data folder, with room for the hand's file and its temporary.
static bool findFolder(char (&folder)[PATH_MAX])
{
    const int length = dataFolder(folder);
    return length >= 0 && length + sizeof "/hand.XXXXXX" <= sizeof folder;
}

Hand savedHand()
{
    char path[PATH_MAX];
    if (!findFolder(path))
        return Hand::right;
    strcat(path, "/hand");
    FILE* file = openRegularFile(path);
    if (!file)
        return Hand::right;
    char text[sizeof leftWord + 1];  // room to see there is more
    text[fread(text, 1, sizeof text - 1, file)] = '\0';
    fclose(file);
    return strcmp(text, leftWord) == 0 ? Hand::left : Hand::right;
}

// Each folder above the file made where missing, private to the user.
static bool makeFolders(char* path)
{
    for (char* slash = strchr(path + 1, '/');; slash = strchr(slash + 1, '/')) {
        if (slash)
            *slash = '\0';
        const bool made = mkdir(path, 0700) == 0 || errno == EEXIST;
        if (slash)
            *slash = '/';
        if (!made || !slash)
            return made;
    }
}

void saveHand(Hand hand)
{
    static bool told = false;
    char folder[PATH_MAX], file[PATH_MAX + 16], temporary[PATH_MAX + 16];
    bool saved = findFolder(folder) && makeFolders(folder);
    if (saved) {
        snprintf(file, sizeof file, "%s/hand", folder);
        snprintf(temporary, sizeof temporary, "%s/hand.XXXXXX", folder);
        const int descriptor = mkstemp(temporary);
        const char* word = hand == Hand::left ? leftWord : rightWord;
        const ssize_t length = (ssize_t)strlen(word);
        saved = descriptor >= 0 && write(descriptor, word, length) == length && fsync(descriptor) == 0;
        saved = descriptor >= 0 && close(descriptor) == 0 && saved && rename(temporary, file) == 0;
        if (!saved && descriptor >= 0)
            unlink(temporary);
    }
    if (!saved && !told)
        fprintf(stderr, "bowling: cannot save the hand in %s: %s\n", folder, strerror(errno));
    told = told || !saved;
}
