#include "glut_recorder.h"

#include <GL/glut.h>

#include <algorithm>

namespace glutRecorder {
std::vector<ScheduledTimer> timers;
int redisplays = 0;
int now = 0;
std::vector<int> swaps;
void (*onRedisplay)() = [] {};

void clear()
{
    timers.clear();
    redisplays = 0;
    now = 0;
    swaps.clear();
    onRedisplay = [] {};
}

bool runNextTimer()
{
    if (timers.empty())
        return false;
    const ScheduledTimer timer = timers.front();
    timers.erase(timers.begin());
    now = std::max(now, timer.due);
    timer.callback(timer.value);
    return true;
}
}  // namespace glutRecorder

extern "C" {
void __real_glutPostRedisplay();
void __real_glutSwapBuffers();
int __real_glutGet(GLenum what);

void __wrap_glutTimerFunc(unsigned int milliseconds, void (*callback)(int), int value)
{
    glutRecorder::timers.push_back({milliseconds, callback, value, glutRecorder::now + (int)milliseconds});
}

int __wrap_glutGet(GLenum what)
{
    return what == GLUT_ELAPSED_TIME ? glutRecorder::now : __real_glutGet(what);
}

void __wrap_glutPostRedisplay()
{
    glutRecorder::redisplays++;
    glutRecorder::onRedisplay();
    __real_glutPostRedisplay();
}

void __wrap_glutSwapBuffers()
{
    glutRecorder::swaps.push_back(glutRecorder::now);
    __real_glutSwapBuffers();
}
}
