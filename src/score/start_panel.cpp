// start_panel.cpp: --bowlers alone: the game opens on a panel that lists
// last time's bowlers, to keep or edit before the first ball. Its keys are
// typed into the names, never played.
#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "overlay/overlay.h"
#include "score/bowler_names.h"
#include "score/score.h"

static bool asking = false;
static char rows[maxBowlers][bowlerNameRoom];
static int rowCount = 1;  // one empty row where no names are kept
static int at = 0;        // the row being typed into

static const unsigned char tab = 9, backspace = 8, enter = 13, del = 127;

// The next row, a new empty one past the last where there is room and the
// last has a name, else the first again.
static void nextRow()
{
    if (++at < rowCount)
        return;
    if (rowCount < maxBowlers && rows[rowCount - 1][0]) {
        rows[rowCount++][0] = '\0';
        return;
    }
    at = 0;
}

// A character rubbed out; an empty row, if not the only one, taken away.
static void rubOut()
{
    const size_t length = strlen(rows[at]);
    if (length > 0) {
        rows[at][length - 1] = '\0';
    } else if (rowCount > 1) {
        std::copy(rows[at + 1], rows[rowCount], rows[at]);
        rowCount--;
        at = std::max(at - 1, 0);
    }
}

// Names kept as one character of them would be, no longer than the rules.
static void type(unsigned char key)
{
    const char typed = (char)key;
    const size_t length = strlen(rows[at]);
    if (length < longestBowlerName && goodBowlerName(&typed, 1)) {
        rows[at][length] = typed;
        rows[at][length + 1] = '\0';
    }
}

// The rows with a name bowl, and are kept for the next start; with none,
// one unnamed bowler bowls.
static void bowl()
{
    char names[maxBowlers][bowlerNameRoom] = {};
    int count = 0;
    for (int row = 0; row < rowCount; row++)
        if (rows[row][0])
            strcpy(names[count++], rows[row]);
    saveBowlerNames(names, count);
    nameBowlers(names, std::max(count, 1));
    asking = false;
    layOutAgain();  // the sheet's rows may have changed
}

static void drawStartPanel()
{
    char lines[maxBowlers][bowlerNameRoom + 8];
    const char* shown[maxBowlers + 5];
    for (int row = 0; row < rowCount; row++) {
        snprintf(lines[row], sizeof lines[row], "%d\t%s%s", row + 1, rows[row], row == at ? "_" : "");
        shown[row] = lines[row];
    }
    int count = rowCount;
    for (const char* help : {"", "Type\ta name", "Tab\tthe next bowler, up to 6", "Backspace\trub out", "Enter\tbowl"})
        shown[count++] = help;
    drawPanel("Who bowls?", shown, count);
}

namespace {

// Every key but full screen's is the panel's while it shows.
class StartPanel : public PlayerOption {
    bool takeKey(unsigned char key) override
    {
        if (!asking)
            return false;
        if (key == enter)
            bowl();
        else if (key == tab)
            nextRow();
        else if (key == backspace || key == del)
            rubOut();
        else
            type(key);
        glutPostRedisplay();
        return true;
    }

    bool takeSpecialKey(int key) override { return asking && key != GLUT_KEY_F11; }

    const char* const* keysHint() override
    {
        static const char* const askingKeys[] = {"Type: a name", "Tab: next", "Enter: bowl", "F11: full screen",
                                                 nullptr};
        return asking ? askingKeys : nullptr;
    }

    void drawLayer(Layer layer, const Turn&) override
    {
        if (asking && layer == Layer::panel)
            drawStartPanel();
    }
};

}  // namespace

PlayerOption& startPanel()
{
    static StartPanel option;
    asking = true;
    const int kept = readBowlerNames(rows);
    if (kept > 0)
        nameBowlers(rows, kept);  // the window opens with their rows
    rowCount = std::max(kept, 1);
    at = 0;
    return option;
}
