// command_line.cpp: --help, --version, --score, --smooth, --sound, --real-physics, and nothing
// else of ours.
#include "command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

static const char usage[] =
    "Usage: bowling [--score] [--smooth] [--sound] [--real-physics]\n"
    "               [GLUT options such as -display DISPLAY]\n"
    "Ten-pin bowling in 3D. It reads its pictures, balltexture.bmp, floor.bmp\n"
    "and pintexture.bmp, from the folder it is started in, or else from its\n"
    "data folder (/usr/share/games/bowling when installed from the package).\n"
    "\n"
    "Options:\n"
    "  --score     keep score over ten-frame games, on a sheet above the lane,\n"
    "              and save the best game\n"
    "  --smooth    move the ball, the pins and the meter at the display's rate\n"
    "  --sound     hear the ball roll and the pins fall, where they are\n"
    "  --real-physics\n"
    "              roll a real ball at real pins on a real lane: pins fly,\n"
    "              tumble and lie where they fall; the ball can hook\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n";

const Control controls[] = {
    {"a, d", "slide the ball left or right (while aiming)", false},
    {"left, right", "turn the aim 2 degrees, a tenth of that with --real-physics (while aiming)", false},
    {"b", "bumpers on or off (while aiming)", false},
    {"space", "start the power meter, then release the ball", false},
    {"z", "world axes on or off", false},
    {"mouse drag", "swing the camera around the lane", false},
    {"up, down", "with --real-physics: the spin, straight to a strong hook either way (while aiming)", true},
    {"esc", "pause; then esc resumes, n starts a new game, q quits", true},
    {"f1, h", "all the keys", true},
    {"f11", "full screen on or off", true},
    {"home, c", "the camera back to the start view", true},
    {"v", "the view: following the ball, the bowler's, or from the side", true},
    {"r", "the last ball again, close up and slowed (while aiming); space skips it", true},
};
const int controlCount = sizeof controls / sizeof controls[0];

// The usage, then the keys: the list the player's keys panel shows too.
static void printHelp()
{
    fputs(usage, stdout);
    for (bool player : {false, true}) {
        fputs(player ? "\nWith any of the options, also:\n" : "\nControls:\n", stdout);
        for (const Control& control : controls)
            if (control.playerOnly == player)
                printf("  %-16s%s\n", control.keys, control.action);
    }
}

// Enough of an unknown option to recognise it by, however long it is.
static const int shownOptionLength = 40;

// How much of a longer option to show: shownOptionLength bytes or fewer,
// never half a UTF-8 character (whose later bytes are all 10xxxxxx).
static int shownLength(const char* option)
{
    int length = shownOptionLength;
    while (length > 0 && ((unsigned char)option[length] & 0xC0) == 0x80)
        length--;
    return length;
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
