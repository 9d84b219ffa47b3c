// bowler_names_test.cpp: last time's bowlers, as saved and as a spoilt
// file leaves them.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <vector>

#include "scratch_folder.h"
#include "score/bowler_names.h"

static std::vector<std::string> readBack()
{
    char names[maxBowlers][bowlerNameRoom];
    return std::vector<std::string>(names, names + readBowlerNames(names));
}

// Good lines are kept in order, bad ones skipped; a FIFO in the file's
// place, or a file far too long, never holds the game up.
TEST(BowlerNames, GoodLinesKept)
{
    const std::string longest(longestBowlerName, 'x');
    const char garbled[] = "Ann\n\0\xff\x01\n\nBo\r\n\xc3\xa9\nCy,Di\nEd";
    const struct {
        const char* name;
        std::string text;  // "" for no file
        std::vector<std::string> names;
    } cases[] = {
        {"kept", "Ann\nBo\n", {"Ann", "Bo"}},
        {"garbled", std::string(garbled, sizeof garbled - 1), {"Ann", "Ed"}},
        {"too many", "A\nB\nC\nD\nE\nF\nG\n", {"A", "B", "C", "D", "E", "F"}},
        {"too long", longest + "x\n" + longest + "\n", {longest}},
        {"huge", "Ann\n" + std::string(1 << 20, 'x') + "\nBo\n", {"Ann"}},
        {"missing", "", {}},
        {"fifo", "fifo", {}},
    };
    for (const auto& c : cases) {
        ScratchFolder data;
        setenv("XDG_DATA_HOME", data.path.c_str(), 1);
        mkdir((data / "bowling").c_str(), 0700);
        if (c.text == "fifo")
            mkfifo((data / "bowling/bowlers").c_str(), 0600);
        else if (!c.text.empty())
            std::ofstream(data / "bowling/bowlers", std::ios::binary) << c.text;
        EXPECT_EQ(readBack(), c.names) << c.name;
    }
}

// Saved whole over what was there, folders made; a data folder that
// cannot be made is told, and nothing else happens.
TEST(BowlerNames, SavedAndReadBack)
{
    ScratchFolder data;
    setenv("XDG_DATA_HOME", (data / "new/folders").c_str(), 1);
    const char names[maxBowlers][bowlerNameRoom] = {"Ann", "Bo Li", "Cy"};
    for (int count : {3, 1, 0}) {
        saveBowlerNames(names, count);
        EXPECT_EQ(readBack(), std::vector<std::string>(names, names + count)) << count;
    }
    setenv("XDG_DATA_HOME", "/dev/null", 1);
    testing::internal::CaptureStderr();
    saveBowlerNames(names, 3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "bowling: cannot keep the bowlers' names: Not a directory\n");
}
