// release_speed.h: the speed the meter offers at any moment, read to the
// millisecond between its steps: from the slowest ball to the fastest and
// back at an even pace, so no speed is easier to hit than another and the
// variation between two balls is the player's timing alone.
#pragma once

namespace release {

inline constexpr double slowestBall = 6.0;  // m/s
inline constexpr double fastestBall = 9.5;
// One way across: a hundredth of a metre a second every 2 ms, finer than
// a hand can time.
inline constexpr double sweepSeconds = 0.7;

// The speed at this many seconds since the meter started, rising first.
double speedAt(double seconds);

}  // namespace release
