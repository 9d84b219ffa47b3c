// alley_test.cpp: the alley drawn around the lane fits both rolls: what
// lies in a gutter lies on the drawn channel, and the kickbacks and the pit
// stand where the rigid pins meet them.
#include <gtest/gtest.h>

#include "alley/layout.h"
#include "alley/pieces.h"
#include "alley/pinsetter.h"
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

// The pinsetter's cycles after a first ball that left pins and after a
// frame's end: the bar comes down before it sweeps, sweeps and is back in
// under a second, the pins the deck holds pass over it, a pin down lies
// where it fell until the bar reaches it and ends in the pit, and the
// cycle ends as the game's own pictures begin: pins on the deck, nothing
// carried.
TEST(Alley, PinsetterSweepsThenSetsEachInUnderASecond)
{
    Vector3D down(0.1f, 0.03f, -1.6f);
    for (bool newRack : {false, true}) {
        const int end = alley::pinsetterMilliseconds(newRack);
        int sweepStart = -1, sweepEnd = -1, reached = -1;
        for (int t = 0; t <= end; t += 5) {
            const alley::PinsetterPose pose = alley::pinsetterAt(t, newRack);
            const bool sweeping = pose.barZ < alley::pinsetterAt(0, newRack).barZ - 1e-6;
            if (sweeping && sweepStart < 0)
                sweepStart = t;
            if (sweeping)
                sweepEnd = t;
            EXPECT_TRUE(!sweeping || pose.barY == 0) << newRack << " at " << t << ": the bar sweeps from above";
            EXPECT_TRUE(!sweeping || pose.pinsLift > alley::barHeight) << newRack << " at " << t << ": pins held low";
            Vector3D moved = alley::pinCarried(pose, down, false);
            if (reached < 0 && moved.magnitude() > 0) {
                reached = t;
                EXPECT_LT(pose.barZ, down.getDz() + 0.1f) << newRack << ": moved before the bar came";
            }
        }
        EXPECT_GT(sweepStart, 0) << newRack;
        EXPECT_LT(sweepEnd, 1000) << newRack << ": the sweep";
        EXPECT_LT(end - sweepEnd, 1000) << newRack << ": the setting";
        EXPECT_GT(reached, sweepStart) << newRack;
        const alley::PinsetterPose last = alley::pinsetterAt(end, newRack);
        Vector3D inPit = alley::pinCarried(last, down, false);
        EXPECT_LT(down.getDy() + inPit.getDy(), alley::pitFloorY) << newRack;
        // Swept at a frame's end, else set down where it stood.
        Vector3D standing = alley::pinCarried(last, Vector3D(0, 0.1f, -1.3f), true);
        EXPECT_TRUE(newRack ? standing.getDy() < alley::pitFloorY : standing.magnitude() == 0) << newRack;
        EXPECT_EQ(last.pinsLift, 0) << newRack;
    }
}
