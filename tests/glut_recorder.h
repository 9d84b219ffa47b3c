// glut_recorder.h: what the game asked of GLUT's timer and redraw calls.
// The game tests link with --wrap, so every glutTimerFunc is recorded here
// instead of armed, every glutPostRedisplay and glutSwapBuffers is noted and
// passed on, and GLUT's clock is the time of the timer run last.
#pragma once

#include <vector>

struct ScheduledTimer {
    unsigned int milliseconds;
    void (*callback)(int);
    int value;
    int due;  // the clock's milliseconds when it is to run
};

namespace glutRecorder {
extern std::vector<ScheduledTimer> timers;  // armed and not yet run
extern int redisplays;                      // requests since the last clear
extern int now;                             // glutGet(GLUT_ELAPSED_TIME)
extern std::vector<int> swaps;              // the clock at each picture shown since the last clear
extern void (*onRedisplay)();               // called at each redraw request

void clear();
// Runs the oldest armed timer at its time; false when none is armed.
bool runNextTimer();
}  // namespace glutRecorder
