// option_door.h: the one door between the game and its player options. It
// has two sides. The game calls every attached option at the moments of a
// run (PlayerOption, below in the order they happen) and knows no option by
// name; an option sees the turn read-only and changes the game only through
// the few commands at the end of this file. With no option attached every
// moment does nothing, so the plain game is exactly itself.
#pragma once

#include "turn.h"

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

// Where the scene's camera stands and the point it looks at, world units.
struct Camera {
    Vector3D eye;
    Vector3D look;
};

// What a roll's physics tells as it happens, for the options to hear.
enum class ContactKind { ballPin, pinPin, pinDeck, pinKickback, ballKickback, ballGutter, ballBumper };
struct Contact {
    ContactKind kind;
    float x, y, z;    // where, in scene units
    float strength;   // 0 for the faintest heard, 1 for the hardest knock
    int pin;          // the pin it happened to, in rack order, where the physics knows: else -1
};

// How the ball leaves the hand: as the player set it up and the meter stood.
struct Release {
    float x;        // across the lane, scene units
    float z;        // where the ball waits, scene units
    int theta;      // aim, whole degrees, positive towards +x
    float power;    // the meter, 0 to 1
    bool bumpers;
};

// A roll as it is stepped and drawn: the game's, or a replay of it.
class Roll {
public:
    virtual ~Roll() = default;
    // One ball step of 50 ms, which asks for the redraw; it keeps the turn's
    // ball up to date for the picture and the options. True once the roll is over.
    virtual bool step(Turn& turn) = 0;
    // In world coordinates, a fraction (0 to 1) of the way from the step
    // before to the latest: the pins, then the ball with whatever goes with
    // it (the aim arrow while aiming).
    virtual void drawPins(const Turn& shown, float fraction) = 0;
    virtual void drawBall(const Turn& shown, float fraction) = 0;
};

// A roll's physics: the game steps, draws and ends every roll through one,
// the written roll's unless an option brings its own.
class RollPhysics : public Roll {
public:
    virtual void release(const Release& release) = 0;
    // Pins standing now: the score's pins down and the end of a frame.
    virtual int pinsStanding() const = 0;
    // The same pins as bits: bit i for pin i in rack order.
    virtual unsigned standingPins() const = 0;
    // After a roll: fallen pins swept away, or with newRack ten set up anew.
    virtual void setUp(bool newRack) = 0;
    // Across the lane, scene units, where the waiting ball is aimed to cross
    // the target arrows (targetArrowsZ): the line a bowler aims along.
    virtual float aimAtArrows(const Turn& waiting) const = 0;
    // The last release rolled again from its start in a roll of its own
    // that tells no option anything (options use replayLastRoll below).
    virtual Roll& replay() = 0;
};

// What the options draw, in this order, each layer by every option in
// attach order.
enum class Layer {
    lane,     // world coordinates, over the lane, before the pins and ball
    deck,     // the same, in the game's own pictures only, never a replay's
    meter,    // beside the meter (lookFromMeterCamera places it), after the scene
    strip,    // the strip above the scene
    banner,   // over the scene, under the panels
    panel,    // over everything
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

// A player option overrides the moments it needs. Attaching it turns it on.
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
    // The meter's power (0 to 1), starting from the turn's value, as each
    // picture shows it and as the ball leaves the hand (the release's
    // power): an option may read it its own way, at GLUT's time of the
    // picture or of the key press.
    virtual void readMeter(float& /*power*/, const Turn& /*shown*/) {}
    // The ball has left the hand; the state is rolling.
    virtual void ballReleased() {}
    // A knock or an event of the roll, as it happens within a ball step.
    virtual void contactMade(const Contact&) {}
    // After framePart's toggle at a roll's end, before the reset; endFrame()
    // may be called from here.
    virtual void rollEnded() {}
    // After rollEnded, the reset that sets up the next ball is due. True
    // holds it back, the turn still as the roll left it: the option calls
    // setUp(value) later itself.
    virtual bool holdSetUp(void (*/*setUp*/)(int), int) { return false; }
    // Last in every ball step, the roll's end included, and its reset
    // unless an option held it back.
    virtual void ballStepped() {}
    // The game stands still under a panel, or goes on again.
    virtual void gamePaused(bool) {}
    // The game went back to the first ball of a new game (newGame below).
    virtual void gameRestarted() {}
    // A game this option keeps is under way: a ball of it rolled and it is
    // not over, so a new game or the exit would throw it away.
    virtual bool gameUnderWay() { return false; }
    // The name of the bowler now up, "" for an unnamed one, where this
    // option keeps bowlers; nullptr where it does not.
    virtual const char* bowlerUp() { return nullptr; }
    // While a panel of this option holds the keys: what they do there, as
    // the hint's parts ending in nullptr; nullptr while it holds none.
    virtual const char* const* keysHint() { return nullptr; }
    // GLUT wants a picture, first by the option attached last, whose picture
    // lies on top. True: the option has drawn it (with showTurn below);
    // false lets the game draw the turn as it stands.
    virtual bool drawPicture() { return false; }
    // Each picture, before the scene is drawn: where the camera stands and
    // looks, starting from the turn's own camera.
    virtual void placeCamera(Camera&, const Turn& /*shown*/) {}
    // In world coordinates, in place of the written lane and gutters: true
    // if the option drew the floor and all around it.
    virtual bool drawFloor(const Turn& /*shown*/) { return false; }
    // Drawing of one layer of every picture.
    virtual void drawLayer(Layer, const Turn& /*shown*/) {}
    // Each pin of the game's own pictures, as the physics draws it: where
    // its middle lies (world units) and whether it stands. The option may
    // move it, by shift, as a pinsetter carries it.
    virtual void movePin(Vector3D& /*shift*/, const Vector3D& /*middle*/, bool /*standing*/) {}
    // True: this option sweeps fallen pins off the deck, so a physics whose
    // pins vanish as they fall lays them down until the next ball's set-up.
    virtual bool sweepsFallenPins() { return false; }
    // As the program exits, in two rounds: every option saves what it keeps,
    // then every option lets its devices go (which may end the process).
    virtual void saveAtExit() {}
    virtual void releaseAtExit() {}
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
// The turn as it stands, read-only.
const Turn& gameTurn();
// Pins standing now, by whichever physics rolls.
int pinsStanding();
// The same pins as bits: bit i for pin i in rack order.
unsigned standingPins();
// Where the aim of a waiting ball crosses the target arrows, by whichever
// physics rolls.
float aimAtArrows(const Turn& waiting);
// Draws and shows the picture of a turn, a fraction of the way between the
// step before and the latest.
void showTurn(const Turn& shown, float fraction);
// The same, of a turn of another roll, such as a replay.
void showTurn(const Turn& shown, float fraction, Roll& roll);
// The last roll again, apart from the game: stepped on a copy of the turn as
// it stood at the release (gameTurn() at ballReleased), it rolls as the game
// rolled it, step for step, tells no option anything and leaves the game's
// turn and pins as they are. Each call starts it again.
Roll& replayLastRoll();
// GLUT's glutTimerFunc and elapsed time, or an option's clock: the game's
// steps and the options' timers keep to these.
void armTimer(unsigned milliseconds, void (*callback)(int), int value);
int elapsedMilliseconds();
// The next picture, for an option that animates: asked by several at once,
// or again within a sixtieth of a second of the last, it is one picture,
// so animations that overlap draw no more than one alone would.
void askPicture();
// How far the options move a pin of the game's own pictures, whose middle
// lies there (world units), standing or down: nothing unless one does.
Vector3D pinMoved(const Vector3D& middle, bool standing);
// Tells every option that the game stands still, or goes on again.
void pauseGame(bool paused);
// Some option keeps a game that is under way (gameUnderWay above).
bool gameUnderWay();
// The bowler now up (bowlerUp above), "" where none is named.
const char* bowlerUp();
// What the keys do under the topmost panel that holds them (keysHint
// above), nullptr where none does.
const char* const* keysHint();
// The scene laid out again in the window as it is, after an option changed
// what it takes of the window.
void layOutAgain();
// Tells every option of a knock or an event of the roll.
void reportContact(const Contact& contact);
// The camera back where it started.
void cameraHome();
// From rollEnded: the frame is over whatever the ball left, so the next ball
// is a frame's first, on a full rack.
void endFrame();
// Abandons the turn: a full rack, the ball back in the hand and the first
// ball of a game; steps of the abandoned turn still due are dropped when they
// come. Every option hears gameRestarted.
void newGame();

// The game's side of the door: each calls the moment on every attached
// option in attach order. Options never call these.
namespace door {
// The physics that rolls: an option's, else the written one.
RollPhysics& rollPhysics();
void placeWindow(WindowPlacement& placement);
void windowOpened();
void layOut(SceneLayout& layout);
bool takeKey(unsigned char key);
bool takeSpecialKey(int key);
bool holdStep(void (*step)(int), int value);
void stepBegins();
void readMeter(float& power, const Turn& shown);
void ballReleased();
void rollEnded();
bool holdSetUp(void (*setUp)(int), int value);
bool sweepsFallenPins();
void ballStepped();
bool drawPicture();
void placeCamera(Camera& camera, const Turn& shown);
bool drawFloor(const Turn& shown);
void drawLayer(Layer layer, const Turn& shown);
// The game of a step armed or called with this value: a step of an
// abandoned game is dropped.
int currentGame();
}  // namespace door
