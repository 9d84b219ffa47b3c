// lane_to_scene.cpp: the run drawn at one short scale, then over a blend of
// 1.5 m its scale rising evenly to the deck's, which holds from half a
// metre before the head pin on.
#include "real_physics/lane_to_scene.h"

#include "lane_geometry.h"
#include "real_physics/real_lane.h"

static const double deckFrom = real::headPinZ + 0.5;
static const double blendLength = 1.5;

// The run's scale (scene units a metre) that brings the ball from the foul
// line to the deck's start as drawn.
static double runScale(double foulLineZ)
{
    const double deckStartScene = rackRowZ[0] + (deckFrom - real::headPinZ) * sceneUnitsPerMetre;
    const double length = -deckFrom;
    return (foulLineZ - deckStartScene - sceneUnitsPerMetre * blendLength / 2) / (length - blendLength / 2);
}

double sceneZ(double z, double foulLineZ)
{
    if (z <= deckFrom)
        return rackRowZ[0] + (z - real::headPinZ) * sceneUnitsPerMetre;
    const double k = runScale(foulLineZ);
    const double blendFrom = deckFrom + blendLength;
    if (z >= blendFrom)
        return foulLineZ + z * k;
    // Short of the deck by d, in the blend: the scale falls from the deck's
    // to the run's as d grows.
    const double d = z - deckFrom;
    const double deckStartScene = rackRowZ[0] + (deckFrom - real::headPinZ) * sceneUnitsPerMetre;
    return deckStartScene + sceneUnitsPerMetre * d - (sceneUnitsPerMetre - k) * d * d / (2 * blendLength);
}

btVector3 toScene(const btVector3& point, double foulLineZ)
{
    return btVector3(btScalar(point.x() * sceneUnitsPerMetre), btScalar(point.y() * sceneUnitsPerMetre),
                     btScalar(sceneZ(point.z(), foulLineZ)));
}

double runShortening(double foulLineZ)
{
    return sceneUnitsPerMetre / runScale(foulLineZ);
}
