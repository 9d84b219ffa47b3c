// score_test.cpp: the scoring rules over whole and unfinished games, and the
// best game's file across runs, good and bad.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "score/score.h"

// Pins down ball by ball, X for ten.
static std::vector<int> ballsOf(const char* text)
{
    std::vector<int> balls;
    for (const char* c = text; *c; c++)
        balls.push_back(*c == 'X' ? 10 : *c - '0');
    return balls;
}

// The cells as drawn, two a frame and three in the tenth, then the running
// totals known: "X 7/72 | 20 37".
static std::string written(const ScoreSheet& sheet)
{
    std::string text = sheet.marks;
    text = text.substr(0, text.find_last_not_of(' ') + 1) + " |";
    for (int total : sheet.runningTotals)
        if (total != noScore)
            text += " " + std::to_string(total);
    return text;
}

TEST(ScoreRules, MarksAndRunningTotalsOfWholeAndUnfinishedGames)
{
    struct Game { const char* balls; const char* sheet; };
    const Game games[] = {
        {"00000000000000000000", "-------------------- | 0 0 0 0 0 0 0 0 0 0"},
        {"XXXXXXXXXXXX", "X X X X X X X X X XXX | 30 60 90 120 150 180 210 240 270 300"},
        {"919191919191919191919", "9/9/9/9/9/9/9/9/9/9/9 | 19 38 57 76 95 114 133 152 171 190"},
        {"555555555555555555555", "5/5/5/5/5/5/5/5/5/5/5 | 15 30 45 60 75 90 105 120 135 150"},
        {"X55X55X55X55X55X", "X 5/X 5/X 5/X 5/X 5/X | 20 40 60 80 100 120 140 160 180 200"},
        {"90728163544536271809", "9-7281635445362718-9 | 9 18 27 36 45 54 63 72 81 90"},
        {"181818181818181818X72", "181818181818181818X72 | 9 18 27 36 45 54 63 72 81 100"},
        {"181818181818181818733", "1818181818181818187/3 | 9 18 27 36 45 54 63 72 81 94"},
        {"18181818181818181872", "18181818181818181872 | 9 18 27 36 45 54 63 72 81 90"},
        {"X72X", "X 72X | 19 28"},
        {"X91", "X 9/ | 20"},
        {"0X0", "-/- | 10"},  // ten after a gutter ball are a spare
    };
    for (const Game& game : games) {
        const std::vector<int> balls = ballsOf(game.balls);
        EXPECT_EQ(written(scoreSheet(balls.data(), (int)balls.size())), game.sheet) << game.balls;
    }
}

// Each case plays a game of 150 and then, in a second run, one of 0; %s is
// the data folder.
TEST(BestScore, KeptAcrossRunsAndReplacedWhenBad)
{
    struct Case { const char* path; const char* before; const char* err; const char* out; const char* after; };
    const char* const kept = "Game over: 150 points, best game 150\nGame over: 0 points, best game 150\n";
    const char* const lost = "Game over: 150 points, best game 150\nGame over: 0 points, best game 0\n";
    const Case cases[] = {
        {"bowling/best-score", nullptr, "", kept, "150\n"},
        {"bowling/best-score", "100\n", "", kept, "150\n"},
        {"bowling/best-score", "twelve\n", "bowling: ignoring the best game in %s/bowling/best-score: not a number\n", kept, "150\n"},
        {"bowling/best-score", "301\n", "bowling: ignoring the best game in %s/bowling/best-score: outside 0 to 300\n", kept, "150\n"},
        {"bowling", "a plain file\n", "bowling: cannot save the best game in %1$s/bowling: Not a directory\n"
                                      "bowling: cannot save the best game in %1$s/bowling: Not a directory\n", lost, "a plain file\n"},
    };
    for (const Case& c : cases) {
        const std::string data = testing::TempDir() + "BestScore" + std::to_string(&c - cases);
        std::filesystem::remove_all(data);
        if (c.before) {
            std::filesystem::create_directories(std::filesystem::path(data + "/" + c.path).parent_path());
            std::ofstream(data + "/" + c.path) << c.before;
        }
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        for (const char* game : {"555555555555555555555", "00000000000000000000"}) {
            keepScore(true);
            for (int pins : ballsOf(game))
                recordBall(pins);
        }
        keepScore(false);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out);
        char err[1024];
        snprintf(err, sizeof err, c.err, data.c_str());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), err);
        std::ifstream after(data + "/" + c.path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(after), {}), c.after);
    }
}
