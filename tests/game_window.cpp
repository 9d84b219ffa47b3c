#include "game_window.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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

}  // namespace

void openGameWindow(int argc, char** argv)
{
    for (const Global& global : globals)
        atStart.insert(atStart.end(), (char*)global.address, (char*)global.address + global.size);
    if (!getenv("DISPLAY")) {
        printf("The game tests need an X display: run them under xvfb-run -a\n");
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
