// speed_meter.cpp: the real ball's meter as a function of time.
#include "real_physics/speed_meter.h"

#include <algorithm>

void SpeedMeter::start(int now)
{
    running = true;
    startTime = now;
    pausedAt = -1;
}

void SpeedMeter::pause(bool paused, int now)
{
    if (paused && pausedAt < 0)
        pausedAt = now;
    else if (!paused && pausedAt >= 0) {
        startTime += now - pausedAt;
        pausedAt = -1;
    }
}

float SpeedMeter::read(int now) const
{
    const int elapsed = std::max((pausedAt >= 0 ? pausedAt : now) - startTime, 0);
    const int phase = elapsed % (2 * meterSweepMilliseconds);
    const int fromEmpty = phase <= meterSweepMilliseconds ? phase : 2 * meterSweepMilliseconds - phase;
    return (float)fromEmpty / meterSweepMilliseconds;
}
