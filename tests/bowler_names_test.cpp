// bowler_names_test.cpp: last time's bowlers, as saved and as a spoilt
// file leaves them.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "score/bowler_names.h"

static std::vector<std::string> readBack()
{
    char names[maxBowlers][bowlerNameRoom];
    const int count = readBowlerNames(names);
    return std::vector<std::string>(names, names + count);
}

// Good lines are kept in order, bad ones skipped; a file of the wrong kind
// or size never holds the game up.
TEST(BowlerNames, GoodLinesKept)
{
    struct Case {
        const char* name;
        std::string text;  // "fifo" or "folder" for those in the file's place, "" for none
        std::vector<std::string> names;
    };
    const std::string longest(longestBowlerName, 'x');
    const char garbled[] = "Ann\n\0\xff\x01\n\nBo\r\n\xc3\xa9\nCy,Di\nEd";
    const Case cases[] = {
        {"kept", "Ann\nBo\n", {"Ann", "Bo"}},
        {"garbled", std::string(garbled, sizeof garbled - 1), {"Ann", "Ed"}},
        {"too many", "A\nB\nC\nD\nE\nF\nG\n", {"A", "B", "C", "D", "E", "F"}},
        {"too long", longest + "x\n" + longest + "\n", {longest}},
        {"huge", "Ann\n" + std::string(1 << 20, 'x') + "\nBo\n", {"Ann"}},
        {"missing", "", {}},
        {"fifo", "fifo", {}},
        {"folder", "folder", {}},
    };
    for (const Case& c : cases) {
        ScratchFolder data;
        setenv("XDG_DATA_HOME", data.path.c_str(), 1);
        mkdir((data / "bowling").c_str(), 0700);
        const std::string file = data / "bowling/bowlers";
        if (c.text == "fifo")
            mkfifo(file.c_str(), 0600);
        else if (c.text == "folder")
            mkdir(file.c_str(), 0700);
        else if (!c.text.empty())
            std::ofstream(file, std::ios::binary) << c.text;
        EXPECT_EQ(readBack(), c.names) << c.name;
    }
}

// Saved whole over what was there, and read back as saved; a data folder
// that cannot be made is told, and nothing else happens.
TEST(BowlerNames, SavedAndReadBack)
{
    ScratchFolder data;
    setenv("XDG_DATA_HOME", (data / "new/folders").c_str(), 1);
    const char names[maxBowlers][bowlerNameRoom] = {"Ann", "Bo Li", "Cy"};
    for (int count : {3, 1, 0}) {
        saveBowlerNames(names, count);
        EXPECT_EQ(readBack(), std::vector<std::string>(names, names + count)) << count;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data / "new/folders/bowling"), {}), 1);
    std::ofstream(data / "plain") << "a file\n";
    setenv("XDG_DATA_HOME", (data / "plain").c_str(), 1);
    testing::internal::CaptureStderr();
    saveBowlerNames(names, 3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "bowling: cannot keep the bowlers' names: Not a directory\n");
}
