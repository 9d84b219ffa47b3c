// rack.h: the ten pins' triangle, whatever its scale: the written scene's
// and the real lane's racks are both laid out from it.
#pragma once

inline constexpr int pinCount = 10;

// Each pin's row, and its place in that row (0 to row) counted from the one
// at the greatest x, in the rack's order: row by row from the head pin.
inline constexpr int pinRow[pinCount] = {0, 1, 1, 2, 2, 2, 3, 3, 3, 3};
constexpr int pinFromRight(int pin) { return pin - pinRow[pin] * (pinRow[pin] + 1) / 2; }
// Across the lane, in pin spacings.
constexpr double spotAcross(int pin) { return pinRow[pin] / 2.0 - pinFromRight(pin); }

// A bowler's split, of the pins standing as bits (bit i for pin i): the head
// pin down and the pins left in two or more groups with a gap between them.
bool isSplit(unsigned standing);
