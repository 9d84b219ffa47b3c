// best_table.h: the table of the best games as the text of its file, a
// line a game, best first: the score, the local date and the bowler's name,
// apart by tabs, as in "286\t2026-12-07\tBo\n". The date is "-" where it is
// not known, the name empty for the one unnamed bowler; a name may hold
// spaces and any UTF-8, never a control character. Every call here is safe
// in a signal handler: no stdio, no allocation, no locale.
#pragma once

#include <cstddef>

#include "command_line.h"

inline constexpr int bestGamesKept = 10;
inline constexpr size_t dateRoom = sizeof "2026-12-07";
inline constexpr char unknownDate[] = "-";

struct BestGame {
    int score;
    char date[dateRoom];  // YYYY-MM-DD, or unknownDate: earlier than any
    char name[bowlerNameRoom];
};

// Best first; of two alike, the earlier date, then the one kept longer.
struct BestGames {
    int count;
    BestGame games[bestGamesKept];
};

// A table's text is never longer: ten of the longest lines.
inline constexpr size_t tableTextRoom = bestGamesKept * (sizeof "300\t\t\n" + dateRoom + bowlerNameRoom);

// Puts game in its place, after any as good and as old; the game then past
// the tenth is dropped. Its place, or -1 where it is that one.
int insertGame(BestGames& table, const BestGame& game);
// Each of games put in its place; true where any was kept.
bool mergeGames(BestGames& table, const BestGames& games);

// False for anything but lines as above (a "\r" before each "\n" allowed),
// at most bestGamesKept of them; sorted as they are read.
bool parseTable(const char* text, size_t length, BestGames& table);

// The table's text, no longer than tableTextRoom; its length.
size_t formatTable(const BestGames& table, char* text);
