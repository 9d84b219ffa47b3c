// release_speed.cpp: the meter's sweep as a triangle wave of time.
#include "real_physics/release_speed.h"

#include <algorithm>
#include <cmath>

double release::speedAt(double seconds)
{
    const double along = std::fmod(std::max(seconds, 0.0), 2 * sweepSeconds) / sweepSeconds;
    const double filled = along <= 1 ? along : 2 - along;
    return slowestBall + (fastestBall - slowestBall) * filled;
}
