// score_test.cpp: the best game's file across runs and between games
// racing, good and bad. The rules are checked ball by ball in the golden
// session tests/golden/sheets.txt.
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

#include "scratch_folder.h"
#include "score/score.h"

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
