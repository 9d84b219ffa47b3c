// score_test.cpp: bowlers taking turns; the best games' file across runs,
// good and bad, between games racing or holding the lock, and signalled half
// way through a save. The rules are checked ball by ball in the golden
// tests/golden/sheets.txt.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "final.h"
#include "scratch_folder.h"
#include "score/score.h"

// Twenty balls of the same count: 0 to 80 points in steps of 20.
static void play(int score)
{
    for (int ball = 0; ball < 20; ball++)
        recordBall(score / 20);
}

// pattern rolled times over, then the rest.
static std::vector<int> balls(std::vector<int> pattern, int times, std::vector<int> rest)
{
    std::vector<int> all;
    for (int time = 0; time < times; time++)
        all.insert(all.end(), pattern.begin(), pattern.end());
    all.insert(all.end(), rest.begin(), rest.end());
    return all;
}

// Whole games bowled in turn, frame by frame; each bowler's tenth frame
// with its extra balls before the next bowler's. The game is over at the
// last ball, not before; the game's frame is ended, for a full rack, as
// the next bowler comes up or the game is over, never otherwise.
TEST(Bowlers, TakeTurnsFrameByFrame)
{
    struct Case {
        std::vector<const char*> names;  // none: the one unnamed bowler
        std::vector<int> balls;          // as rolled
        std::vector<int> totals;
        const char* out;
    };
    const Case cases[] = {
        {{}, balls({10}, 12, {}), {300}, "Game over: 300 points, best game 300\n"},
        // Ann 9 a frame, her tenth a spare and 5; Bo strikes, his tenth X 7 2.
        {{"Ann", "Bo"}, balls({7, 2, 10}, 9, {7, 3, 5, 10, 7, 2}), {96, 286},
         "Game over for Ann: 96 points, best game 286\nGame over for Bo: 286 points, best game 286\n"},
        // The k-th knocks k then none; E's tenth 4 / X, F's X X 3.
        {{"A", "B", "C", "D", "E", "F"},
         balls({0, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0}, 9, {0, 0, 1, 0, 2, 0, 3, 0, 4, 6, 10, 10, 10, 3}), {0, 10, 20, 30, 56, 68},
         "Game over for A: 0 points, best game 68\nGame over for B: 10 points, best game 68\n"
         "Game over for C: 20 points, best game 68\nGame over for D: 30 points, best game 68\n"
         "Game over for E: 56 points, best game 68\nGame over for F: 68 points, best game 68\n"},
    };
    for (const Case& c : cases) {
        const std::string name = "case " + std::to_string(&c - cases);
        ScratchFolder data;
        setenv("XDG_DATA_HOME", data.path.c_str(), 1);
        keepScore(true);
        char names[maxBowlers][bowlerNameRoom] = {};
        for (size_t bowler = 0; bowler < c.names.size(); bowler++)
            snprintf(names[bowler], bowlerNameRoom, "%s", c.names[bowler]);
        if (!c.names.empty())
            nameBowlers(names, (int)c.names.size());
        testing::internal::CaptureStdout();
        const Bowlers& bowlers = *currentBowlers();
        for (size_t ball = 0; ball < c.balls.size(); ball++) {
            const int up = bowlers.up;
            EXPECT_FALSE(bowlers.sheets[bowlers.count - 1].gameOver) << name << " ball " << ball;
            framePart = 1;  // as a frame's first ball leaves it
            recordBall(c.balls[ball]);
            EXPECT_EQ(framePart == 0, bowlers.up != up || ball == c.balls.size() - 1) << name << " ball " << ball;
        }
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out) << name;
        ASSERT_EQ(bowlers.count, (int)c.totals.size()) << name;
        for (int bowler = 0; bowler < bowlers.count; bowler++) {
            EXPECT_TRUE(bowlers.sheets[bowler].gameOver) << name << " bowler " << bowler;
            EXPECT_EQ(bowlers.sheets[bowler].score, c.totals[bowler]) << name << " bowler " << bowler;
        }
        keepScore(false);
    }
}

// Every file in the data folder but the lock, by name, and what it holds
// or, for a link, where it leads.
static std::string listing(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (!entry.is_directory() && entry.path().filename() != "best-games.lock") {
            std::ifstream in(entry.is_regular_file() && !entry.is_symlink() ? entry.path() : "");
            names.insert(entry.path().lexically_relative(folder).string() +
                         (entry.is_symlink() ? "->" + std::filesystem::read_symlink(entry).string() : "") +
                         (in ? "=" + std::string(std::istreambuf_iterator<char>(in), {}) : ""));
        }
    std::string text;
    for (const std::string& name : names)
        text += name + " ";
    return text;
}

// A pipe that keeps two processes in step: one is there, the other awaits.
struct Steps {
    int ends[2];
    Steps() { EXPECT_EQ(pipe(ends), 0); }
    ~Steps() { close(ends[0]), close(ends[1]); }
    void there() const { EXPECT_EQ(write(ends[1], "-", 1), 1); }
    void await() const { char byte; EXPECT_EQ(read(ends[0], &byte, 1), 1); }
};

struct Ended { int status; std::string out, err; };

// Runs game in a process of its own, as another window would, its outputs
// caught, and meanwhile here; how it ended and what it printed.
static Ended elsewhere(const std::function<void()>& game, const std::function<void(pid_t)>& meanwhile)
{
    Steps out, err;
    fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out.ends[1], STDOUT_FILENO), dup2(err.ends[1], STDERR_FILENO);
        game();
        _exit(0);
    }
    close(out.ends[1]), close(err.ends[1]), out.ends[1] = err.ends[1] = -1;
    meanwhile(pid);
    Ended ended;
    for (auto [from, to] : {std::pair(out.ends[0], &ended.out), std::pair(err.ends[0], &ended.err)})
        for (char c; read(from, &c, 1) == 1;)
            *to += c;
    waitpid(pid, &ended.status, 0);
    return ended;
}

// A panel's lines, printed in place of drawing it.
extern "C" void __wrap__Z9drawPanelPKcPKS0_i(const char* title, const char* const* lines, int count)
{
    printf("%s", title);
    for (int i = 0; i < count; i++)
        printf("|%s", lines[i]);
    printf("\n"), fflush(stdout);
}

// today's date for %D in text and folder for %F.
static std::string filled(std::string text, const std::string& folder)
{
    const time_t now = time(nullptr);
    char today[16];
    strftime(today, sizeof today, "%Y-%m-%d", localtime(&now));
    for (auto [mark, by] : {std::pair("%D", std::string(today)), std::pair("%F", folder)})
        for (size_t at; (at = text.find(mark)) != std::string::npos;)
            text.replace(at, 2, by);
    return text;
}

// Two games on one data folder: the first ends elsewhere, then the second,
// started after it or, racing, before it.
TEST(BestGames, KeptSortedMergedAndNeverTrusted)
{
    struct Case {
        const char* path;  // made in the data folder before the games: S_IFREG holding text
        mode_t kind;       // (| 0200: which the first game, played by nobody, cannot read),
        std::string text;  // S_IFIFO, S_IFDIR holding a file beside a best-games.unreadable
                           // (both holding text), S_IFLNK to synced/best, which holds text
                           // if any, or 0 for none
        int first, second;
        bool racing;
        long sizeLimit;    // for the first game's files, its game-over panel printed; -1 for none
        const char* out;
        std::string err, after;
    };
    const char* const kept = "Game over: 80 points, best game 80\nGame over: 0 points, best game 80\n";
    const char* const keptBetter = "Game over: 80 points, best game 200\nGame over: 0 points, best game 200\n";
    const char* const both = "80\t%D\t\n0\t%D\t\n";
    // Told once as the games start; the first game's end keeps the file.
    const auto movedAside = [](const std::string& why, const char* to = "best-games.unreadable") {
        return "bowling: ignoring the best games in %F/bowling/best-games: " + why + "\n" +
               "bowling: moved %F/bowling/best-games, which could not be read, to %F/bowling/" + to + "\n";
    };
    const auto keptAs = [&](const std::string& text) { return "bowling/best-games.unreadable" + text + " bowling/best-games=" + both + " "; };
    const std::string ten = "60\t2000-01-01\tZo\xC3\xAB Ann\n100\t2999-12-31\tA\n90\t2000-01-01\tB\n80\t2999-12-31\tLater\n"
                            "80\t2000-01-01\tEarlier\n70\t-\t\n65\t2000-01-01\tC\n64\t2000-01-01\tD\n63\t2000-01-01\tE\n"
                            "62\t2000-01-01\tLast\n";
    const Case cases[] = {
        {"", 0, "", 80, 0, false, -1, kept, "", std::string("bowling/best-games=") + both + " "},
        // Ten sorted, ties by date; the tenth then dropped, and the game of 0.
        {"bowling/best-games", S_IFREG, ten, 80, 0, false, -1,
         "Game over: 80 points, best game 100\nGame over: 0 points, best game 100\n", "",
         "bowling/best-games=100\t2999-12-31\tA\n90\t2000-01-01\tB\n80\t2000-01-01\tEarlier\n80\t%D\t\n"
         "80\t2999-12-31\tLater\n70\t-\t\n65\t2000-01-01\tC\n64\t2000-01-01\tD\n63\t2000-01-01\tE\n"
         "62\t2000-01-01\tLast\n "},
        {"bowling/best-games", S_IFREG, ten + "1\t-\t\n", 80, 0, false, -1, kept, movedAside("not written by this game"),
         keptAs("=" + ten + "1\t-\t\n")},
        {"bowling/best-games", S_IFREG, "42\n", 80, 0, false, -1, kept, movedAside("not written by this game"), keptAs("=42\n")},
        {"bowling/best-games", S_IFREG, "301\t-\t\n", 80, 0, false, -1, kept, movedAside("not written by this game"),
         keptAs("=301\t-\t\n")},
        {"bowling/best-games", S_IFREG, "20\t-\tA\tB\n", 80, 0, false, -1, kept, movedAside("not written by this game"),
         keptAs("=20\t-\tA\tB\n")},
        {"bowling/best-games", S_IFIFO, "", 80, 0, false, -1, kept, movedAside("not a regular file"), keptAs("")},
        {"bowling/best-games", S_IFDIR, "older\n", 80, 0, false, -1, kept,
         movedAside("not a regular file", "best-games.unreadable.1"), keptAs(".1/inside=older\n bowling/best-games.unreadable=older\n")},
        {"bowling/best-games", S_IFREG | 0200, "200\t-\t\n", 80, 0, false, -1,  // the best read here, as root
         "Game over: 80 points, best game 200\nGame over: 0 points, best game 80\n", movedAside("Permission denied"),
         keptAs("=200\t-\t\n")},
        {"bowling/best-games", S_IFREG, "200\t2000-01-01\tAnn\r\n", 80, 0, false, -1, keptBetter, "",
         std::string("bowling/best-games=200\t2000-01-01\tAnn\n") + both + " "},
        // The older version's best, taken in and left as it is; once a table
        // is made, never read again.
        {"bowling/best-score", S_IFREG, "200\n", 80, 0, false, -1, keptBetter, "",
         std::string("bowling/best-games=200\t-\t\n") + both + " bowling/best-score=200\n "},
        {"bowling/best-score", S_IFREG, "two\n", 80, 0, false, -1, kept,
         "bowling: ignoring the best game in %F/bowling/best-score: not written by this game\n",
         std::string("bowling/best-games=") + both + " bowling/best-score=two\n "},
        {"bowling", S_IFREG, "a plain file\n", 80, 0, false, -1, "Game over: 80 points, not saved\nGame over: 0 points, not saved\n",
         "bowling: cannot save the best game: %F/bowling/best-games.lock: Not a directory\n"
         "bowling: cannot save the best game: %F/bowling/best-games.lock: Not a directory\n", "bowling=a plain file\n "},
        {"bowling/best-games", S_IFREG, "60\t-\t\n", 80, 0, false, 2,
         "Game over: 80 points, best game 60, not saved\nGame over|80 points|Best game: 60|This game could not be saved|"
         "1.\t60\t?\t?|Space: new game\nGame over: 0 points, best game 60\n",
         "bowling: cannot save the best game in %F/bowling: File too large\n", "bowling/best-games=60\t-\t\n0\t%D\t\n "},
        {"bowling/best-games", S_IFLNK, "10\t-\t\n", 80, 0, false, -1, kept, "",
         std::string("bowling/best-games->../synced/best synced/best=80\t%D\t\n10\t-\t\n0\t%D\t\n ")},
        {"bowling/best-games", S_IFLNK, "", 80, 0, false, -1, kept, "",
         std::string("bowling/best-games->../synced/best synced/best=") + both + " "},
        {"bowling/best-games.lock", S_IFLNK, "", 80, 0, false, -1, "Game over: 80 points, not saved\nGame over: 0 points, not saved\n",
         "bowling: cannot save the best game: %F/bowling/best-games.lock: not a regular file\n"
         "bowling: cannot save the best game: %F/bowling/best-games.lock: not a regular file\n", ""},
        {"bowling/best-games.a9Zx0Q", S_IFREG, "4\t-\t\n", 80, 0, false, -1, kept, "", std::string("bowling/best-games=") + both + " "},
        {"bowling/best-games.a9Zx0Q", S_IFREG, "not a save of ours\n", 80, 0, false, -1, kept, "",
         std::string("bowling/best-games.a9Zx0Q=not a save of ours\n bowling/best-games=") + both + " "},
        {"bowling/best-games", S_IFREG, "10\t-\t\n", 40, 20, true, -1,
         "Game over: 40 points, best game 40\nGame over: 20 points, best game 40\n", "",
         "bowling/best-games=40\t%D\t\n20\t%D\t\n10\t-\t\n "},
        {"bowling/best-games", S_IFREG, "10\t-\t\n", 20, 40, true, -1,
         "Game over: 20 points, best game 20\nGame over: 40 points, best game 40\n", "",
         "bowling/best-games=40\t%D\t\n20\t%D\t\n10\t-\t\n "},
    };
    for (const Case& c : cases) {
        const std::string name = "case " + std::to_string(&c - cases);
        ScratchFolder data;
        std::filesystem::create_directories(std::filesystem::path(data / c.path).parent_path());
        if (c.kind == S_IFDIR) {
            std::filesystem::create_directory(data / c.path);
            std::ofstream(data / c.path + "/inside") << c.text;
            std::ofstream(data / c.path + ".unreadable") << c.text;
        }
        if ((c.kind & S_IFMT) == S_IFREG)
            std::ofstream(data / c.path) << c.text;
        if (c.kind == (S_IFREG | 0200))
            chmod(data.path.c_str(), 0755), chmod((data / "bowling").c_str(), 0777), chmod((data / c.path).c_str(), 0200);
        if (c.kind == S_IFIFO) {
            ASSERT_EQ(mkfifo((data / c.path).c_str(), 0600), 0);
        }
        if (c.kind == S_IFLNK) {
            std::filesystem::create_directories(data / "synced");
            std::filesystem::create_symlink("../synced/best", data / c.path);
            if (!c.text.empty())
                std::ofstream(data / "synced/best") << c.text;
        }
        setenv("XDG_DATA_HOME", data.path.c_str(), 1);
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        keepScore(true);
        const Ended first = elsewhere([&] {
            if (c.kind == (S_IFREG | 0200) && geteuid() == 0 && setuid(65534) != 0)
                return;
            signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
            const rlimit limit = {(rlim_t)c.sizeLimit, (rlim_t)c.sizeLimit};
            if (c.sizeLimit < 0 || setrlimit(RLIMIT_FSIZE, &limit) == 0)
                play(c.first);
            if (c.sizeLimit >= 0)
                scoreOption().drawLayer(Layer::panel, gameTurn());
        }, [](pid_t) {});
        fputs(first.out.c_str(), stdout), fputs(first.err.c_str(), stderr);
        if (!c.racing)
            keepScore(true);
        play(c.second);
        keepScore(false);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out) << name;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), filled(c.err, data.path)) << name;
        EXPECT_EQ(listing(data.path), filled(c.after, data.path)) << name;
    }
}

// A game's own rows on its panel: of two alike, the later; none for one
// the table dropped.
TEST(BestGames, MarksTheGamesOwnRows)
{
    const std::string table = "90\t-\tAnn\n20\t2026-12-07\tAnn\n20\t2026-12-07\tAnn\n20\t2026-12-07\tBo\n";
    const std::string games = "20\t2026-12-07\tBo\n20\t2026-12-07\tAnn\n5\t2026-12-07\tCy\n";
    BestGames kept, ended;
    ASSERT_TRUE(parseTable(table.data(), table.size(), kept) && parseTable(games.data(), games.size(), ended));
    bool marked[bestGamesKept];
    markGames(kept, ended, marked);
    EXPECT_EQ(std::vector<bool>(marked, marked + kept.count), std::vector<bool>({false, false, true, true}));
}

// The data folder with an older version's best game of 10 and the table's
// lock, which the test holds: the lock's descriptor, or -1.
static int bestOfTenLocked(const ScratchFolder& data)
{
    std::filesystem::create_directory(data / "bowling");
    std::ofstream(data / "bowling/best-score") << "10\n";
    setenv("XDG_DATA_HOME", data.path.c_str(), 1);
    const int lock = open((data / "bowling/best-games.lock").c_str(), O_RDWR | O_CREAT, 0600);
    return flock(lock, LOCK_EX) == 0 ? lock : -1;
}

// A game of 40 ends elsewhere over a best of 10 while this test holds the
// lock: its end is told at once, and its tries, none of which waits, go on
// until the lock is let go or for two seconds, when it waits for its end; a
// game saved meanwhile is kept with it.
TEST(BestGames, LockHeldNeverHoldsUpTheGameAndLosesNothing)
{
    for (bool heldUntilGivenUp : {false, true}) {
        const std::string name = heldUntilGivenUp ? "held until given up" : "let go";
        ScratchFolder data;
        const int lock = bestOfTenLocked(data);
        ASSERT_GE(lock, 0);
        const Steps ready, go;
        const Ended game = elsewhere([&] {
            close(lock), keepScore(true), attachOption(scoreOption()), play(40), ready.there();
            for (bool waiting = true; waiting; usleep(20000)) {  // each try as the game's timer makes it
                const auto tried = std::chrono::steady_clock::now();
                waiting = retryBestGames().save == BestSave::waiting;
                if (std::chrono::steady_clock::now() - tried > std::chrono::seconds(1))
                    fputs("a try held the game up\n", stderr);
            }
            ready.there(), go.await(), exit(0);
        }, [&](pid_t) {
            const auto started = std::chrono::steady_clock::now();
            ready.await();
            EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << name;
            for (bool last : {false, true}) {
                if (heldUntilGivenUp == last)
                    std::ofstream(data / "bowling/best-games") << "60\t2000-01-01\tOther\n", close(lock);
                if (!last)
                    ready.await();
            }
            go.there();
        });
        EXPECT_EQ(game.out, "Game over: 40 points, best game 40, not saved yet\n") << name;
        EXPECT_EQ(game.err, heldUntilGivenUp ? "bowling: cannot save the best game yet: " + data.path + "/bowling/"
                      "best-games.lock: another game holds it; trying again after the next game and at exit\n" : "") << name;
        EXPECT_EQ(listing(data.path), filled("bowling/best-games=60\t2000-01-01\tOther\n40\t%D\t\n bowling/best-score=10\n ",
                                             data.path)) << name;
    }
}

// A game whose best waits for another game's lock, ended by a signal: the
// best is saved as the lock is let go, with any game saved meanwhile, then
// the signal ends the game.
TEST(BestGames, WaitingBestSavedAsASignalEndsTheGame)
{
    struct Case { int number; const char *meanwhile, *after; };
    const Case cases[] = {{SIGTERM, "", "bowling/best-games=40\t%D\t\n10\t-\t\n bowling/best-score=10\n "},
                          {SIGHUP, "60\t2000-01-01\tOther\n",
                           "bowling/best-games=60\t2000-01-01\tOther\n40\t%D\t\n bowling/best-score=10\n "}};
    for (const Case& c : cases) {
        ScratchFolder data;
        const int lock = bestOfTenLocked(data);
        ASSERT_GE(lock, 0);
        const Steps ready;
        const Ended game = elsewhere([&] { close(lock), signal(c.number, SIG_DFL), keepScore(true), play(40), ready.there(), pause(); },
                                     [&](pid_t pid) {
                                         ready.await(), kill(pid, c.number), usleep(100000);
                                         if (*c.meanwhile)
                                             std::ofstream(data / "bowling/best-games") << c.meanwhile;
                                         close(lock);
                                     });
        EXPECT_TRUE(WIFSIGNALED(game.status) && WTERMSIG(game.status) == c.number) << strsignal(c.number);
        EXPECT_EQ(listing(data.path), filled(c.after, data.path)) << strsignal(c.number);
    }
}

// Set in a game by the test below: its save says so between the new
// file's writing and its rename, then waits to be let on.
static const Steps *insideSave = nullptr, *letOn = nullptr;
extern "C" int __real_fsync(int descriptor);
extern "C" int __wrap_fsync(int descriptor)
{
    if (insideSave)
        insideSave->there(), letOn->await();
    return __real_fsync(descriptor);
}

// A game signalled in the middle of its save: the save finishes, leaves no
// temporary file, and the signal then ends the game.
TEST(BestGames, SaveFinishesBeforeASignalEndsTheGame)
{
    for (int number : {SIGINT, SIGTERM, SIGHUP}) {
        ScratchFolder data;
        setenv("XDG_DATA_HOME", data.path.c_str(), 1);
        const Steps inside, go;
        const Ended game = elsewhere([&] { signal(number, SIG_DFL), insideSave = &inside, letOn = &go, keepScore(true), play(40); },
                                     [&](pid_t pid) { inside.await(), kill(pid, number), go.there(); });
        EXPECT_TRUE(WIFSIGNALED(game.status) && WTERMSIG(game.status) == number) << strsignal(number);
        EXPECT_EQ(listing(data.path), filled("bowling/best-games=40\t%D\t\n ", data.path)) << strsignal(number);
    }
}
