// best_panel.cpp: the best games in a panel, a row each: its place, the
// score, the date and the bowler, what is not known as "?"; a game's own
// rows marked.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "overlay/overlay.h"
#include "score/score.h"

void markGames(const BestGames& table, const BestGames& games, bool* marked)
{
    std::fill(marked, marked + bestGamesKept, false);
    for (int i = 0; i < games.count; i++) {
        const BestGame& game = games.games[i];
        for (int row = table.count - 1; row >= 0; row--) {
            const BestGame& kept = table.games[row];
            if (!marked[row] && kept.score == game.score && strcmp(kept.date, game.date) == 0 &&
                strcmp(kept.name, game.name) == 0) {
                marked[row] = true;
                break;
            }
        }
    }
}

void drawBestGames(const char* title, const char* const* above, int aboveCount, const BestGames& table,
                   const bool* marked, const char* below)
{
    char rows[bestGamesKept][sizeof "> 10.\t300\t\t" + dateRoom + bowlerNameRoom];
    const char* lines[maxPanelLinesAbove + bestGamesKept + 1];
    int count = 0;
    for (int i = 0; i < aboveCount && i < maxPanelLinesAbove; i++)
        lines[count++] = above[i];
    for (int i = 0; i < table.count; i++) {
        const BestGame& game = table.games[i];
        snprintf(rows[i], sizeof rows[i], "%s%d.\t%d\t%s\t%s", marked && marked[i] ? "> " : "", i + 1, game.score,
                 strcmp(game.date, unknownDate) != 0 ? game.date : "?", *game.name ? game.name : "?");
        lines[count++] = rows[i];
    }
    lines[count++] = below;
    drawPanel(title, lines, count);
}
