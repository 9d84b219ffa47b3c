// option_door.cpp: the attached options and the moments called on each.
#include "option_door.h"

#include <GL/glut.h>

#include <cstdlib>

#include "final.h"
#include "physics/physics.h"

// More than all the options the game has.
static const int maxOptions = 8;
static PlayerOption* attached[maxOptions];
static int attachedCount = 0;
static bool windowOpen = false;
static int gameNumber = 0;  // counts newGame(); steps carry it as their value

float pictureFraction = 1;

template <typename Moment, typename... Args>
static void callEach(Moment moment, Args&&... args)
{
    for (int i = 0; i < attachedCount; i++)
        (attached[i]->*moment)(args...);
}

// The first option that takes the moment has it; the rest never hear it.
template <typename Moment, typename... Args>
static bool firstTakes(Moment moment, Args&&... args)
{
    for (int i = 0; i < attachedCount; i++)
        if ((attached[i]->*moment)(args...))
            return true;
    return false;
}

static void programEnds() { callEach(&PlayerOption::programEnds); }

// As firstTakes, from the option attached last, whose drawing lies on top.
template <typename Moment, typename... Args>
static bool topTakes(Moment moment, Args&&... args)
{
    for (int i = attachedCount - 1; i >= 0; i--)
        if ((attached[i]->*moment)(args...))
            return true;
    return false;
}

void attachOption(PlayerOption& option)
{
    static bool exitHeard = false;
    if (!exitHeard)
        exitHeard = atexit(programEnds) == 0;
    if (attachedCount == maxOptions)
        abort();  // a programming error: raise maxOptions
    attached[attachedCount++] = &option;
    if (windowOpen)
        option.windowOpened();
}

void detachOptions() { attachedCount = 0; }

bool playerGame() { return attachedCount > 0; }

RollPhysics* optionPhysics()
{
    for (int i = 0; i < attachedCount; i++)
        if (RollPhysics* physics = attached[i]->rollPhysics())
            return physics;
    return nullptr;
}

int pinsStanding()
{
    if (RollPhysics* physics = optionPhysics())
        return physics->pinsStanding();
    int standing = 0;
    for (Pin& pin : pins)
        standing += pin.isShown();
    return standing;
}

static Clock* optionClock()
{
    for (int i = 0; i < attachedCount; i++)
        if (Clock* clock = attached[i]->clock())
            return clock;
    return nullptr;
}

void armTimer(unsigned milliseconds, void (*callback)(int), int value)
{
    if (Clock* clock = optionClock())
        clock->callAfter(milliseconds, callback, value);
    else
        glutTimerFunc(milliseconds, callback, value);
}

int elapsedMilliseconds()
{
    Clock* clock = optionClock();
    return clock ? clock->elapsed() : glutGet(GLUT_ELAPSED_TIME);
}

void pauseGame(bool paused) { callEach(&PlayerOption::gamePaused, paused); }

void reportContact(const Contact& contact) { callEach(&PlayerOption::contactMade, contact); }

void newGame()
{
    gameNumber++;
    framePart = 0;
    reset();
    callEach(&PlayerOption::gameRestarted);
    glutPostRedisplay();
}

namespace door {

void placeWindow(WindowPlacement& placement) { callEach(&PlayerOption::placeWindow, placement); }

void windowOpened()
{
    windowOpen = true;
    callEach(&PlayerOption::windowOpened);
}

void layOut(SceneLayout& layout) { callEach(&PlayerOption::layOut, layout); }
bool takeKey(unsigned char key) { return topTakes(&PlayerOption::takeKey, key); }
bool takeSpecialKey(int key) { return topTakes(&PlayerOption::takeSpecialKey, key); }

bool holdStep(void (*step)(int), int value)
{
    return value != gameNumber  // a step of an abandoned game: dropped
           || firstTakes(&PlayerOption::holdStep, step, value);
}

void stepBegins() { callEach(&PlayerOption::stepBegins); }
void ballReleased() { callEach(&PlayerOption::ballReleased); }
void rollEnded() { callEach(&PlayerOption::rollEnded); }
void ballStepped() { callEach(&PlayerOption::ballStepped); }
bool drawPicture() { return firstTakes(&PlayerOption::drawPicture); }
void sceneDrawn() { callEach(&PlayerOption::sceneDrawn); }
int currentGame() { return gameNumber; }

}  // namespace door
