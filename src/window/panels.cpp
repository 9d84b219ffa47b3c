// panels.cpp: the pause panel, the keys panel and the question before a
// game under way is thrown away, over the scene. While one shows, the game
// stands still: each meter or ball step that falls due is held, in order,
// and run when the panel closes, so a paused roll ends exactly as one
// never paused. No key acts behind a panel but its own.
#include <GL/freeglut.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "command_line.h"
#include "overlay/overlay.h"
#include "window/window_parts.h"

enum class Panel { none, paused, keys, throwAway };
static Panel shown = Panel::none;

static const unsigned char escape = 27;
static const unsigned char enter = 13;

// At most the meter's step and the ball's, both due once a ball is released.
struct HeldStep {
    void (*step)(int);
    int value;
};
static const int maxHeld = 4;
static HeldStep held[maxHeld];
static int heldCount = 0;

bool holdWhilePanelShown(void (*step)(int), int value)
{
    if (shown == Panel::none)
        return false;
    if (heldCount == maxHeld)
        abort();  // a programming error: the game arms more steps than it did
    held[heldCount++] = {step, value};
    return true;
}

static void show(Panel panel)
{
    if ((shown == Panel::none) != (panel == Panel::none))
        pauseGame(panel != Panel::none);
    shown = panel;
    glutPostRedisplay();
}

// The held steps run at once, each arming its next as it always does.
static void resume()
{
    show(Panel::none);
    const int count = heldCount;
    HeldStep steps[maxHeld];
    std::copy(held, held + count, steps);
    heldCount = 0;
    for (int i = 0; i < count; i++)
        steps[i].step(steps[i].value);
}

// A new game, the steps of the abandoned turn dropped.
static void startAgain()
{
    heldCount = 0;
    show(Panel::none);
    newGame();
}

bool panelKey(unsigned char key)
{
    const int lower = tolower(key);
    if (shown == Panel::none) {
        if (key == escape)
            show(Panel::paused);
        else if (lower == 'h')
            show(Panel::keys);
        else if (lower == 'c')
            cameraHome();
        return key == escape || lower == 'h' || lower == 'c';
    }
    if (shown == Panel::throwAway) {
        if (key == escape)
            show(Panel::paused);
        else if (lower == 'n' || key == enter)
            startAgain();
    } else if (key == escape || (shown == Panel::keys && lower == 'h')) {
        resume();
    } else if (shown == Panel::paused && lower == 'n') {
        if (gameUnderWay())
            show(Panel::throwAway);
        else
            startAgain();
    } else if (shown == Panel::paused && lower == 'q') {
        glutLeaveMainLoop();
    }
    return true;
}

bool panelSpecialKey(int key)
{
    if (key == GLUT_KEY_F11) {
        toggleFullScreen();
        return true;
    }
    if (key == GLUT_KEY_F1)
        return panelKey('h');
    if (key == GLUT_KEY_HOME && shown == Panel::none) {
        cameraHome();
        return true;
    }
    return shown != Panel::none;
}

static void drawKeysPanel()
{
    static const int maxLines = 16;
    static char lines[maxLines][96];
    static const char* pointers[maxLines];
    int count = 0;
    for (int i = 0; i < controlCount && count < maxLines; i++) {
        if (!keysAct(controls[i].game))
            continue;
        snprintf(lines[count], sizeof lines[count], "%s\t%s", controls[i].keys, controls[i].action);
        pointers[count] = lines[count];
        count++;
    }
    drawPanel("Keys", pointers, count);
}

void drawPanels()
{
    const char* const pauseLines[] = {"Esc\tresume", "N\tnew game",
                                      gameUnderWay() ? "Q\tquit: this game is not kept" : "Q\tquit", "F11\tfull screen"};
    static const char* const throwAwayLines[] = {"N, Enter\tyes, a new game", "Esc\tno, back"};
    if (shown == Panel::paused)
        drawPanel("Paused", pauseLines, 4);
    else if (shown == Panel::throwAway)
        drawPanel("Throw away this game?", throwAwayLines, 2);
    else if (shown == Panel::keys)
        drawKeysPanel();
}
