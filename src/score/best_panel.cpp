// best_panel.cpp: the best games in a panel, a row each: its place, the
// score, the date and the bowler, what is not known as "?".
#include <cstdio>
#include <cstring>

#include "overlay/overlay.h"
#include "score/score.h"

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
