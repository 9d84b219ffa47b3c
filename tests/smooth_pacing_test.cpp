// smooth_pacing_test.cpp: --smooth's pictures over a second of a roll, GLUT's main loop
// played on the recorded clock: a picture asked for first, else the timer due first, as
// late as a busy machine makes it. Xvfb swaps at once; swap_at_once.cpp claims otherwise.
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
    const int trusted = toldRate ? 5 : 0;  // pictures drawn before the swap is seen to return at once
    for (const int timerLateness : {0, 5}) {  // milliseconds
        detachOptions();
        restoreStartState();
        attachOption(smoothOption());
        keyboard(' ', 0, 0);
        keyboard(' ', 0, 0);
        const int end = glutRecorder::now + 1000;
        auto& timers = glutRecorder::timers;
        while (glutRecorder::now < end && glutRecorder::swaps.size() < 1000 && (glutRecorder::redisplays || !timers.empty())) {
            if (glutRecorder::redisplays > 0) {
                glutRecorder::redisplays = 0;
                drawSmoothly();
            } else {
                const auto first = std::min_element(timers.begin(), timers.end(), [](auto& a, auto& b) { return a.due < b.due; });
                glutRecorder::now = std::max(glutRecorder::now, first->due + timerLateness);
                std::rotate(timers.begin(), first, first + 1);
                glutRecorder::runNextTimer();
            }
        }
        SCOPED_TRACE(testing::Message() << "timers late by " << timerLateness << " ms");
        // At the rate, late ones made up; picture k never before k pictures' time, but the trusted.
        const std::vector<int>& shown = glutRecorder::swaps;
        EXPECT_GE(shown.size(), rate - 1u) << "pictures in a second";
        for (size_t k = 0; k < shown.size(); k++)
            if (shown[k] - shown[0] < (double)((int)k - trusted) * 1000 / rate - 1) {
                ADD_FAILURE() << "picture " << k << " at " << shown[k] - shown[0] << " ms";
                break;
            }
    }
    detachOptions();
    restoreStartState();
}
