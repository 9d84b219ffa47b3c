// data_folder.cpp: the data folder, from the environment or the user's home.
#include "data_folder.h"

#include <cstdio>
#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

int dataFolder(char (&folder)[PATH_MAX])
{
    const char* dataHome = getenv("XDG_DATA_HOME");
    const char* home = getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : "";
    }
    const int length = dataHome && dataHome[0] == '/' ? snprintf(folder, sizeof folder, "%s/bowling", dataHome)
                                                      : snprintf(folder, sizeof folder, "%s/.local/share/bowling", home);
    return length < (int)sizeof folder ? length : -1;
}
