// camera_test.cpp: the follow camera's path as numbers, along rolls of the
// rigid-body lane recorded at every physics step, finer than any display.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "camera/camera.h"
#include "lane_geometry.h"
#include "real_physics/lane_to_scene.h"
#include "real_physics/lane_world.h"

namespace {

const float startZ = 0.52f;  // where the ball waits, in the scene
const Camera bowler = {Vector3D(0, 1, 1), Vector3D(0, 0, 0)};

struct Place {
    float x, z;
    bool impact;  // the ball's first knock on a pin
};

// The ball's scene place at each step until it reaches the pit.
std::vector<Place> recordedRoll(double x, double degrees, double hook)
{
    LaneWorld lane;
    lane.release(bowled(x, degrees, 8.0, hook));
    std::vector<Place> places;
    bool hit = false;
    while (!lane.rollOver() && lane.ballPlace().getOrigin().z() > real::headPinZ - 1) {
        lane.step();
        bool impact = false;
        for (const Knock& knock : lane.knocks())
            impact |= !hit && knock.first == Surface::pin && knock.second == Surface::ball;
        hit |= impact;
        const btVector3 at = toScene(lane.ballPlace().getOrigin(), startZ);
        places.push_back({at.x(), at.z(), impact});
    }
    return places;
}

// Where a point is seen across the picture: -1 its left edge, 1 its right;
// NaN behind the camera.
double across(const Camera& camera, const Vector3D& point, double halfWide)
{
    Vector3D forward = (camera.look - camera.eye).unitVector();
    const Vector3D right = Vector3D(-forward.getDz(), 0, forward.getDx()).unitVector();
    const double ahead = forward.dotProduct(point - camera.eye);
    return ahead > 0 ? right.dotProduct(point - camera.eye) / (ahead * halfWide) : NAN;
}

// How much of the picture's width the ten pins span, seen from the camera.
double rackShare(const Camera& camera, double halfWide)
{
    double left = 1, right = -1;
    for (int row = 0; row < rackRows; row++)
        for (int i = 0; i <= row; i++)
            for (float side : {-0.03f, 0.03f})
                for (float up : {0.0f, 0.21f}) {
                    const double x = across(camera, Vector3D((float)rackX(row, i) + side, up, (float)rackRowZ[row]), halfWide);
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
    return (std::min(right, 1.0) - std::max(left, -1.0)) / 2;
}

}  // namespace

TEST(Camera, FollowsTheBallWithoutJumpsAndFillsThePictureWithTheRackAtImpact)
{
    const struct {
        const char* what;
        double x, degrees, hook;
    } rolls[] = {{"a hook into the pocket", 0.3, -1.0, 1.0}, {"a hook into the left gutter", -0.3, -1.0, -1.0}};
    for (const auto& roll : rolls) {
        const std::vector<Place> places = recordedRoll(roll.x, roll.degrees, roll.hook);
        EXPECT_EQ(std::count_if(places.begin(), places.end(), [](const Place& at) { return at.impact; }), roll.hook > 0);
        for (double aspect : {1.0, 1.4, 1.9}) {
            const double halfWide = std::tan(M_PI / 6) * aspect;
            Camera last = followCamera(bowler, 0, startZ, startZ, halfWide);
            EXPECT_EQ((last.eye - bowler.eye).magnitude() + (last.look - bowler.look).magnitude(), 0) << roll.what;
            Vector3D lastStep;
            float largestStep = 0, largestTurn = 0, fastestBall = 0;
            bool impact = false;
            for (size_t i = 1; i < places.size(); i++) {
                const Place& at = places[i];
                Camera camera = followCamera(bowler, at.x, at.z, startZ, halfWide);
                Vector3D step = camera.eye - last.eye;
                largestStep = std::max(largestStep, step.magnitude());
                largestTurn = std::max(largestTurn, (step - lastStep).magnitude());
                fastestBall = std::max(fastestBall, std::hypot(at.x - places[i - 1].x, at.z - places[i - 1].z));
                lastStep = step;
                last = camera;
                impact |= at.impact;
                EXPECT_TRUE(!at.impact || rackShare(camera, halfWide) >= 1 / 3.0) << roll.what << " at " << aspect;
                // Behind the ball down the lane, in the picture, then closing in
                // on the deck but never over the ball before it meets the pins.
                const float behind = camera.eye.getDz() - at.z;
                const bool seen = std::fabs(across(camera, Vector3D(at.x, (float)ballRadius, at.z), halfWide)) < 1;
                if ((at.z > rackRowZ[0] + 0.8 && (behind < 0.4f || behind > 0.7f || !seen)) || (!impact && behind < 0.05f))
                    ADD_FAILURE() << roll.what << " at " << aspect << ": " << behind << " behind at z " << at.z;
            }
            // Never much faster than the ball, nor suddenly faster, slower or
            // turned, in steps of 1/240 s: a picture at 60 a second is four.
            EXPECT_LT(largestStep, 2 * fastestBall) << roll.what << " at " << aspect;
            EXPECT_LT(largestTurn, 0.0025f) << roll.what << " at " << aspect;
        }
    }
}
