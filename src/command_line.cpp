// command_line.cpp: --help, --version, --score, --bowlers, --smooth, --sound, --real-physics,
// and nothing else of ours.
#include "command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

static const char usage[] =
    "Usage: bowling [--score] [--bowlers [NAMES]] [--smooth] [--sound]\n"
    "               [--real-physics] [GLUT options such as -display DISPLAY]\n"
    "Ten-pin bowling in 3D. It reads its pictures, balltexture.bmp, floor.bmp\n"
    "and pintexture.bmp, from the folder it is started in, or else from its\n"
    "data folder (/usr/share/games/bowling when installed from the package).\n"
    "\n"
    "Options:\n"
    "  --score     keep score over ten-frame games, on a sheet above the lane,\n"
    "              and save the best game\n"
    "  --bowlers NAMES\n"
    "              the bowlers who take turns, 1 to 6 names split by commas,\n"
    "              each 1 to 16 characters; alone, the game asks at the start\n"
    "  --smooth    move the ball, the pins and the meter at the display's rate\n"
    "  --sound     hear the ball roll and the pins fall, where they are\n"
    "  --real-physics\n"
    "              roll a real ball at real pins on a real lane: pins fly,\n"
    "              tumble and lie where they fall; the ball can hook\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n";

const Control controls[] = {
    {"a, d", "slide the ball left or right (while aiming)", KeysOf::everyGame},
    {"left, right", "turn the aim (while aiming)", KeysOf::everyGame},
    {"b", "bumpers on or off (while aiming)", KeysOf::everyGame},
    {"space", "start the speed meter, then release the ball", KeysOf::everyGame},
    {"mouse drag", "swing the camera around the lane", KeysOf::everyGame},
    {"esc", "pause; then esc resumes, n starts a new game, q quits", KeysOf::playerGame},
    {"f1, h", "all the keys", KeysOf::playerGame},
    {"f11", "full screen on or off", KeysOf::playerGame},
    {"home, c", "the camera back to the start view", KeysOf::playerGame},
    {"v", "the view: following the ball, the bowler's, or from the side", KeysOf::playerGame},
    {"up, down", "more or less hook, down past straight to the other side (while aiming)", KeysOf::realBalls},
    {"l", "a right- or left-handed bowler (while aiming)", KeysOf::realBalls},
    {"r", "the last ball again, close up and slowed (while aiming); space skips it", KeysOf::playerGame},
    {"t", "the ten best games, with --score; t, esc or space closes them", KeysOf::playerGame},
};
const int controlCount = sizeof controls / sizeof controls[0];

// The usage, then the keys: the list the player's keys panel shows too.
static void printHelp()
{
    fputs(usage, stdout);
    static const char* const headings[] = {"\nControls:\n", "\nWith any of the options, also:\n",
                                           "\nWith --real-physics, also:\n"};
    for (KeysOf game : {KeysOf::everyGame, KeysOf::playerGame, KeysOf::realBalls}) {
        fputs(headings[(int)game], stdout);
        for (const Control& control : controls)
            if (control.game == game)
                printf("  %-16s%s\n", control.keys, control.action);
    }
}

// Enough of an unknown option to recognise it by, however long it is.
static const int shownOptionLength = 40;

// A UTF-8 character's lead byte is followed by at most this many 10xxxxxx.
static const int longestUtf8Tail = 3;

// How much of a longer option to show: shownOptionLength bytes or fewer,
// never half a UTF-8 character; bytes that are no UTF-8 are cut anywhere.
static int shownLength(const char* option)
{
    int length = shownOptionLength;
    while (length > shownOptionLength - longestUtf8Tail && ((unsigned char)option[length] & 0xC0) == 0x80)
        length--;
    return ((unsigned char)option[length] & 0xC0) == 0x80 ? shownOptionLength : length;
}

// Help or version: a caller reading them must learn when they were lost.
static void printAndExit(const char* text)
{
    fputs(text, stdout);
    if (fflush(stdout) == 0 && !ferror(stdout))
        exit(0);
    fprintf(stderr, "bowling: cannot write to standard output: %s\n", strerror(errno));
    exit(1);
}

// Why the name of the given length breaks the rules, or nullptr: written
// in UTF-8 with no control character, 1 to longestBowlerName characters,
// each one the game's font draws (its printable ASCII).
static const char* nameTrouble(const char* name, int length, char undrawn[5])
{
    int characters = 0, wide = -1, wideBytes = 0;  // the first character beyond ASCII
    for (int i = 0; i < length; characters++) {
        const unsigned char lead = name[i];
        const int bytes = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                        : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
        if (bytes == 0 || i + bytes > length)
            return "is not UTF-8";
        for (int tail = 1; tail < bytes; tail++)
            if (((unsigned char)name[i + tail] & 0xC0) != 0x80)
                return "is not UTF-8";
        if (lead < 0x20 || lead == 0x7F || (lead == 0xC2 && (unsigned char)name[i + 1] < 0xA0))
            return "holds a control character";
        if (bytes > 1 && wide < 0)
            wide = i, wideBytes = bytes;
        i += bytes;
    }
    static char tooLong[48];
    snprintf(tooLong, sizeof tooLong, "is longer than %d characters", longestBowlerName);
    if (characters == 0 || characters > longestBowlerName)
        return characters == 0 ? "is empty" : tooLong;
    if (wide < 0)
        return nullptr;
    snprintf(undrawn, 5, "%.*s", wideBytes, name + wide);
    return "holds a character the game's font cannot draw";
}

bool goodBowlerName(const char* name, int length)
{
    char undrawn[5];
    // A comma could never come through --bowlers, where it parts the names.
    return nameTrouble(name, length, undrawn) == nullptr && !memchr(name, ',', length);
}

// The names of "Ann,Bo,Cy", or one line saying which breaks the rules and
// exit 2.
static void readBowlers(const char* list, CommandLine* options)
{
    for (const char* name = list;; options->bowlerCount++) {
        const int length = (int)strcspn(name, ",");
        char undrawn[5] = "";
        if (options->bowlerCount == maxBowlers) {
            fprintf(stderr, "bowling: --bowlers: more than %d names\n", maxBowlers);
            exit(2);
        }
        if (const char* trouble = nameTrouble(name, length, undrawn)) {
            fprintf(stderr, "bowling: --bowlers: name %d %s%s%s%s\n", options->bowlerCount + 1, trouble,
                    undrawn[0] ? " (\"" : "", undrawn, undrawn[0] ? "\")" : "");
            exit(2);
        }
        snprintf(options->bowlers[options->bowlerCount], bowlerNameRoom, "%.*s", length, name);
        if (name[length] == '\0')
            break;
        name += length + 1;
    }
    options->bowlerCount++;
}

CommandLine readCommandLine(int* argc, char** argv)
{
    CommandLine options;
    int kept = 1;
    int i = 1;
    for (; i < *argc && strcmp(argv[i], "--") != 0; i++) {
        const char* arg = argv[i];
        if (strncmp(arg, "--", 2) != 0) {
            argv[kept++] = argv[i];
        } else if (strcmp(arg, "--score") == 0) {
            options.keepScore = true;
        } else if (strcmp(arg, "--bowlers") == 0) {
            options.keepScore = true;  // bowlers named are bowlers scored
            // Alone where no list follows: the next is another option, or none.
            if (i + 1 < *argc && argv[i + 1][0] != '-')
                readBowlers(argv[++i], &options);
            else
                options.askBowlers = true;
        } else if (strcmp(arg, "--smooth") == 0) {
            options.smoothMotion = true;
        } else if (strcmp(arg, "--sound") == 0) {
            options.playSound = true;
        } else if (strcmp(arg, "--real-physics") == 0) {
            options.realPhysics = true;
        } else if (strcmp(arg, "--help") == 0) {
            printHelp();
            printAndExit("");
        } else if (strcmp(arg, "--version") == 0) {
            printAndExit("bowling " BOWLING_VERSION "\n");
        } else {
            const bool cut = strlen(arg) > shownOptionLength;
            fprintf(stderr, "bowling: unknown option %.*s%s (try bowling --help)\n",
                    cut ? shownLength(arg) : shownOptionLength, arg, cut ? "..." : "");
            exit(2);
        }
    }
    // "--" ends our options: all after it is GLUT's, whatever it looks like.
    for (i++; i < *argc; i++)
        argv[kept++] = argv[i];
    argv[kept] = nullptr;
    *argc = kept;
    return options;
}
