// sheet_text.h: a score sheet as text, the cells as drawn, two a frame and
// three in the tenth, then the running totals known: "X 7/72 | 20 37".
#pragma once

#include <string>

#include "score/score.h"

inline std::string sheetText(const ScoreSheet& sheet)
{
    std::string text = sheet.marks;
    text = text.substr(0, text.find_last_not_of(' ') + 1) + " |";
    for (int total : sheet.runningTotals)
        if (total != noScore)
            text += " " + std::to_string(total);
    return text;
}
