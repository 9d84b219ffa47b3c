// steady_clock.cpp: GLUT's timers and elapsed time follow the wall clock.
// Stepped back (as NTP does to a clock that ran ahead) a pending step waits
// as long; stepped to before the program started, GLUT's elapsed time wraps
// round and the game stands or races. The player's game keeps time on the monotonic clock
// instead, and while a timer is armed waits itself, in GLUT's idle
// callback, for X's next event or the first timer due.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "window/window.h"

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

const auto started = std::chrono::steady_clock::now();

double now()
{
    return Milliseconds(std::chrono::steady_clock::now() - started).count();
}

struct Timer {
    double due;
    void (*callback)(int);
    int value;
};
// The meter's step, the ball's and the next picture's, with room to spare.
const int maxTimers = 16;
Timer timers[maxTimers];  // in the order they fall due, ties as armed
int timerCount = 0;
Display* display = nullptr;
// A picture drawn since the last wait may have asked for the next at once,
// as --smooth does where the swap waits for the display. GLUT's own wait
// never holds such a picture back; as GLUT cannot be asked whether one is
// due, the wait after a picture is skipped.
bool pictureDrawn = false;

bool fallsDueAfter(double time, const Timer& timer)
{
    return time < timer.due;
}

// Returns once X has an event for GLUT or the first timer is due, then runs
// the timers due, not those they arm.
void keepTime()
{
    const double wait = timers[0].due - now();
    const bool mayWait = !pictureDrawn;
    pictureDrawn = false;
    if (wait > 0 && mayWait && display && XPending(display) == 0) {
        pollfd connection = {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, (int)std::ceil(wait));
    }
    const double time = now();
    const int dueCount = (int)(std::upper_bound(timers, timers + timerCount, time, fallsDueAfter) - timers);
    Timer due[maxTimers];
    std::copy(timers, timers + dueCount, due);
    std::copy(timers + dueCount, timers + timerCount, timers);
    timerCount -= dueCount;
    if (timerCount == 0)
        glutIdleFunc(nullptr);
    for (int i = 0; i < dueCount; i++)
        due[i].callback(due[i].value);
}

class SteadyClock : public PlayerOption, public Clock {
    void windowOpened() override { display = glXGetCurrentDisplay(); }
    void drawLayer(Layer layer, const Turn&) override
    {
        if (layer == Layer::panel)  // the picture's last
            pictureDrawn = true;
    }
    Clock* clock() override { return this; }

    int elapsed() override { return (int)now(); }

    void callAfter(unsigned milliseconds, void (*callback)(int), int value) override
    {
        if (timerCount == maxTimers)
            abort();  // a programming error: the game arms more timers than it did
        const Timer timer = {now() + milliseconds, callback, value};
        Timer* place = std::upper_bound(timers, timers + timerCount, timer.due, fallsDueAfter);
        std::copy_backward(place, timers + timerCount, timers + timerCount + 1);
        *place = timer;
        timerCount++;
        glutIdleFunc(keepTime);
    }
};

}  // namespace

PlayerOption& steadyClock()
{
    static SteadyClock option;
    return option;
}
