// glut_recorder.h: what the game asked of GLUT's timer and redraw calls.
// The game tests link with --wrap, so every glutTimerFunc is recorded here
// instead of armed, and every glutPostRedisplay is counted and passed on.
#pragma once

#include <vector>

struct ScheduledTimer {
    unsigned int milliseconds;
    void (*callback)(int);
    int value;
};

namespace glutRecorder {
extern std::vector<ScheduledTimer> timers;  // armed and not yet run
extern int redisplays;                      // requests since the last clear

void clear();
// Runs the oldest armed timer; false when none is armed.
bool runNextTimer();
}  // namespace glutRecorder
