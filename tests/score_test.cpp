// score_test.cpp: the scoring rules over whole and unfinished games, and the
// best game's file across runs and between games racing, good and bad.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "score/score.h"
#include "sheet_text.h"

// Pins down ball by ball, X for ten.
static std::vector<int> ballsOf(const char* text)
{
    std::vector<int> balls;
    for (const char* c = text; *c; c++)
        balls.push_back(*c == 'X' ? 10 : *c - '0');
    return balls;
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
        EXPECT_EQ(sheetText(scoreSheet(balls.data(), (int)balls.size())), game.sheet) << game.balls;
    }
}

// Twenty balls of the same count: 0 to 80 points in steps of 20.
static void play(int score)
{
    for (int ball = 0; ball < 20; ball++)
        recordBall(score / 20);
}

// The files in the data folder but the lock, and what each holds.
static std::string listing(const std::string& folder)
{
    std::string text;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "best-score.lock") {
            std::ifstream in(entry.path());
            text += entry.path().filename().string() + "=" + std::string(std::istreambuf_iterator<char>(in), {}) + " ";
        }
    return text;
}

// Ends a game in a process of its own, as another window would, where no
// file may grow past sizeLimit bytes (-1: no limit); passes on its output.
static void playElsewhere(int score, long sizeLimit)
{
    int out[2], err[2];
    ASSERT_TRUE(pipe(out) == 0 && pipe(err) == 0);
    fflush(stdout);
    if (fork() == 0) {
        dup2(out[1], STDOUT_FILENO), dup2(err[1], STDERR_FILENO);
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
        const rlimit limit = {(rlim_t)sizeLimit, (rlim_t)sizeLimit};
        if (sizeLimit < 0 || setrlimit(RLIMIT_FSIZE, &limit) == 0)
            play(score);
        _exit(0);
    }
    close(out[1]), close(err[1]);
    for (auto [from, to] : {std::pair(out[0], stdout), std::pair(err[0], stderr)}) {
        for (char c; read(from, &c, 1) == 1;)
            fputc(c, to);
        close(from);
    }
    wait(nullptr);
}

// Two games on one data folder: the first ends elsewhere, then the second,
// started after it or, racing, before it. %s in err is the data folder.
TEST(BestScore, NeverLoweredNeverTrustedAndFailuresNamed)
{
    struct Case {
        const char* path;  // made in the data folder before the games
        mode_t kind;       // S_IFREG holding text, S_IFIFO, or 0 for none
        std::string text;
        int first, second;
        bool racing;
        long sizeLimit;    // for the first game's files; -1 for none
        const char* out;
        std::string err;
        const char* after;
    };
    const char* const kept = "Game over: 80 points, best game 80\nGame over: 0 points, best game 80\n";
    // Told at the start and again when the first game ends.
    const auto ignored = [](const std::string& why) {
        return "bowling: ignoring the best game in %1$s/bowling/best-score: " + why + "\n" +
               "bowling: ignoring the best game in %1$s/bowling/best-score: " + why + "\n";
    };
    const Case cases[] = {
        {"", 0, "", 80, 0, false, -1, kept, "", "best-score=80\n "},
        {"bowling/best-score", S_IFREG, " 42\n", 80, 0, false, -1, kept, ignored("not a number"), "best-score=80\n "},
        {"bowling/best-score", S_IFREG, std::string("42\0junk", 7), 80, 0, false, -1, kept, ignored("not a number"), "best-score=80\n "},
        {"bowling/best-score", S_IFREG, "301\n", 80, 0, false, -1, kept, ignored("outside 0 to 300"), "best-score=80\n "},
        {"bowling/best-score", S_IFIFO, "", 80, 0, false, -1, kept, ignored("not a regular file"), "best-score=80\n "},
        {"bowling", S_IFREG, "a plain file\n", 80, 0, false, -1,
         "Game over: 80 points, best game 80\nGame over: 0 points, best game 0\n",
         "bowling: cannot save the best game in %1$s/bowling: Not a directory\n"
         "bowling: cannot save the best game in %1$s/bowling: Not a directory\n", "bowling=a plain file\n "},
        {"bowling/best-score", S_IFREG, "60\n", 80, 0, false, 2,
         "Game over: 80 points, best game 80\nGame over: 0 points, best game 60\n",
         "bowling: cannot save the best game in %1$s/bowling: short write\n", "best-score=60\n "},
        {"bowling/best-score", S_IFREG, "10\n", 40, 20, true, -1,
         "Game over: 40 points, best game 40\nGame over: 20 points, best game 40\n", "", "best-score=40\n "},
        {"bowling/best-score", S_IFREG, "10\n", 20, 40, true, -1,
         "Game over: 20 points, best game 20\nGame over: 40 points, best game 40\n", "", "best-score=40\n "},
    };
    for (const Case& c : cases) {
        const std::string name = "case " + std::to_string(&c - cases);
        ScratchFolder data;
        std::filesystem::create_directories(std::filesystem::path(data / c.path).parent_path());
        if (c.kind == S_IFREG)
            std::ofstream(data / c.path) << c.text;
        if (c.kind == S_IFIFO) {
            ASSERT_EQ(mkfifo((data / c.path).c_str(), 0600), 0);
        }
        setenv("XDG_DATA_HOME", data.path.c_str(), 1);
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        keepScore(true);
        playElsewhere(c.first, c.sizeLimit);
        if (!c.racing)
            keepScore(true);
        play(c.second);
        keepScore(false);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out) << name;
        char err[1024];
        snprintf(err, sizeof err, c.err.c_str(), data.path.c_str());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), err) << name;
        EXPECT_EQ(listing(data.path), c.after) << name;
    }
}
