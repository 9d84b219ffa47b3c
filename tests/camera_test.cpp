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
const double squareHalfWide = std::tan(M_PI / 6);

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

float distance(const Vector3D& a, const Vector3D& b) { return (a - b).magnitude(); }


// How much of the picture's width the ten pins span, seen from the camera.
double rackShare(const Camera& camera, double halfWide)
{
    Vector3D forward = (camera.look - camera.eye).unitVector();
    const Vector3D right = Vector3D(-forward.getDz(), 0, forward.getDx()).unitVector();
    double left = 1e9, rightmost = -1e9;
    for (int row = 0; row < rackRows; row++)
        for (int i = 0; i <= row; i++)
            for (float side : {-0.03f, 0.03f})
                for (float up : {0.0f, 0.21f}) {
                    const Vector3D p = Vector3D((float)rackX(row, i) + side, up, (float)rackRowZ[row]) - camera.eye;
                    const double across = p.dotProduct(right) / (p.dotProduct(forward) * halfWide);
                    left = std::min(left, across);
                    rightmost = std::max(rightmost, across);
                }
    return (std::min(rightmost, 1.0) - std::max(left, -1.0)) / 2;
}

}  // namespace

TEST(Camera, FollowsTheBallWithoutJumpsAndFillsThePictureWithTheRackAtImpact)
{
    const struct {
        const char* what;
        double x, degrees, hook;
    } rolls[] = {{"a hook into the pocket", 0.3, -1.0, 1.0}, {"a hook into the left gutter", -0.3, -1.0, -1.0}};
    for (const auto& roll : rolls)
        for (double aspect : {1.0, 1.4, 1.9}) {
            const double halfWide = squareHalfWide * aspect;
            const std::vector<Place> places = recordedRoll(roll.x, roll.degrees, roll.hook);
            ASSERT_GT(places.size(), 100u) << roll.what;
            Camera last = followCamera(bowler, 0, startZ, startZ, halfWide);
            EXPECT_EQ(distance(last.eye, bowler.eye) + distance(last.look, bowler.look), 0) << roll.what;
            float lastMove = 0, largestMove = 0, largestTurn = 0, fastestBall = 0;
            Place ball = places[0];
            bool impact = false;
            for (const Place& at : places) {
                Camera camera = followCamera(bowler, at.x, at.z, startZ, halfWide);
                const float move = distance(camera.eye, last.eye);
                largestMove = std::max(largestMove, move);
                largestTurn = std::max(largestTurn, std::fabs(move - lastMove));
                lastMove = move;
                fastestBall = std::max(fastestBall, std::hypot(at.x - ball.x, at.z - ball.z));
                ball = at;
                last = camera;
                impact |= at.impact;
                if (at.impact) {
                    EXPECT_GE(rackShare(camera, halfWide), 1 / 3.0) << roll.what << " at " << aspect;
                }
                // Behind the ball down the lane, then closing in on the deck
                // but never over the ball before it meets the pins.
                const float behind = camera.eye.getDz() - at.z;
                const bool following = at.z > rackRowZ[0] + 0.8;
                if ((following && (behind < 0.4f || behind > 0.7f)) || (!impact && behind < 0.05f))
                    ADD_FAILURE() << roll.what << " at " << aspect << ": " << behind << " behind at z " << at.z;
            }
            // Never faster than the ball nor suddenly faster or slower, in
            // steps of 1/240 s: a picture at 60 a second is four of them.
            EXPECT_LT(largestMove, 2 * fastestBall) << roll.what << " at " << aspect;
            EXPECT_LT(largestTurn, 0.0025f) << roll.what << " at " << aspect;
            EXPECT_EQ(impact, roll.hook > 0) << roll.what;
        }
}
