// random_input_test.cpp: a long stream of random events through every
// callback, with the timers the game schedules run in between: any key byte,
// any special key number, mouse events out to INT_MIN and INT_MAX, reshapes
// from 0 x 0 to 8192 x 8192 and now and then a whole frame. Nothing may
// crash or trip a sanitizer, the camera stays a number, the state one of the
// three, the matrix stack balanced, in the plain game and with every option on (the sound on
// OpenAL Soft's null driver). BOWLING_RANDOM_EVENTS sets how many (fewer where everything runs
// slower, as under the sanitizers); a fixed seed plays a failure out again the same way.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "real_physics/real_physics.h"
#include "scratch_folder.h"
#include "score/score.h"
#include "smooth/smooth.h"
#include "sound/sound.h"
#include "window/window.h"

static const unsigned inputSeed = 20250608;

// Half the draws come from a few telling values, the rest from the range.
template <size_t N>
static int pickOr(std::mt19937& random, const int (&telling)[N], int low, int high)
{
    if (random() % 2)
        return telling[random() % N];
    return std::uniform_int_distribution<int>(low, high)(random);
}

class RandomInput : public testing::TestWithParam<bool> {};

TEST_P(RandomInput, NoEventStreamBreaksTheGame)
{
    ScratchFolder data;  // for the best game
    setenv("XDG_DATA_HOME", data.path.c_str(), 1);
    setenv("ALSOFT_DRIVERS", "null", 1);
    keepScore(GetParam());
    detachOptions();
    for (PlayerOption* option :
         {&scoreOption(), &realPhysicsOption(), &smoothOption(), &soundOption(), &playerWindow(0, nullptr)})
        if (GetParam())
            attachOption(*option);
    static const int keys[] = {' ', ' ', 'a', 'd', 'b', 'z', 'A', 'D', 'B', 'Z'};
    static const int specialKeys[] = {GLUT_KEY_LEFT, GLUT_KEY_RIGHT, GLUT_KEY_UP, GLUT_KEY_F1, INT_MIN};
    static const int coordinates[] = {INT_MIN, -100000, -1, 0, 250, 499, 500, 100000, INT_MAX};
    static const int buttonsAndStates[] = {0, 1, 2};
    static const int sides[] = {0, 1, 500, 8192};
    reshape(500, 500);
    restoreStartState();
    const char* count = getenv("BOWLING_RANDOM_EVENTS");
    const int events = count ? atoi(count) : 100000;
    printf("%d events from seed %u\n", events, inputSeed);
    std::mt19937 random(inputSeed);
    // Timers and drags most often, a frame rarely: one costs milliseconds.
    std::discrete_distribution<int> kinds{15, 10, 10, 25, 4, 0.5, 35.5};
    const auto coordinate = [&] { return pickOr(random, coordinates, -1000, 1500); };
    int rolls = 0;

    for (int n = 1; n <= events; n++) {
        const int kind = kinds(random);
        const int stateBefore = currentState;
        // One draw a statement: argument order differs between compilers.
        const int a = kind == 0 ? pickOr(random, keys, 0, 255)
                    : kind == 1 ? pickOr(random, specialKeys, INT_MIN, INT_MAX)
                    : kind == 2 ? pickOr(random, buttonsAndStates, INT_MIN, INT_MAX)
                    : kind == 4 ? pickOr(random, sides, 0, 8192) : 0;
        const int b = kind == 2 ? pickOr(random, buttonsAndStates, INT_MIN, INT_MAX)
                    : kind == 4 ? pickOr(random, sides, 0, 8192) : 0;
        const int x = coordinate();
        const int y = coordinate();
        switch (kind) {
        case 0: keyboard((unsigned char)a, x, y); break;
        case 1: specialKeyboard(a, x, y); break;
        case 2: mouse(a, b, x, y); break;
        case 3: mouseMove(x, y); break;
        case 4: reshape(a, b); break;
        case 5: display(); break;
        default: glutRecorder::runNextTimer(); break;
        }
        rolls += stateBefore == powering && currentState == rolling;

        ASSERT_TRUE(currentState == aiming || currentState == powering || currentState == rolling)
            << "event " << n << " of kind " << kind << ": state " << currentState;
        ASSERT_TRUE(std::isfinite(eye.getDx()) && std::isfinite(eye.getDy()) && std::isfinite(eye.getDz()))
            << "event " << n << " of kind " << kind << ": the camera is lost";
        ASSERT_LE(glutRecorder::timers.size(), 3u) << "event " << n << ": timers pile up";
        GLint depth = 0, mode = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        ASSERT_TRUE(depth == 1 && mode == GL_MODELVIEW) << "event " << n << " of kind " << kind;
        ASSERT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << "event " << n << " of kind " << kind;
    }
    printf("%d events, %d balls rolled\n", events, rolls);
    EXPECT_GT(rolls, 0) << "the stream should reach every state";
    detachOptions();
    reshape(500, 500);
}

INSTANTIATE_TEST_SUITE_P(PlainAndEveryOption, RandomInput, testing::Bool());
