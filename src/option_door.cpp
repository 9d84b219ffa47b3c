// option_door.cpp: the attached options, the moments called on each and the
// commands the game offers them.
#include "option_door.h"

#include <GL/glut.h>

#include <cstdlib>

#include "final.h"

// More than all the options the game has.
static const int maxOptions = 12;
static PlayerOption* attached[maxOptions];
static int attachedCount = 0;
static bool windowOpen = false;
static int gameNumber = 0;  // counts newGame(); steps carry it as their value

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

// As firstTakes, from the option attached last, whose drawing lies on top.
template <typename Moment, typename... Args>
static bool topTakes(Moment moment, Args&&... args)
{
    for (int i = attachedCount - 1; i >= 0; i--)
        if ((attached[i]->*moment)(args...))
            return true;
    return false;
}

// What is kept is saved before any device goes, as letting a device go may
// end the process.
static void programEnds()
{
    callEach(&PlayerOption::saveAtExit);
    callEach(&PlayerOption::releaseAtExit);
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

const Turn& gameTurn() { return turn; }

int pinsStanding() { return door::rollPhysics().pinsStanding(); }

void showTurn(const Turn& shown, float fraction) { drawTurn(shown, fraction, door::rollPhysics()); }
void showTurn(const Turn& shown, float fraction, Roll& roll) { drawTurn(shown, fraction, roll); }

namespace {

// The physics' replay with the meter's step that the game's own timer
// brought between the roll's first ball step and its second.
class LastRollAgain : public Roll {
public:
    Roll* physics = nullptr;
    int steps = 0;

    bool step(Turn& turn) override
    {
        if (steps++ == 1)
            stepMeter(turn);
        return physics->step(turn);
    }
    void drawPins(const Turn& shown, float fraction) override { physics->drawPins(shown, fraction); }
    void drawBall(const Turn& shown, float fraction) override { physics->drawBall(shown, fraction); }
};

}  // namespace

Roll& replayLastRoll()
{
    static LastRollAgain again;
    again.physics = &door::rollPhysics().replay();
    again.steps = 0;
    return again;
}

unsigned standingPins() { return door::rollPhysics().standingPins(); }

float aimAtArrows(const Turn& waiting) { return door::rollPhysics().aimAtArrows(waiting); }

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

Vector3D pinMoved(const Vector3D& middle, bool standing)
{
    Vector3D shift(0, 0, 0);
    callEach(&PlayerOption::movePin, shift, middle, standing);
    return shift;
}

static const int pictureMilliseconds = 16;
static int lastPictureAt = -pictureMilliseconds;  // when the game last drew one
static bool pictureArmed = false;

static void postPicture(int)
{
    pictureArmed = false;
    glutPostRedisplay();
}

void askPicture()
{
    if (pictureArmed)
        return;
    const int wait = lastPictureAt + pictureMilliseconds - elapsedMilliseconds();
    if (wait <= 0) {
        glutPostRedisplay();
        return;
    }
    pictureArmed = true;
    armTimer((unsigned)wait, postPicture, 0);
}

void pauseGame(bool paused) { callEach(&PlayerOption::gamePaused, paused); }

bool gameUnderWay() { return firstTakes(&PlayerOption::gameUnderWay); }

const char* bowlerUp()
{
    for (int i = 0; i < attachedCount; i++)
        if (const char* name = attached[i]->bowlerUp())
            return name;
    return "";
}

const char* const* keysHint()
{
    for (int i = attachedCount - 1; i >= 0; i--)  // the panel on top first
        if (const char* const* parts = attached[i]->keysHint())
            return parts;
    return nullptr;
}

void layOutAgain() { reshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT)); }

void reportContact(const Contact& contact) { callEach(&PlayerOption::contactMade, contact); }

void cameraHome()
{
    eye = startEye;
    glutPostRedisplay();
}

void endFrame() { framePart = 0; }

void newGame()
{
    gameNumber++;
    framePart = 0;
    reset();
    callEach(&PlayerOption::gameRestarted);
    glutPostRedisplay();
}

namespace door {

RollPhysics& rollPhysics()
{
    for (int i = 0; i < attachedCount; i++)
        if (RollPhysics* physics = attached[i]->rollPhysics())
            return *physics;
    return writtenRoll();
}

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
void readMeter(float& power, const Turn& shown) { callEach(&PlayerOption::readMeter, power, shown); }
void ballReleased() { callEach(&PlayerOption::ballReleased); }
void rollEnded() { callEach(&PlayerOption::rollEnded); }
bool holdSetUp(void (*setUp)(int), int value) { return firstTakes(&PlayerOption::holdSetUp, setUp, value); }
bool sweepsFallenPins() { return firstTakes(&PlayerOption::sweepsFallenPins); }
void ballStepped() { callEach(&PlayerOption::ballStepped); }
bool drawPicture()
{
    if (playerGame())  // the plain game asks no clock
        lastPictureAt = elapsedMilliseconds();
    return topTakes(&PlayerOption::drawPicture);
}
bool drawFloor(const Turn& shown) { return firstTakes(&PlayerOption::drawFloor, shown); }
void placeCamera(Camera& camera, const Turn& shown) { callEach(&PlayerOption::placeCamera, camera, shown); }
void drawLayer(Layer layer, const Turn& shown) { callEach(&PlayerOption::drawLayer, layer, shown); }
int currentGame() { return gameNumber; }

}  // namespace door
