// lane_to_scene.h: where a point of the real lane is drawn in the written
// scene. Across and up, and on the pin deck along too, at the scene's own
// scale; the long run from the foul line to the deck is drawn shortened,
// speeding up smoothly into the deck's scale, so that the ball leaves from
// where the written ball waits and pins and ball look as the written ones.
#pragma once

#include <btBulletDynamicsCommon.h>

#include "lane_geometry.h"
#include "real_physics/real_lane.h"

// The deck at the written rack's scale: its pins as far apart as the real ones.
inline constexpr double sceneUnitsPerMetre = pinSpacing / real::pinSpacing;

// foulLineZ: the scene's z of the foul line, where the ball waits.
double sceneZ(double z, double foulLineZ);
btVector3 toScene(const btVector3& point, double foulLineZ);
// How much shorter than the deck's the run is drawn, near the foul line:
// the aim arrow's angle is widened by as much.
double runShortening(double foulLineZ);
