// smooth_pacing_test.cpp: --smooth's pictures over a second of a roll, with
// GLUT's main loop played here on the recorded clock: a picture asked for is
// drawn first, else the timer due first runs, as late as a busy machine
// makes it. Xvfb's swap returns at once and is not offered in step with the
// display; a run of its own preloads a driver that accepts the interval all
// the same and tells the display's rate (swap_at_once.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "smooth/smooth.h"

TEST(SmoothPacing, NeverMorePicturesThanTheDisplayShows)
{
    const char* toldRate = getenv("BOWLING_TEST_DISPLAY_RATE");
    const int rate = toldRate ? atoi(toldRate) : 60;
    struct {
        const char* name;
        int refreshRate;  // of a swap that waits; 0 returns at once
        int timerLateness;  // milliseconds
    } const cases[] = {{"a swap at once", 0, 0}, {"late timers, each picture made up", 0, 5}, {"a swap that waits", rate, 0}};
    detachOptions();
    attachOption(smoothOption());
    for (const auto& c : cases) {
        restoreStartState();
        smoothMotion(true);
        keyboard(' ', 0, 0);
        keyboard(' ', 0, 0);
        glutRecorder::refreshRate = c.refreshRate;
        const int end = glutRecorder::now + 1000;
        int pictureTimers = 0;
        while (glutRecorder::now < end && glutRecorder::swaps.size() < 1000) {
            if (glutRecorder::redisplays > 0) {
                glutRecorder::redisplays = 0;
                drawSmoothly();
                continue;
            }
            auto& timers = glutRecorder::timers;
            const auto first = std::min_element(timers.begin(), timers.end(), [](auto& a, auto& b) { return a.due < b.due; });
            ASSERT_NE(first, timers.end()) << c.name << ": nothing more happens";
            pictureTimers += first->callback != moveBall && first->callback != changeSpeed;
            glutRecorder::now = std::max(glutRecorder::now, first->due + c.timerLateness);
            std::rotate(timers.begin(), first, first + 1);
            glutRecorder::runNextTimer();
        }
        EXPECT_EQ(currentState, rolling) << c.name;
        const std::vector<int>& shown = glutRecorder::swaps;
        EXPECT_GE(shown.size(), rate - 1u) << c.name;
        // Picture k no sooner than k pictures' time after the first, but for
        // the few a swap is trusted with before it shows it returns at once.
        const int trusted = toldRate ? 5 : 0;
        for (size_t k = 0; k < shown.size(); k++)
            if (shown[k] - shown[0] < (double)((int)k - trusted) * 1000 / rate - 1) {
                ADD_FAILURE() << c.name << ": picture " << k << " at " << shown[k] - shown[0] << " ms";
                break;
            }
        // A swap the driver keeps in step with the display draws the next.
        if (toldRate && c.refreshRate) {
            EXPECT_EQ(pictureTimers, 0) << c.name;
        }
    }
    smoothMotion(false);
    detachOptions();
    restoreStartState();
}
