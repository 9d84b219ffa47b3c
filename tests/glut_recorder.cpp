#include "glut_recorder.h"

#include <GL/glut.h>

namespace glutRecorder {
std::vector<ScheduledTimer> timers;
int redisplays = 0;

void clear()
{
    timers.clear();
    redisplays = 0;
}

bool runNextTimer()
{
    if (timers.empty())
        return false;
    const ScheduledTimer timer = timers.front();
    timers.erase(timers.begin());
    timer.callback(timer.value);
    return true;
}
}  // namespace glutRecorder

extern "C" {
void __real_glutPostRedisplay();

void __wrap_glutTimerFunc(unsigned int milliseconds, void (*callback)(int), int value)
{
    glutRecorder::timers.push_back({milliseconds, callback, value});
}

void __wrap_glutPostRedisplay()
{
    glutRecorder::redisplays++;
    __real_glutPostRedisplay();
}
}
