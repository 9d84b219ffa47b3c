// score_test.cpp: the best game's file across runs and between games
// racing, good and bad. The rules are checked ball by ball in the golden
// session tests/golden/sheets.txt.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
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
#include <set>
#include <string>

#include "scratch_folder.h"
#include "score/score.h"

// Twenty balls of the same count: 0 to 80 points in steps of 20.
static void play(int score)
{
    for (int ball = 0; ball < 20; ball++)
        recordBall(score / 20);
}

// Every file under the data folder but the lock, each with what it holds
// if it is a regular file.
static std::string listing(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (!entry.is_directory() && entry.path().filename() != "best-score.lock") {
            std::string text;
            if (entry.is_regular_file()) {
                std::ifstream in(entry.path());
                text = "=" + std::string(std::istreambuf_iterator<char>(in), {});
            }
            names.insert(entry.path().lexically_relative(folder).string() + text);
        }
    std::string text;
    for (const std::string& name : names)
        text += name + " ";
    return text;
}

// One byte through a pipe, to keep two processes in step.
static void step(int to)
{
    if (write(to, "-", 1) != 1)
        abort();
}
static void awaitStep(int from)
{
    char byte;
    if (read(from, &byte, 1) != 1)
        abort();
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
        mode_t kind;       // S_IFREG holding text, S_IFIFO, S_IFDIR holding a
                           // file, beside a best-score.unreadable, both holding
                           // text, or 0 for none
        std::string text;
        int first, second;
        bool racing;
        long sizeLimit;    // for the first game's files; -1 for none
        const char* out;
        std::string err;
        std::string after;
    };
    const char* const kept = "Game over: 80 points, best game 80\nGame over: 0 points, best game 80\n";
    // Told once as the games start; the first game's end keeps the file.
    const auto movedAside = [](const std::string& why, const char* to = "best-score.unreadable") {
        return "bowling: ignoring the best game in %1$s/bowling/best-score: " + why + "\n" +
               "bowling: moved %1$s/bowling/best-score, which could not be read, to %1$s/bowling/" + to + "\n";
    };
    const std::string saved = "bowling/best-score=80\n ";
    const Case cases[] = {
        {"", 0, "", 80, 0, false, -1, kept, "", saved},
        {"bowling/best-score", S_IFREG, " 42\n", 80, 0, false, -1, kept, movedAside("not a number"),
         "bowling/best-score.unreadable= 42\n " + saved},
        {"bowling/best-score", S_IFREG, std::string("42\0junk", 7), 80, 0, false, -1, kept, movedAside("not a number"),
         "bowling/best-score.unreadable=" + std::string("42\0junk", 7) + " " + saved},
        {"bowling/best-score", S_IFREG, "301\n", 80, 0, false, -1, kept, movedAside("outside 0 to 300"),
         "bowling/best-score.unreadable=301\n " + saved},
        {"bowling/best-score", S_IFREG, "200\r", 80, 0, false, -1, kept, movedAside("not a number"),
         "bowling/best-score.unreadable=200\r " + saved},
        {"bowling/best-score", S_IFIFO, "", 80, 0, false, -1, kept, movedAside("not a regular file"),
         "bowling/best-score.unreadable " + saved},
        {"bowling/best-score", S_IFDIR, "older\n", 80, 0, false, -1, kept,
         movedAside("not a regular file", "best-score.unreadable.1"),
         "bowling/best-score.unreadable.1/inside=older\n bowling/best-score.unreadable=older\n " + saved},
        {"bowling/best-score", S_IFREG, "200\r\n", 80, 0, false, -1,
         "Game over: 80 points, best game 200\nGame over: 0 points, best game 200\n", "", "bowling/best-score=200\r\n "},
        {"bowling/best-score", S_IFREG, "200\n\n", 80, 0, false, -1,
         "Game over: 80 points, best game 200\nGame over: 0 points, best game 200\n", "", "bowling/best-score=200\n\n "},
        {"bowling", S_IFREG, "a plain file\n", 80, 0, false, -1,
         "Game over: 80 points, best game 80\nGame over: 0 points, best game 0\n",
         "bowling: cannot save the best game: %1$s/bowling/best-score.lock: Not a directory\n"
         "bowling: cannot save the best game: %1$s/bowling/best-score.lock: Not a directory\n", "bowling=a plain file\n "},
        {"bowling/best-score", S_IFREG, "60\n", 80, 0, false, 2,
         "Game over: 80 points, best game 80\nGame over: 0 points, best game 60\n",
         "bowling: cannot save the best game in %1$s/bowling: short write\n", "bowling/best-score=60\n "},
        {"bowling/best-score", S_IFREG, "10\n", 40, 20, true, -1,
         "Game over: 40 points, best game 40\nGame over: 20 points, best game 40\n", "", "bowling/best-score=40\n "},
        {"bowling/best-score", S_IFREG, "10\n", 20, 40, true, -1,
         "Game over: 20 points, best game 20\nGame over: 40 points, best game 40\n", "", "bowling/best-score=40\n "},
    };
    for (const Case& c : cases) {
        const std::string name = "case " + std::to_string(&c - cases);
        ScratchFolder data;
        std::filesystem::create_directories(std::filesystem::path(data / c.path).parent_path());
        if (c.kind == S_IFREG)
            std::ofstream(data / c.path) << c.text;
        if (c.kind == S_IFDIR) {
            std::filesystem::create_directory(data / c.path);
            std::ofstream(data / c.path + "/inside") << c.text;
            std::ofstream(data / c.path + ".unreadable") << c.text;
        }
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

// The end of a game of 40 in a process of its own, over a best file of 10,
// while this test holds the lock as another game's save would: until the
// game has waited for it and given up, or only until the game has begun to
// wait. Then, still holding it, the test saves held, lets go, and the game
// plays a game of 0 or exits.
TEST(BestScore, LockHeldTooLongDelaysTheSaveAndLosesNothing)
{
    struct Case { bool heldUntilGivenUp; int held; bool thenExits; const char* out; const char* after; };
    const char* const first = "Game over: 40 points, best game 40\n";
    const Case cases[] = {
        {false, 60, false, "Game over: 40 points, best game 60\nGame over: 0 points, best game 60\n", "60"},
        {true, 30, false, "Game over: 40 points, best game 40\nGame over: 0 points, best game 40\n", "40"},
        {true, 30, true, first, "40"},
        {true, 60, true, first, "60"},
    };
    for (const Case& c : cases) {
        const std::string name = "case " + std::to_string(&c - cases);
        ScratchFolder data;
        std::filesystem::create_directory(data / "bowling");
        std::ofstream(data / "bowling/best-score") << "10\n";
        setenv("XDG_DATA_HOME", data.path.c_str(), 1);
        const int lock = open((data / "bowling/best-score.lock").c_str(), O_RDWR | O_CREAT, 0600);
        ASSERT_EQ(flock(lock, LOCK_EX), 0);
        int out[2], err[2], ready[2], go[2];
        ASSERT_TRUE(pipe(out) == 0 && pipe(err) == 0 && pipe(ready) == 0 && pipe(go) == 0);
        fflush(stdout);
        const pid_t game = fork();
        if (game == 0) {
            close(lock);
            dup2(out[1], STDOUT_FILENO), dup2(err[1], STDERR_FILENO);
            keepScore(true);
            step(ready[1]);  // about to end its game
            play(40);
            step(ready[1]);
            awaitStep(go[0]);
            if (c.thenExits)
                exit(0);
            play(0);
            _exit(0);  // so the save seen is the one at the game's end
        }
        awaitStep(ready[0]);
        if (c.heldUntilGivenUp)
            awaitStep(ready[0]);
        else
            usleep(100000);  // a head start into the wait; no outcome depends on it
        std::ofstream(data / "bowling/best-score") << c.held << "\n";
        close(lock);
        step(go[1]);
        int status;
        waitpid(game, &status, 0);
        EXPECT_TRUE(WIFEXITED(status)) << name;
        for (int* p : {out, err, ready, go})
            close(p[1]);
        std::string said[2];
        for (int i : {0, 1})
            for (char ch; read(i ? err[0] : out[0], &ch, 1) == 1;)
                said[i] += ch;
        for (int* p : {out, err, ready, go})
            close(p[0]);
        EXPECT_EQ(said[0], c.out) << name;
        EXPECT_EQ(said[1], c.heldUntilGivenUp ? "bowling: cannot save the best game yet: " + data.path +
                               "/bowling/best-score.lock: another game holds it; trying again after the next game and at exit\n"
                                              : "") << name;
        EXPECT_EQ(listing(data.path), "bowling/best-score=" + std::string(c.after) + "\n ") << name;
    }
}

// Set in a game by the test below: its save says it is under way, between
// the new file's writing and its rename, then waits to be let on.
static int insideSave = -1, letOn = -1;
extern "C" int __real_fsync(int descriptor);
extern "C" int __wrap_fsync(int descriptor)
{
    if (insideSave >= 0)
        step(insideSave), awaitStep(letOn);
    return __real_fsync(descriptor);
}

// A game signalled in the middle of its save: the save finishes, leaves no
// temporary file, and the signal then ends the game.
TEST(BestScore, SaveFinishesBeforeASignalEndsTheGame)
{
    for (int number : {SIGINT, SIGTERM, SIGHUP}) {
        ScratchFolder data;
        setenv("XDG_DATA_HOME", data.path.c_str(), 1);
        int inside[2], go[2];
        ASSERT_TRUE(pipe(inside) == 0 && pipe(go) == 0);
        fflush(stdout);
        const pid_t game = fork();
        if (game == 0) {
            signal(number, SIG_DFL);
            insideSave = inside[1], letOn = go[0];
            keepScore(true);
            play(40);
            _exit(0);
        }
        awaitStep(inside[0]);
        kill(game, number);
        step(go[1]);
        int status;
        waitpid(game, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == number) << strsignal(number);
        EXPECT_EQ(listing(data.path), "bowling/best-score=40\n ") << strsignal(number);
        for (int descriptor : {inside[0], inside[1], go[0], go[1]})
            close(descriptor);
    }
}
