// real_lane.h: a real lane and its equipment, in metres, kilograms and
// seconds. x runs across the lane (positive to the bowler's right), y up,
// z along it from the foul line (0) towards the pins at negative z, as in
// the scene; the lane's top is y = 0.
#pragma once

#include "rack.h"

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
// The pit's floor, and how far down a body is taken as dropped into the pit,
// where nothing reaches the deck again and the ball is drawn no more: halfway.
inline constexpr double pitFloor = -0.35;
inline constexpr double droppedBelow = pitFloor / 2;
// A pin's foot is on the deck while no lower than this.
inline constexpr double footOnDeck = -0.01;
inline constexpr double kickbackTop = 0.6;

// The ball.
inline constexpr double ballRadius = 0.1085;
inline constexpr double ballMass = 6.8;

// The pins: ten in a triangle 0.3048 m apart, head pin in front.
inline constexpr double pinHeight = 0.381;
inline constexpr double pinMass = 1.64;  // the heaviest the rules allow, 3 lb 10 oz
inline constexpr double pinSpacing = 0.3048;
inline constexpr double pinRowSpacing = 0.26397;  // pinSpacing * cos 30 degrees
using ::pinCount;
using ::pinRow;

// Where each pin stands, in the rack's order.
constexpr double pinSpotX(int pin) { return spotAcross(pin) * pinSpacing; }
constexpr double pinSpotZ(int pin) { return headPinZ - pinRow[pin] * pinRowSpacing; }

}  // namespace real
