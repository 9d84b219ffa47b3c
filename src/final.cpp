// final.cpp: the game's globals and the GLUT callbacks. The state lives here
// as plain variables with static start values; the callbacks read and write
// it and ask for a redraw whenever something visible changed.
#include "final.h"

#include <GL/glut.h>

#include <cctype>
#include <cmath>

#include "assets/assets.h"
#include "lane_geometry.h"
#include "option_door.h"
#include "physics/physics.h"
#include "rendering/rendering.h"

// Where every ball starts and what the power meter starts from.
static const float ballStartZ = 0.52f;
static const float fullPower = 1.0f;
static const float meterStep = 0.07f;  // power change per meter step

// Window and camera.
int GW = 0;                  // drawing area width in pixels, as last reshaped
int GH = 0;                  // drawing area height in pixels, as last reshaped
const Vector3D startEye(0, 1, 1);
float clickedX = 0;          // normalised mouse x at the last press or drag event
bool shouldDrawAxes = false;

// The turn, as the game starts: the ball in the hand at full power, a full
// rack, the camera behind the ball.
Turn turn = {
    aiming, 0, 0, ballStartZ, 0, fullPower, meterStep,
    {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
    false,
    {rackPin(0), rackPin(1), rackPin(2), rackPin(3), rackPin(4),
     rackPin(5), rackPin(6), rackPin(7), rackPin(8), rackPin(9)},
    startEye, Vector3D(0, 0, 0),
};
int& currentState = turn.currentState;
uint8_t& framePart = turn.framePart;
float& ballX = turn.ballX;
float& ballZ = turn.ballZ;
int& ballTheta = turn.ballTheta;
float& ballSpeed = turn.ballSpeed;
float& ballSpeedChange = turn.ballSpeedChange;
float (&ballRollM)[16] = turn.ballRollM;
float* ballRollMatrix = turn.ballRollM;
bool& useBumpers = turn.useBumpers;
Pin (&pins)[pinCount] = turn.pins;
Vector3D& eye = turn.eye;
Vector3D& look = turn.look;

static const double sideStep = 0.006;  // ball move per "a" or "d" press
static const int aimStep = 2;          // degrees per arrow key press
static const int aimLimit = 45;        // degrees either side of straight

// GLUT's display callback: an option may draw the picture its own way.
static void showPicture()
{
    if (!door::drawPicture())
        display();
}

void startUp(int* argc, char** argv)
{
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    WindowPlacement placement = {100, 100, startWindowSize, startWindowSize};
    door::placeWindow(placement);
    glutInitWindowSize(placement.width, placement.height);
    glutInitWindowPosition(placement.x, placement.y);
    glutCreateWindow("Bowling");
    glClearColor(0, 0, 0, 1);

    glutDisplayFunc(showPicture);
    glutReshapeFunc(reshape);
    glutKeyboardFunc(keyboard);
    glutSpecialFunc(specialKeyboard);
    glutMouseFunc(mouse);
    glutMotionFunc(mouseMove);

    glEnable(GL_DEPTH_TEST);
    init_lighting();
    init_tex();
    LoadTexture(picturePath("balltexture.bmp"), ballTexture);
    LoadTexture(picturePath("floor.bmp"), floorTexture);
    LoadTexture(picturePath("pintexture.bmp"), pinTexture);
    door::windowOpened();
}

// The light sits in eye coordinates, so it moves with the camera.
void init_lighting()
{
    static const GLfloat lightPosition[] = {0, 1.5f, 0, 1};
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glShadeModel(GL_SMOOTH);
}

void display() { drawTurn(turn, 1, door::rollPhysics()); }

void drawTurn(const Turn& shown, float fraction, Roll& roll)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);

    // The meter under a fixed camera, so it stays put when the view orbits;
    // the layers over the scene see it as it is read.
    Turn metered = shown;
    door::readMeter(metered.ballSpeed, shown);
    glPushMatrix();
    lookFromMeterCamera();
    drawForceMeter(metered.ballSpeed);
    glPopMatrix();

    glPushMatrix();
    Camera camera = {shown.eye, shown.look};
    door::placeCamera(camera, shown);
    gluLookAt(camera.eye.getDx(), camera.eye.getDy(), camera.eye.getDz(),
              camera.look.getDx(), camera.look.getDy(), camera.look.getDz(), 0, 1, 0);
    if (shouldDrawAxes)
        drawAxes();
    if (!door::drawFloor(shown))
        drawFloor();
    door::drawLayer(Layer::lane, shown);
    if (&roll == &door::rollPhysics())
        door::drawLayer(Layer::deck, shown);
    roll.drawPins(shown, fraction);
    roll.drawBall(shown, fraction);
    glPopMatrix();

    door::drawLayer(Layer::meter, metered);
    door::drawLayer(Layer::strip, metered);
    door::drawLayer(Layer::banner, metered);
    door::drawLayer(Layer::panel, metered);
    glutSwapBuffers();
}

// Unless an option lays the scene out otherwise, the aspect ratio stays 1.0
// whatever the window's shape: the picture is stretched to fill it.
void reshape(int w, int h)
{
    SceneLayout layout = {w, h, 0, 0, w, h, 60.0, 1.0};
    door::layOut(layout);
    GW = w;
    GH = layout.viewportHeight;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(layout.fieldOfView, layout.aspect, 0.1, 30.0);
    glMatrixMode(GL_MODELVIEW);
    glViewport(layout.viewportX, layout.viewportY, layout.viewportWidth, layout.viewportHeight);
    glutPostRedisplay();
}

// A triangle wave between 0 and 1 that rests one step at each end.
void stepMeter(Turn& turn)
{
    turn.ballSpeed = turn.ballSpeed + turn.ballSpeedChange;
    if (turn.ballSpeed <= 0) {
        turn.ballSpeed = 0;
        turn.ballSpeedChange = meterStep;
    } else if (turn.ballSpeed >= 1) {
        turn.ballSpeed = 1;
        turn.ballSpeedChange = -meterStep;
    }
}

void changeSpeed(int game)
{
    if (door::holdStep(changeSpeed, game))
        return;
    door::stepBegins();
    stepMeter(turn);
    glutPostRedisplay();
    if (currentState == powering)
        armTimer(stepMilliseconds, changeSpeed, game);
}

// Called by the ball step after it toggled framePart: ends the frame after a
// strike, puts the ball back and sets up the rack for a new frame.
void reset()
{
    if (framePart != 0 && pinsStanding() == 0)
        framePart = 0;

    ballX = 0;
    ballZ = ballStartZ;
    ballTheta = 0;
    currentState = aiming;
    ballSpeed = fullPower;
    ballSpeedChange = meterStep;

    glPushMatrix();
    glLoadIdentity();
    glGetFloatv(GL_MODELVIEW_MATRIX, ballRollMatrix);
    glPopMatrix();

    door::rollPhysics().setUp(framePart == 0);
}

// Folds the aim into the roll matrix, so the ball's drawn orientation does
// not jump, and runs the first ball step at once.
static void releaseBall()
{
    currentState = rolling;
    glPushMatrix();
    glLoadIdentity();
    glRotatef((float)-ballTheta, 0, 1, 0);
    glMultMatrixf(ballRollMatrix);
    glGetFloatv(GL_MODELVIEW_MATRIX, ballRollMatrix);
    glPopMatrix();
    door::readMeter(ballSpeed, turn);
    door::rollPhysics().release({ballX, ballZ, ballTheta, ballSpeed, useBumpers});
    door::ballReleased();
    moveBall(door::currentGame());
}

// A key that does not act in the current state does nothing, not even a redraw.
void keyboard(unsigned char key, int, int)
{
    if (door::takeKey(key))
        return;
    switch (tolower(key)) {
    case ' ':
        if (currentState == aiming) {
            currentState = powering;
            changeSpeed(door::currentGame());
        } else if (currentState == powering) {
            releaseBall();
        }
        return;  // the meter or ball step asks for the redraw
    case 'a':
        if (currentState != aiming)
            return;
        ballX = (float)(ballX - sideStep);
        if (ballX < -laneEdge)
            ballX = (float)-laneEdge;
        break;
    case 'd':
        if (currentState != aiming)
            return;
        ballX = (float)(ballX + sideStep);
        if (ballX > laneEdge)
            ballX = (float)laneEdge;
        break;
    case 'b':
        if (currentState != aiming)
            return;
        useBumpers = (useBumpers + 1) & 1;
        break;
    case 'z':
        shouldDrawAxes = (shouldDrawAxes + 1) & 1;
        break;
    default:
        return;
    }
    glutPostRedisplay();
}

void specialKeyboard(int key, int, int)
{
    if (door::takeSpecialKey(key) || currentState != aiming)
        return;
    if (key == GLUT_KEY_LEFT) {
        ballTheta = ballTheta - aimStep;
        if (ballTheta < -aimLimit)
            ballTheta = -aimLimit;
    } else if (key == GLUT_KEY_RIGHT) {
        ballTheta = ballTheta + aimStep;
        if (ballTheta > aimLimit)
            ballTheta = aimLimit;
    } else {
        return;
    }
    glutPostRedisplay();
}

// The orbit's limits, 55 and 125 degrees, in radians.
static const double lowestOrbitAngle = 0.9599310885968813;
static const double highestOrbitAngle = 2.1816615649929116;

// Horizontal mouse position: 0 at the window's centre, one unit per GH / 4
// pixels. A window of height 0 gives infinity or NaN, which the orbit's
// range test then rejects.
static double normalisedX(int x)
{
    return (4.0 * x - 2 * GW) / GH;
}

void mouse(int, int state, int x, int)
{
    if (state == GLUT_DOWN)
        clickedX = (float)normalisedX(x);
}

// Swings the eye around the vertical axis by the horizontal drag, in
// radians; a move that would reach a limit is dropped whole.
void mouseMove(int x, int)
{
    const float delta = (float)(normalisedX(x) - clickedX);
    Vector3D flat(eye.getDx(), 0, eye.getDz());
    const float angle = acosf(flat.unitVector().getDx());
    const float newAngle = angle + delta;
    if (newAngle > lowestOrbitAngle && newAngle < highestOrbitAngle) {
        const float r = flat.magnitude();
        eye = Vector3D(cosf(newAngle) * r, eye.getDy(), sinf(newAngle) * r);
        glutPostRedisplay();
    }
    clickedX = (float)normalisedX(x);
}
