// release_speed.h: the speeds the meter offers a real ball, from the
// slowest to the fastest.
#pragma once

namespace release {

inline constexpr double slowestBall = 6.0;  // m/s
inline constexpr double fastestBall = 9.5;

}  // namespace release
