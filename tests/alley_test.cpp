// alley_test.cpp: the alley drawn around the lane fits both rolls: what
// lies in a gutter lies on the drawn channel, and the kickbacks and the pit
// stand where the rigid pins meet them.
#include <gtest/gtest.h>

#include <cmath>

#include "alley/layout.h"
#include "alley/pieces.h"
#include "real_physics/lane_to_scene.h"
#include "real_physics/lane_world.h"

// A real ball run down a gutter's middle, where it settles after a second.
static btVector3 ballSettledInGutter()
{
    LaneWorld lane;
    lane.release(rollingBall((real::laneHalfWidth + real::gutterOuterX) / 2, -3, 0, 2));
    for (int step = 0; step < 240; step++)
        lane.step();
    return lane.ballPlace().getOrigin() * btScalar(sceneUnitsPerMetre);
}

TEST(Alley, WhatLiesInAGutterLiesOnTheDrawnChannel)
{
    const btVector3 real = ballSettledInGutter();
    const double realBallRadius = real::ballRadius * sceneUnitsPerMetre;
    struct Case {
        const char* what;
        double x;
        double lowest;  // the ball's lowest point, or the floor beside the channel
    } cases[] = {
        {"the lane's edge, no step down", laneEdge, 0},
        {"the kickback's foot, no step up", -alley::gutterOuterX, 0},
        {"the written ball", gutterLine, -gutterDepth},
        {"the written ball, left", -gutterLine, -gutterDepth},
        {"the real ball", real.x(), real.y() - realBallRadius},
    };
    for (const Case& c : cases) {
        // Above the floor, neither sunk into it nor a visible gap (a millimetre
        // of scene is a couple of pixels at the deck in a full-screen window).
        const double gap = c.lowest - alley::floorY(c.x);
        EXPECT_GT(gap, -0.0005) << c.what << ": sunk into the channel";
        EXPECT_LT(gap, 0.0015) << c.what << ": floating over the channel";
    }
}

TEST(Alley, KickbacksAndPitStandWhereThePinsMeetThem)
{
    struct Case {
        const char* what;
        double drawn;
        double real;  // in the scene
    } cases[] = {
        {"kickbacks' faces", alley::gutterOuterX, real::gutterOuterX * sceneUnitsPerMetre},
        {"kickbacks' start", alley::kickbackStartZ, sceneZ(real::kickbackStartZ, 0)},
        {"kickbacks' top", alley::kickbackTopY, real::kickbackTop * sceneUnitsPerMetre},
        {"pit's back", alley::pitBackZ, sceneZ(real::pitBackZ, 0)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.drawn, c.real, 0.001) << c.what;
    // A hair inside the wall, so a pin against it touches the face drawn.
    EXPECT_LT(alley::gutterOuterX, real::gutterOuterX * sceneUnitsPerMetre);
}
