// random_input_test.cpp: a long stream of random events through every
// callback, with the timers the game schedules run in between: any key byte,
// any special key number, mouse buttons and drags out to INT_MIN and
// INT_MAX, reshapes from 0 x 0 to 8192 x 8192 and now and then a whole
// frame. Nothing may crash or trip a sanitizer, the camera stays a number,
// the state one of the three, the matrix stack balanced and GL error-free.
// BOWLING_RANDOM_EVENTS sets how many events (100,000).
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "final.h"
#include "game_window.h"
#include "glut_recorder.h"
#include "stress.h"

static const unsigned inputSeed = 20250608;

enum EventKind { key, specialKey, mouseButton, mouseDrag, resize, frame, timerStep };
static const char* const eventName[] = {"key", "special key", "mouse button", "mouse drag",
                                        "reshape", "display", "timer"};

class EventSource {
public:
    explicit EventSource(unsigned seed) : random(seed) {}

    EventKind nextKind() { return (EventKind)kinds(random); }

    // Half the keys are the game's own, so the turn cycle really turns.
    unsigned char keyByte()
    {
        static const unsigned char gameKeys[] = {' ', ' ', 'a', 'd', 'b', 'z', 'A', 'D', 'B', 'Z'};
        if (coin())
            return gameKeys[pick(sizeof gameKeys)];
        return (unsigned char)pick(256);
    }

    int specialKeyNumber()
    {
        static const int keys[] = {GLUT_KEY_LEFT, GLUT_KEY_RIGHT, GLUT_KEY_UP, GLUT_KEY_DOWN,
                                   GLUT_KEY_F1, 0, -1, INT_MIN, INT_MAX};
        if (coin())
            return keys[pick(sizeof keys / sizeof keys[0])];
        return std::uniform_int_distribution<int>(INT_MIN, INT_MAX)(random);
    }

    int coordinate()
    {
        static const int extremes[] = {INT_MIN, INT_MIN + 1, -100000, -1, 0, 1, 499, 500, 100000, INT_MAX - 1, INT_MAX};
        if (coin())
            return extremes[pick(sizeof extremes / sizeof extremes[0])];
        return std::uniform_int_distribution<int>(-1000, 1500)(random);
    }

    int windowSide()
    {
        static const int sides[] = {0, 1, 500, 8192};
        if (coin())
            return sides[pick(4)];
        return std::uniform_int_distribution<int>(0, 8192)(random);
    }

    int anyInt() { return std::uniform_int_distribution<int>(INT_MIN, INT_MAX)(random); }

    int buttonOrState()
    {
        if (coin())
            return (int)pick(3);  // GLUT's left, middle, right or down, up
        return anyInt();
    }

private:
    bool coin() { return random() % 2 == 0; }
    unsigned pick(unsigned count) { return (unsigned)(random() % count); }

    std::mt19937 random;
    // Timers and drags most often, a frame rarely: one costs milliseconds.
    std::discrete_distribution<int> kinds{15, 10, 10, 25, 4, 0.5, 35.5};
};

// Every value is drawn in its own statement: the order in which a call's
// arguments are evaluated differs between compilers, the stream must not.
static void play(EventKind kind, EventSource& input)
{
    switch (kind) {
    case key: {
        const unsigned char byte = input.keyByte();
        const int x = input.coordinate();
        const int y = input.coordinate();
        keyboard(byte, x, y);
        break;
    }
    case specialKey: {
        const int number = input.specialKeyNumber();
        const int x = input.coordinate();
        const int y = input.coordinate();
        specialKeyboard(number, x, y);
        break;
    }
    case mouseButton: {
        const int button = input.buttonOrState();
        const int state = input.buttonOrState();
        const int x = input.coordinate();
        const int y = input.coordinate();
        mouse(button, state, x, y);
        break;
    }
    case mouseDrag: {
        const int x = input.coordinate();
        const int y = input.coordinate();
        mouseMove(x, y);
        break;
    }
    case resize: {
        const int width = input.windowSide();
        const int height = input.windowSide();
        reshape(width, height);
        break;
    }
    case frame:
        display();
        break;
    case timerStep:
        glutRecorder::runNextTimer();
        break;
    }
}

TEST(RandomInput, NoEventStreamBreaksTheGame)
{
    reshape(500, 500);
    restoreStartState();
    const int events = stressCount("BOWLING_RANDOM_EVENTS", 100000);
    printf("seed %u\n", inputSeed);
    EventSource input(inputSeed);
    int rolls = 0;

    for (int n = 1; n <= events; n++) {
        const EventKind kind = input.nextKind();
        const int stateBefore = currentState;
        play(kind, input);
        rolls += stateBefore == powering && currentState == rolling;

        // Built only when an assertion fails.
        const auto where = [&] { return "event " + std::to_string(n) + " (" + eventName[kind] + ")"; };
        ASSERT_TRUE(currentState == aiming || currentState == powering || currentState == rolling)
            << where() << ": state " << currentState;
        ASSERT_TRUE(std::isfinite(eye.getDx()) && std::isfinite(eye.getDy()) && std::isfinite(eye.getDz()))
            << where() << ": the camera is lost";
        ASSERT_LE(glutRecorder::timers.size(), 2u) << where() << ": timers pile up";
        GLint matrixMode = 0, depth = 0;
        glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        ASSERT_EQ(matrixMode, GL_MODELVIEW) << where();
        ASSERT_EQ(depth, 1) << where();
        ASSERT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << where();
    }
    printf("%d events, %d balls rolled\n", events, rolls);
    EXPECT_GT(rolls, 0) << "the stream should reach every state";
    reshape(500, 500);
}
