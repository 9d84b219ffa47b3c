#include "game_window.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include <unistd.h>

#include "final.h"
#include "glut_recorder.h"

namespace {

// Every game global a test may change, kept as raw bytes.
struct Global {
    void* address;
    size_t size;
};
#define GLOBAL(name) Global{&name, sizeof name}
const Global globals[] = {
    GLOBAL(eye), GLOBAL(look), GLOBAL(clickedX), GLOBAL(currentState), GLOBAL(framePart),
    GLOBAL(ballX), GLOBAL(ballZ), GLOBAL(ballTheta), GLOBAL(ballSpeed), GLOBAL(ballSpeedChange),
    GLOBAL(ballRollM), GLOBAL(ballRollMatrix), GLOBAL(useBumpers), GLOBAL(shouldDrawAxes), GLOBAL(pins),
};
std::vector<char> atStart;
std::pair<int, int> reshapedTo;

void noteReshape(int w, int h)
{
    reshapedTo = {w, h};
    reshape(w, h);
}

}  // namespace

void openGameWindow(int argc, char** argv)
{
    for (const Global& global : globals)
        atStart.insert(atStart.end(), (char*)global.address, (char*)global.address + global.size);
    if (!getenv("DISPLAY")) {
        printf("The game tests need an X display: run them through tests/own_display.sh\n");
        exit(1);
    }
    startUp(&argc, argv);
    while (GW == 0)
        glutMainLoopEvent();
    glutRecorder::clear();
}

void restoreStartState()
{
    const char* bytes = atStart.data();
    for (const Global& global : globals) {
        memcpy(global.address, bytes, global.size);
        bytes += global.size;
    }
    glutRecorder::clear();
}

void aim(int slides, int turns)
{
    for (int i = 0; i < std::abs(slides); i++)
        keyboard(slides > 0 ? 'd' : 'a', 0, 0);
    for (int i = 0; i < std::abs(turns); i++)
        specialKeyboard(turns > 0 ? GLUT_KEY_RIGHT : GLUT_KEY_LEFT, 0, 0);
}

void bowl(int slides, int turns, int meterMilliseconds)
{
    aim(slides, turns);
    keyboard(' ', 0, 0);
    glutRecorder::now += meterMilliseconds;
    keyboard(' ', 0, 0);
    while (currentState != aiming && glutRecorder::runNextTimer()) {
    }
}

bool resizeGameWindow(int w, int h)
{
    if (glutGet(GLUT_WINDOW_WIDTH) == w && glutGet(GLUT_WINDOW_HEIGHT) == h) {
        reshape(w, h);
        return true;
    }
    reshapedTo = {0, 0};
    glutReshapeFunc(noteReshape);
    glutReshapeWindow(w, h);
    for (int wait = 0; wait < 5000 && reshapedTo != std::make_pair(w, h); wait++) {
        glutMainLoopEvent();
        usleep(1000);
    }
    glutReshapeFunc(reshape);
    return reshapedTo == std::make_pair(w, h);
}
