// layout.h: where the parts of the alley lie, in scene units, around the
// written lane (lane_geometry.h). Across, a bay is a lane with a gutter on
// each side; bays sit side by side, a capping between two, and under the
// masking unit the cappings rise into kickbacks. Private to src/alley/.
#pragma once

#include "lane_geometry.h"

namespace alley {

// The gutters: rounded channels from the lane's edge out to the kickbacks'
// faces, as deep in the middle as a ball that drops in sinks, so a ball in
// a gutter, the written one or the rigid one, lies in it. Their outer edge
// lies a hair inside the wall the rigid pins bounce off, so the face drawn
// here is the one seen.
inline constexpr double gutterOuterX = 0.418;
inline constexpr double gutterBottomY = -0.022;
inline constexpr double gutterMiddleX = (laneEdge + gutterOuterX) / 2;

// Between two bays, the capping and, along the deck and the pit, the
// kickbacks that pins bounce off.
inline constexpr double cappingWidth = 0.122;
inline constexpr double bayPitch = 2 * gutterOuterX + cappingWidth;
inline constexpr int baysEachSide = 2;
// The middle of the bay so many bays to +x of ours.
constexpr double bayX(int bay) { return bay * bayPitch; }
inline constexpr double kickbackStartZ = -1.135;
inline constexpr double kickbackTopY = 0.33;

// The lanes run from the approach to their pits, each as long as ours.
inline constexpr double laneNearZ = laneFarEnd + laneLength;
// The pit behind the deck, dark and deep, its cushion hanging at the back.
inline constexpr double pitBackZ = -2.4626;
inline constexpr double pitFloorY = -0.193;

// The masking unit hangs over the decks of all the bays, its lower edge
// level with the kickbacks' tops; above it the end wall rises to the ceiling.
inline constexpr double maskingZ = -1.45;
inline constexpr double maskingTopY = 0.78;
inline constexpr double ceilingY = 1.6;

// The hall: the approach from the lanes back to the settees and the back
// wall, and the side walls beyond the outermost bays.
inline constexpr double approachEndZ = 3.1;
inline constexpr double backWallZ = 4.2;
inline constexpr double sideWallX = (baysEachSide + 0.5) * bayPitch + cappingWidth / 2;

}  // namespace alley
