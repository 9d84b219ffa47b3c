// lane_geometry.h: where the lane, its gutters, the ball and the rack lie, in
// scene units, for the physics, the drawing and the texture generator alike.
// x runs across the lane, z along it towards the pins at negative z.
// All in double: the generator computes in double, the physics compares
// widened floats against some of these, and a float that stores one of these
// rounds it once, which for each gives the same bits as the float written out.
#pragma once

#include "rack.h"

// The ball rests on the lane: its centre is one radius up.
inline constexpr double ballRadius = 0.06013;

// Half-width of the lane. Compared in double with the float ball position:
// the float 0.2905f that the keys clamp to lies just inside this limit, so a
// ball clamped by the keys counts as on the lane, not in a gutter.
inline constexpr double laneEdge = 0.2905;
// The boards across it, as the lane's picture draws them.
inline constexpr int laneBoards = 39;
// Off the lane, on either side. Compared in double, as laneEdge says.
constexpr bool inGutter(float x)
{
    return x < -laneEdge || x > laneEdge;
}
// With bumpers on, the ball's centre stops here: the lane's edge less the
// ball's radius, written out because that subtraction in double comes out
// one bit lower.
inline constexpr double bumperLine = 0.23037;
// The centre line of a gutter, where a ball that leaves the lane runs on.
// The gutter lies flush against the lane's edge, so it is twice as wide as
// this line lies beyond the edge.
inline constexpr double gutterLine = 0.3405;
// How far a gutter's floor, and a ball running in it, lies below the lane.
inline constexpr double gutterDepth = 0.02;

// The lane runs from its far end, behind the pins, towards the player.
inline constexpr double laneFarEnd = -2.2;
inline constexpr double laneLength = 2.7;

// The rack: its rows from the head pin back, the pins of a row pinSpacing apart.
inline constexpr int rackRows = 4;
inline constexpr double rackRowZ[rackRows] = {-1.3, -1.44525, -1.5905, -1.73575};
inline constexpr double pinSpacing = 0.168;

// The centre target arrow the lane's picture draws, 15 ft past its foul
// line (at 0.97 of the lane from the far end) on a real 60-ft lane, scaled
// to the span to the head pin.
inline constexpr double pictureFoulLineZ = laneFarEnd + 0.97 * laneLength;
inline constexpr double targetArrowsZ = pictureFoulLineZ + (rackRowZ[0] - pictureFoulLineZ) * 15 / 60;

constexpr double rackX(int pin) { return spotAcross(pin) * pinSpacing; }
constexpr double rackZ(int pin) { return rackRowZ[pinRow[pin]]; }
