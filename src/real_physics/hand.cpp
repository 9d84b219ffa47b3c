// hand.cpp: the hand in $XDG_DATA_HOME/bowling/hand ("right" or "left"),
// written to a new file renamed over the old so it is never half written,
// and read as anything but "left" meaning the right.
#include "real_physics/hand.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "data_folder.h"
#include "regular_file.h"

static const char leftWord[] = "left\n";
static const char rightWord[] = "right\n";

Hand savedHand()
{
    char folder[PATH_MAX], path[PATH_MAX + sizeof "/hand"];
    if (dataFolder(folder) < 0)
        return Hand::right;
    snprintf(path, sizeof path, "%s/hand", folder);
    FILE* file = openRegularFile(path);
    if (!file)
        return Hand::right;
    char text[sizeof leftWord + 1];  // room to see there is more
    text[fread(text, 1, sizeof text - 1, file)] = '\0';
    fclose(file);
    return strcmp(text, leftWord) == 0 ? Hand::left : Hand::right;
}

void saveHand(Hand hand)
{
    static bool told = false;
    const char* word = hand == Hand::left ? leftWord : rightWord;
    const int error = saveInDataFolder("hand", word, strlen(word));
    if (error && !told)
        fprintf(stderr, "bowling: cannot save the hand: %s\n", strerror(error));
    told = told || error;
}
