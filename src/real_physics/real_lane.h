// real_lane.h: a real lane and its equipment, in metres, kilograms and
// seconds. x runs across the lane (positive to the bowler's right), y up,
// z along it from the foul line (0) towards the pins at negative z, as in
// the scene; the lane's top is y = 0.
#pragma once

namespace real {

// The lane, foul line to head pin, and the pin deck's end, where the pit
// begins (the head pin stands 0.868 m from it).
inline constexpr double headPinZ = -18.29;
inline constexpr double pitEdgeZ = headPinZ - 0.868;
inline constexpr double laneHalfWidth = 0.525;

// The gutters: channels 0.235 m wide and 0.048 m deep, so a ball in one
// passes clear of the corner pins.
inline constexpr double gutterOuterX = laneHalfWidth + 0.235;
inline constexpr double gutterDepth = 0.0476;

// The kickbacks, the walls beside the deck from just behind the head pin
// to the pit's back, and how high they stand.
inline constexpr double kickbackStartZ = headPinZ + 0.3;
inline constexpr double pitBackZ = -20.4;
inline constexpr double kickbackTop = 0.6;

// The ball.
inline constexpr double ballRadius = 0.1085;
inline constexpr double ballMass = 6.8;

// The pins: ten in a triangle 0.3048 m apart, head pin in front.
inline constexpr double pinHeight = 0.381;
inline constexpr double pinMass = 1.53;
inline constexpr double pinSpacing = 0.3048;
inline constexpr double pinRowSpacing = 0.26397;  // pinSpacing * cos 30 degrees
inline constexpr int pinCount = 10;

// The pins in the game's order: row by row from the head pin, each row
// from +x to -x. Where each stands: its row, and its place in the row.
inline constexpr int pinRow[pinCount] = {0, 1, 1, 2, 2, 2, 3, 3, 3, 3};
constexpr double pinSpotX(int pin)
{
    const int row = pinRow[pin];
    const int fromRight = pin - row * (row + 1) / 2;
    return (row / 2.0 - fromRight) * pinSpacing;
}
constexpr double pinSpotZ(int pin) { return headPinZ - pinRow[pin] * pinRowSpacing; }

}  // namespace real
