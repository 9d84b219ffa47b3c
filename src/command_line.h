// command_line.h: the game's own options, read before GLUT sees the rest.
#pragma once

inline constexpr int maxBowlers = 6;
inline constexpr int longestBowlerName = 16;  // characters
// The bytes of the longest name in UTF-8, and its end.
inline constexpr int bowlerNameRoom = longestBowlerName * 4 + 1;

struct CommandLine {
    bool keepScore = false;     // --score: ten-frame games and a saved best game
    bool askBowlers = false;    // --bowlers alone: the names asked at the start; with
                                // or without names, --bowlers keeps score
    int bowlerCount = 0;        // --bowlers NAMES: how many, 0 without
    char bowlers[maxBowlers][bowlerNameRoom] = {};
    bool smoothMotion = false;  // --smooth: motion at the display's rate
    bool playSound = false;     // --sound: the ball and the pins heard
    bool realPhysics = false;   // --real-physics: rigid-body ball and pins on a real lane
};

// Takes the options that start with "--" out of argv and leaves the rest,
// GLUT's own (-display, -geometry, ...), for glutInit; "--" ends our options
// and is dropped. --help and --version print and exit 0, or 1 where their
// output could not be written; an unknown "--" option is named on standard
// error, cut short if long, and exits 2, as do bowlers' names that break
// the rules, with one line saying which and why. None of this needs a
// display.
CommandLine readCommandLine(int* argc, char** argv);

// The name of length bytes keeps the rules of --bowlers, wherever it comes
// from: 1 to longestBowlerName characters the game's font draws, no comma.
bool goodBowlerName(const char* name, int length);

// Which games a key acts in: every one, the player's (with any option),
// or the player's with real balls that spin.
enum class KeysOf { everyGame, playerGame, realBalls };

// A key of the game and what it does, for --help and the player's keys panel.
struct Control {
    const char* keys;     // as written for the player: "a, d"
    const char* action;
    KeysOf game;
};
extern const Control controls[];
extern const int controlCount;
