// option_door.h: the one door between the game and its player options. The
// game calls every attached option at the moments of a run, below in the
// order they happen, and knows no option by name; an option reaches the
// game only through final.h, physics.h and the calls at the end of this
// file. With no option attached every moment does nothing, so the plain
// game is exactly itself.
#pragma once

// Where the window opens, in pixels, before it exists.
struct WindowPlacement {
    int x;
    int y;
    int width;
    int height;
};

// The scene's part of the window and its projection, made again at every
// reshape. The game starts from the whole window and a square picture and
// lets each option change that; GH becomes the scene's height.
struct SceneLayout {
    int windowWidth;      // the whole window, pixels
    int windowHeight;
    int viewportX;        // the scene's viewport, from the bottom left
    int viewportY;
    int viewportWidth;
    int viewportHeight;
    double fieldOfView;   // vertical, degrees
    double aspect;        // width over height of what the camera sees
};

// A knock that another physics reports for the options to hear.
enum class ContactKind { ballPin, pinPin, pinDeck, pinKickback, ballKickback };
struct Contact {
    ContactKind kind;
    float x, y, z;    // where, in scene units
    float strength;   // 0 for the faintest heard, 1 for the hardest knock
};

// The parts of a roll that another physics would change. The written roll
// (physics.h, pins[]) is used unless an option brings its own.
class RollPhysics {
public:
    virtual ~RollPhysics() = default;
    // The ball leaves the hand with the place, aim and speed of the globals.
    virtual void release() = 0;
    // One ball step of 50 ms; true once the roll is over.
    virtual bool step() = 0;
    // Pins standing now: the score's pins down and the end of a frame.
    virtual int pinsStanding() = 0;
    // After a roll: fallen pins swept away, or with newRack ten set up anew.
    virtual void setUp(bool newRack) = 0;
    // In world coordinates: the pins, and the ball with whatever goes with it
    // (the aim arrow while aiming).
    virtual void drawPins() = 0;
    virtual void drawBall() = 0;
};

// The time the game's steps and the options' timers keep to, where an
// option brings its own: GLUT's follows the wall clock, which may be stepped.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since the program started.
    virtual int elapsed() = 0;
    // callback(value) once, milliseconds from now.
    virtual void callAfter(unsigned milliseconds, void (*callback)(int), int value) = 0;
};

// A player option overrides the moments it needs.
class PlayerOption {
public:
    virtual ~PlayerOption() = default;

    // Before the window opens: its place and size.
    virtual void placeWindow(WindowPlacement&) {}
    // Once, when the window is open and the game's callbacks are set.
    virtual void windowOpened() {}
    // At every reshape, in attach order: the scene's place and projection.
    virtual void layOut(SceneLayout&) {}
    // A key before the game sees it, first by the option attached last, whose
    // drawing lies on top; true takes it, from the other options and the game.
    virtual bool takeKey(unsigned char) { return false; }
    virtual bool takeSpecialKey(int) { return false; }
    // A meter or ball step is due. True holds it back: the option calls
    // step(value) later itself, so no step is lost.
    virtual bool holdStep(void (*)(int), int) { return false; }
    // First in every meter step and every ball step.
    virtual void stepBegins() {}
    // The ball has left the hand; the state is rolling.
    virtual void ballReleased() {}
    // After framePart's toggle at a roll's end, before the reset.
    virtual void rollEnded() {}
    // Last in every ball step, the roll's end and its reset included.
    virtual void ballStepped() {}
    // A knock in an option's physics, as it happens within a ball step.
    virtual void contactMade(const Contact&) {}
    // The game stands still under a panel, or goes on again.
    virtual void gamePaused(bool) {}
    // The game went back to the first ball of a new game (newGame below).
    virtual void gameRestarted() {}
    // GLUT wants a picture. True: the option has drawn it (it may call
    // display() for that); false lets display() draw it.
    virtual bool drawPicture() { return false; }
    // Last in display(), before the buffer swap: drawing over the scene.
    virtual void sceneDrawn() {}
    // Once, as the program exits.
    virtual void programEnds() {}
    // The physics this option brings for every roll, or nullptr.
    virtual RollPhysics* rollPhysics() { return nullptr; }
    // The clock this option brings, or nullptr.
    virtual Clock* clock() { return nullptr; }
};

// Options attach before startUp, in the order their moments should run; one
// attached to an open window hears windowOpened at once.
void attachOption(PlayerOption& option);
// Back to the plain game: every option off (tests switch options per case).
void detachOptions();
// True once any option is attached: the player's game, not the plain one.
bool playerGame();

// What the game offers the options.
// The roll's physics: an option's, or nullptr for the written one.
RollPhysics* optionPhysics();
// Pins standing now, by whichever physics rolls.
int pinsStanding();
// GLUT's glutTimerFunc and elapsed time, or an option's clock: the game's
// steps and the options' timers keep to these.
void armTimer(unsigned milliseconds, void (*callback)(int), int value);
int elapsedMilliseconds();
// Tells every option that the game stands still, or goes on again.
void pauseGame(bool paused);
// Tells every option of a knock.
void reportContact(const Contact& contact);
// How far between the last step and the next a picture is drawn: 1 but while
// an option draws in between.
extern float pictureFraction;
// Abandons the turn: a full rack, the ball back in the hand and the first
// ball of a game; steps of the abandoned turn still due are dropped when they
// come. Every option hears gameRestarted.
void newGame();

// The game's side of the door: each calls the moment on every attached
// option in attach order. Options never call these.
namespace door {
void placeWindow(WindowPlacement& placement);
void windowOpened();
void layOut(SceneLayout& layout);
bool takeKey(unsigned char key);
bool takeSpecialKey(int key);
bool holdStep(void (*step)(int), int value);
void stepBegins();
void ballReleased();
void rollEnded();
void ballStepped();
bool drawPicture();
void sceneDrawn();
// The game of a step armed or called with this value: a step of an
// abandoned game is dropped.
int currentGame();
}  // namespace door
