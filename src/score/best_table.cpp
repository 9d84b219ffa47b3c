// best_table.cpp: the best games' text, read and written by hand on fixed
// buffers, so a signal handler may save a table too.
#include "score/best_table.h"

#include <cstring>

#include "score/best_file.h"

static bool before(const BestGame& a, const BestGame& b)
{
    return a.score > b.score || (a.score == b.score && strcmp(a.date, b.date) < 0);
}

int insertGame(BestGames& table, const BestGame& game)
{
    int place = table.count;
    while (place > 0 && before(game, table.games[place - 1]))
        place--;
    if (place == bestGamesKept)
        return -1;
    table.count += table.count < bestGamesKept;
    memmove(&table.games[place + 1], &table.games[place], (table.count - 1 - place) * sizeof table.games[0]);
    table.games[place] = game;
    return place;
}

bool mergeGames(BestGames& table, const BestGames& games)
{
    bool kept = false;
    for (int i = 0; i < games.count; i++)
        kept = insertGame(table, games.games[i]) >= 0 || kept;
    return kept;
}

static bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A date as the table writes it: "-", or digits as in 2026-12-07.
static bool isDate(const char* text, size_t length)
{
    if (length == 1)
        return text[0] == unknownDate[0];
    if (length != dateRoom - 1)
        return false;
    for (size_t i = 0; i < length; i++)
        if (i == 4 || i == 7 ? text[i] != '-' : !isDigit(text[i]))
            return false;
    return true;
}

// One line without its end into game; false where it is no game of ours.
static bool parseGame(const char* line, size_t length, BestGame& game)
{
    const char* const end = line + length;
    const char* dateStart = line;
    game.score = 0;
    for (; dateStart < end && isDigit(*dateStart) && dateStart - line < 3; dateStart++)
        game.score = game.score * 10 + (*dateStart - '0');
    if (dateStart == line || dateStart == end || *dateStart++ != '\t' || game.score > bestPossible)
        return false;
    const char* dateEnd = (const char*)memchr(dateStart, '\t', end - dateStart);
    if (!dateEnd || !isDate(dateStart, dateEnd - dateStart))
        return false;
    memcpy(game.date, dateStart, dateEnd - dateStart);
    game.date[dateEnd - dateStart] = '\0';
    const char* name = dateEnd + 1;
    if (end - name >= (long)bowlerNameRoom)
        return false;
    for (const char* c = name; c < end; c++)
        if ((unsigned char)*c < ' ' || *c == '\x7f')
            return false;
    memcpy(game.name, name, end - name);
    game.name[end - name] = '\0';
    return true;
}

bool parseTable(const char* text, size_t length, BestGames& table)
{
    table.count = 0;
    for (const char* line = text; line < text + length;) {
        const char* end = (const char*)memchr(line, '\n', text + length - line);
        BestGame game;
        if (!end || table.count == bestGamesKept ||
            !parseGame(line, end - line - (end > line && end[-1] == '\r'), game)) {
            table.count = 0;
            return false;
        }
        insertGame(table, game);
        line = end + 1;
    }
    return true;
}

static char* append(char* to, const char* text)
{
    const size_t length = strlen(text);
    memcpy(to, text, length);
    return to + length;
}

size_t formatTable(const BestGames& table, char* text)
{
    char* end = text;
    for (int i = 0; i < table.count; i++) {
        const BestGame& game = table.games[i];
        char digits[4] = {}, *first = digits + 3;
        for (int left = game.score; first == digits + 3 || left > 0; left /= 10)
            *--first = (char)('0' + left % 10);
        end = append(append(append(append(append(end, first), "\t"), game.date), "\t"), game.name);
        *end++ = '\n';
    }
    return end - text;
}
