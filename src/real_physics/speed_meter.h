// speed_meter.h: the meter of a real ball, read to the millisecond of GLUT's
// clock: a triangle wave from empty to full and back, rising first, with no
// rest at either end, so no speed is easier to catch than another. It
// stands still while the game is paused. Private to src/real_physics/.
#pragma once

// One sweep from empty to full: fast enough that no hand catches the same
// hundredth of a metre a second twice.
inline constexpr int meterSweepMilliseconds = 800;

class SpeedMeter {
public:
    void start(int now);
    void stop() { running = false; }
    bool isRunning() const { return running; }
    void pause(bool paused, int now);
    // The power, 0 to 1, at GLUT's time now.
    float read(int now) const;

private:
    bool running = false;
    int startTime = 0;  // GLUT's milliseconds, moved on by each pause
    int pausedAt = -1;  // while paused: GLUT's milliseconds then
};
