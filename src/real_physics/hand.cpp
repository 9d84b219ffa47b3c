// hand.cpp: the bowlers' hands in $XDG_DATA_HOME/bowling/hand, written to a
// new file renamed over the old so it is never half written.
#include "real_physics/hand.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "data_folder.h"
#include "regular_file.h"

// A line a bowler: "left" or "right", then a tab and the name where the
// bowler has one; an older game's file is the unnamed bowler's line alone.
// Only whole lines count, and the last of a bowler's.
static const size_t largestFile = 4096;

static std::vector<std::string> savedLines()
{
    std::vector<std::string> lines;
    char folder[PATH_MAX], path[PATH_MAX + sizeof "/hand"];
    if (dataFolder(folder) < 0)
        return lines;
    snprintf(path, sizeof path, "%s/hand", folder);
    FILE* file = openRegularFile(path);
    if (!file)
        return lines;
    std::string text(largestFile + 1, '\0');
    text.resize(fread(&text[0], 1, text.size(), file));
    fclose(file);
    for (size_t start = 0, end; text.size() <= largestFile && (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

static std::string nameOn(const std::string& line)
{
    const size_t tab = line.find('\t');
    return tab == std::string::npos ? "" : line.substr(tab + 1);
}

Hand savedHand(const char* bowler)
{
    Hand hand = Hand::right;
    for (const std::string& line : savedLines()) {
        const std::string word = line.substr(0, line.find('\t'));
        if (nameOn(line) == bowler && (word == "left" || word == "right"))
            hand = word == "left" ? Hand::left : Hand::right;
    }
    return hand;
}

void saveHand(const char* bowler, Hand hand)
{
    static bool told = false;
    std::vector<std::string> lines = savedLines();
    lines.erase(std::remove_if(lines.begin(), lines.end(), [&](const std::string& line) { return nameOn(line) == bowler; }),
                lines.end());
    lines.push_back(std::string(hand == Hand::left ? "left" : "right") + (*bowler ? "\t" : "") + bowler);
    std::string text;
    for (size_t i = lines.size() > bowlersKept ? lines.size() - bowlersKept : 0; i < lines.size(); i++)
        text += lines[i] + "\n";
    const int error = saveInDataFolder("hand", text.data(), text.size());
    if (error && !told)
        fprintf(stderr, "bowling: cannot save the hand: %s\n", strerror(error));
    told = told || error;
}
