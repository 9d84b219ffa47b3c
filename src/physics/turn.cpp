// turn.cpp: comparing two turns, and the picture between two steps.
#include "turn.h"

#include <algorithm>
#include <cstring>

#include <glm/gtc/quaternion.hpp>
#include <glm/gtc/type_ptr.hpp>

template <typename T>
static bool sameBits(const T& a, const T& b)
{
    return memcmp(&a, &b, sizeof a) == 0;
}

bool Turn::operator==(const Turn& other) const
{
    return currentState == other.currentState && framePart == other.framePart && sameBits(ballX, other.ballX) &&
           sameBits(ballZ, other.ballZ) && ballTheta == other.ballTheta && sameBits(ballSpeed, other.ballSpeed) &&
           sameBits(ballSpeedChange, other.ballSpeedChange) && sameBits(ballRollM, other.ballRollM) &&
           useBumpers == other.useBumpers && std::equal(pins, pins + pinCount, other.pins) &&
           sameBits(eye, other.eye) && sameBits(look, other.look);
}

static float blend(float older, float newer, float fraction)
{
    return (float)(older + ((double)newer - older) * fraction);
}

// The ball as drawn: turned by its roll while rolling, by its aim before.
static glm::dquat orientation(const Turn& turn)
{
    if (turn.currentState == rolling)
        return glm::quat_cast(glm::dmat3(glm::make_mat4(turn.ballRollM)));
    return glm::angleAxis(glm::radians(-(double)turn.ballTheta), glm::dvec3(0, 1, 0));
}

// What the steps move; the rest (the camera, the bumpers, the frame) a
// picture shows as it is now.
static void takeMovingParts(Turn& into, const Turn& from)
{
    into.currentState = from.currentState;
    into.ballX = from.ballX;
    into.ballZ = from.ballZ;
    into.ballTheta = from.ballTheta;
    into.ballSpeed = from.ballSpeed;
    std::copy_n(from.ballRollM, 16, into.ballRollM);
    std::copy_n(from.pins, pinCount, into.pins);
}

Turn turnBetween(const Turn& older, const Turn& newer, float fraction)
{
    Turn shown = newer;
    if (fraction <= 0) {
        takeMovingParts(shown, older);
        return shown;
    }
    if (fraction >= 1 || newer.currentState == aiming)
        return shown;
    shown.ballX = blend(older.ballX, newer.ballX, fraction);
    shown.ballZ = blend(older.ballZ, newer.ballZ, fraction);
    shown.ballSpeed = blend(older.ballSpeed, newer.ballSpeed, fraction);
    if (newer.currentState == rolling) {
        const glm::dmat4 roll = glm::mat4_cast(glm::slerp(orientation(older), orientation(newer), (double)fraction));
        std::copy_n(glm::value_ptr(roll), 16, shown.ballRollM);
    }
    // A pin tilts about the newer step's axis and, as in the game, vanishes
    // once its tilt passes vanishingTilt, part of the way through the step.
    for (int i = 0; i < pinCount; i++) {
        const float tilt = blend(older.pins[i].tilt(), newer.pins[i].tilt(), fraction);
        shown.pins[i].setTilt(tilt);
        if (!older.pins[i].isShown() || tilt > vanishingTilt)
            shown.pins[i].hide();
        else
            shown.pins[i].show();
    }
    return shown;
}
