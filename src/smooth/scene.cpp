// scene.cpp: a snapshot of the moving game and the blend of two.
#include "smooth/scene.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include <glm/gtc/quaternion.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "final.h"

MovingScene MovingScene::ofGame()
{
    MovingScene scene;
    scene.state = currentState;
    scene.ballX = ::ballX;
    scene.ballZ = ::ballZ;
    scene.ballTheta = ::ballTheta;
    scene.ballSpeed = ::ballSpeed;
    memcpy(scene.roll, ballRollMatrix, sizeof scene.roll);
    std::copy(std::begin(::pins), std::end(::pins), scene.pins);
    return scene;
}

void MovingScene::putIntoGame() const
{
    currentState = state;
    ::ballX = ballX;
    ::ballZ = ballZ;
    ::ballTheta = ballTheta;
    ::ballSpeed = ballSpeed;
    memcpy(ballRollMatrix, roll, sizeof roll);
    std::copy(std::begin(pins), std::end(pins), ::pins);
}

static float blend(float older, float newer, float fraction)
{
    return (float)(older + ((double)newer - older) * fraction);
}

// The ball as drawn: turned by its roll while rolling, by its aim before.
static glm::dquat orientation(const MovingScene& scene)
{
    if (scene.state == rolling)
        return glm::quat_cast(glm::dmat3(glm::make_mat4(scene.roll)));
    return glm::angleAxis(glm::radians(-(double)scene.ballTheta), glm::dvec3(0, 1, 0));
}

MovingScene MovingScene::between(const MovingScene& older, const MovingScene& newer, float fraction)
{
    if (fraction <= 0)
        return older;
    if (fraction >= 1 || newer.state == aiming)
        return newer;
    MovingScene scene = newer;
    scene.ballX = blend(older.ballX, newer.ballX, fraction);
    scene.ballZ = blend(older.ballZ, newer.ballZ, fraction);
    scene.ballSpeed = blend(older.ballSpeed, newer.ballSpeed, fraction);
    if (newer.state == rolling) {
        const glm::dmat4 roll = glm::mat4_cast(glm::slerp(orientation(older), orientation(newer), (double)fraction));
        std::copy_n(glm::value_ptr(roll), 16, scene.roll);
    }
    // A pin tilts about the newer step's axis and, as in the game, vanishes
    // once its tilt passes vanishingTilt, part of the way through the step.
    for (int i = 0; i < pinCount; i++) {
        const float tilt = blend(older.pins[i].tilt(), newer.pins[i].tilt(), fraction);
        scene.pins[i].setTilt(tilt);
        if (!older.pins[i].isShown() || tilt > vanishingTilt)
            scene.pins[i].hide();
        else
            scene.pins[i].show();
    }
    return scene;
}
