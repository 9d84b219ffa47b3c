// camera_test.cpp: the follow camera's path along recorded rigid-body rolls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "camera/camera.h"
#include "lane_geometry.h"
#include "real_physics/lane_to_scene.h"
#include "real_physics/lane_world.h"
#include "real_physics/roll_figures.h"

static const float startZ = 0.52f;  // where the ball waits, in the scene

// The ball's scene places at each physics step until it nears the pit;
// impact, the step of its first knock on a pin, or 0.
static std::vector<Vector3D> recordedRoll(const Launch& launch, size_t& impact)
{
    LaneWorld lane;
    lane.release(launch);
    std::vector<Vector3D> places;
    for (impact = 0; !lane.rollOver() && lane.ballPlace().getOrigin().z() > real::headPinZ - 1;) {
        lane.step();
        for (const Knock& knock : lane.knocks())
            if (!impact && knock.first == Surface::pin && knock.second == Surface::ball)
                impact = places.size();
        const btVector3 at = toScene(lane.ballPlace().getOrigin(), startZ);
        places.push_back(Vector3D(at.x(), (float)ballRadius, at.z()));
    }
    return places;
}

static double dot(Vector3D a, Vector3D b)
{
    return (double)a.getDx() * b.getDx() + (double)a.getDy() * b.getDy() + (double)a.getDz() * b.getDz();
}

// Where a point is seen across the picture, -1 to 1; NaN behind the camera.
static double across(const Camera& camera, const Vector3D& point, double halfWide)
{
    Vector3D forward = (camera.look - camera.eye).unitVector();
    const Vector3D right = Vector3D(-forward.getDz(), 0, forward.getDx()).unitVector();
    const double ahead = dot(forward, point - camera.eye);
    return ahead > 0 ? dot(right, point - camera.eye) / (ahead * halfWide) : NAN;
}

// How much of the picture's width the ten pins span.
static double rackShare(const Camera& camera, double halfWide)
{
    double left = 1, right = -1;
    for (int pin = 0; pin < pinCount; pin++)
        for (float side : {-0.03f, 0.03f})
            for (float up : {0.0f, 0.21f}) {
                const double x = across(camera, Vector3D((float)rackX(pin) + side, up, (float)rackZ(pin)), halfWide);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return (std::min(right, 1.0) - std::max(left, -1.0)) / 2;
}

TEST(Camera, FollowsTheBallWithoutJumpsAndFillsThePictureWithTheRackAtImpact)
{
    const Camera bowler = {Vector3D(0, 1, 1), Vector3D(0, 0, 0)};
    for (double hook : {1.0, -1.0}) {  // into the pocket, into the left gutter
        size_t impact;
        std::vector<Vector3D> ball = recordedRoll(hook > 0 ? typicalHook() : bowled(-0.3, -1.0, 8.0, -1.0), impact);
        EXPECT_EQ(impact > 0, hook > 0);
        for (double aspect : {1.0, 1.4, 1.9}) {
            const double halfWide = std::tan(pi / 6) * aspect;
            Camera last = followCamera(bowler, 0, startZ, startZ, halfWide);
            EXPECT_EQ((last.eye - bowler.eye).magnitude() + (last.look - bowler.look).magnitude(), 0);
            Vector3D lastStep;
            float largestStep = 0, largestTurn = 0, fastestBall = 0;
            for (size_t i = 1; i < ball.size(); i++) {
                Camera camera = followCamera(bowler, ball[i].getDx(), ball[i].getDz(), startZ, halfWide);
                Vector3D step = camera.eye - last.eye;
                largestStep = std::max(largestStep, step.magnitude());
                largestTurn = std::max(largestTurn, (step - lastStep).magnitude());
                fastestBall = std::max(fastestBall, (ball[i] - ball[i - 1]).magnitude());
                lastStep = step;
                last = camera;
                EXPECT_TRUE(i != impact || rackShare(camera, halfWide) >= 1 / 3.0) << hook << " at " << aspect;
                // Behind the ball down the lane, in the picture, then closing in
                // on the deck but never over the ball before it meets the pins.
                const float behind = camera.eye.getDz() - ball[i].getDz();
                const bool seen = std::fabs(across(camera, ball[i], halfWide)) < 1;
                if ((ball[i].getDz() > rackRowZ[0] + 0.8 && (behind < 0.4f || behind > 0.7f || !seen)) ||
                    ((!impact || i < impact) && behind < 0.05f))
                    ADD_FAILURE() << hook << " at " << aspect << ": " << behind << " behind at z " << ball[i].getDz();
            }
            // Never much faster than the ball, nor suddenly faster, slower or
            // turned, in steps of 1/240 s: a picture at 60 a second is four.
            EXPECT_LT(largestStep, 2 * fastestBall) << hook << " at " << aspect;
            EXPECT_LT(largestTurn, 0.0025f) << hook << " at " << aspect;
        }
    }
}
