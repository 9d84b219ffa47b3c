// bowler_names.cpp: the bowlers' names file, a name a line. Written only
// by the game, but read as anything a player or a crash may leave.
#include "score/bowler_names.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "data_folder.h"
#include "regular_file.h"

static const char fileName[] = "bowlers";
// Every name at its longest with its newline, and then some: what lies
// beyond is no file of ours, and is not read.
static const int fileRoom = 1024;

int readBowlerNames(char (*names)[bowlerNameRoom])
{
    char path[PATH_MAX];
    if (dataFolder(path) < 0 || strlen(path) + sizeof fileName + 1 > sizeof path)
        return 0;
    strcat(strcat(path, "/"), fileName);
    FILE* file = openRegularFile(path);
    if (!file)
        return 0;
    char text[fileRoom];
    const size_t length = fread(text, 1, fileRoom, file);
    fclose(file);
    int count = 0;
    // A last line cut short by the room is not a name; one without its
    // newline, at the file's end, is.
    for (const char* line = text; count < maxBowlers && line < text + length;) {
        const char* end = (const char*)memchr(line, '\n', text + length - line);
        if (!end && length == fileRoom)
            break;
        end = end ? end : text + length;
        const int lineLength = (int)(end - line);
        if (goodBowlerName(line, lineLength))
            snprintf(names[count++], bowlerNameRoom, "%.*s", lineLength, line);
        line = end + 1;
    }
    return count;
}

void saveBowlerNames(const char (*names)[bowlerNameRoom], int count)
{
    char text[maxBowlers * (bowlerNameRoom + 1)];  // each with its newline
    size_t length = 0;
    for (int bowler = 0; bowler < count; bowler++)
        length += snprintf(text + length, sizeof text - length, "%s\n", names[bowler]);
    if (const int error = saveInDataFolder(fileName, text, length))
        fprintf(stderr, "bowling: cannot keep the bowlers' names: %s\n", strerror(error));
}
