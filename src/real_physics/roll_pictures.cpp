// roll_pictures.cpp: pins and ball placed by the rigid bodies, drawn with
// the written models; the aim and the spin while the ball waits.
#include "real_physics/roll_pictures.h"

#include <GL/glu.h>

#include <cmath>
#include <cstdio>

#include "lane_geometry.h"
#include "option_door.h"
#include "overlay/overlay.h"
#include "real_physics/lane_to_scene.h"
#include "rendering/rendering.h"

LaneSnapshot LaneSnapshot::of(const LaneWorld& lane)
{
    LaneSnapshot snapshot;
    for (int i = 0; i < real::pinCount; i++) {
        snapshot.pinShown[i] = lane.pinOnLane(i);
        snapshot.pinStanding[i] = lane.pinStanding(i);
        if (snapshot.pinShown[i])
            snapshot.pins[i] = lane.pinPlace(i);
    }
    snapshot.ballShown = lane.ballOnLane();
    if (snapshot.ballShown) {
        snapshot.ball = lane.ballPlace();
        snapshot.ballShown = snapshot.ball.getOrigin().y() > btScalar(real::droppedBelow);
    }
    return snapshot;
}

// The place a fraction of the way between two, moved into the scene: its
// turn as a column-major matrix, its origin apart.
static btVector3 placeBetween(const btTransform& older, const btTransform& newer, float fraction,
                              double foulLineZ, float turn[16])
{
    btTransform between;
    between.setOrigin(older.getOrigin().lerp(newer.getOrigin(), fraction));
    between.setRotation(older.getRotation().slerp(newer.getRotation(), fraction));
    between.getOpenGLMatrix(turn);
    turn[12] = turn[13] = turn[14] = 0;
    return toScene(between.getOrigin(), foulLineZ);
}

void drawPitOpening(double foulLineZ)
{
    const float pitEdge = (float)sceneZ(real::pitEdgeZ, foulLineZ);
    const float outside = (float)(2 * gutterLine - laneEdge);
    const float above = 0.001f;  // over the lane, so the opening shows
    glDisable(GL_LIGHTING);
    glColor3f(0, 0, 0);
    glBegin(GL_QUADS);
    glVertex3f(-outside, above, pitEdge);
    glVertex3f(outside, above, pitEdge);
    glVertex3f(outside, above, (float)laneFarEnd);
    glVertex3f(-outside, above, (float)laneFarEnd);
    glEnd();
    glEnable(GL_LIGHTING);
}

void drawPinsBetween(const LaneSnapshot& older, const LaneSnapshot& newer, float fraction, double foulLineZ,
                     bool game)
{
    for (int i = 0; i < real::pinCount; i++) {
        if (!newer.pinShown[i])
            continue;
        const btTransform& from = older.pinShown[i] ? older.pins[i] : newer.pins[i];
        float turn[16];
        btVector3 foot = placeBetween(from, newer.pins[i], fraction, foulLineZ, turn);
        if (game) {
            const btVector3 middle = foot + btVector3(turn[4], turn[5], turn[6]) * (pinModelHeight / 2);
            Vector3D shift = pinMoved(Vector3D(middle.x(), middle.y(), middle.z()), newer.pinStanding[i]);
            foot += btVector3(shift.getDx(), shift.getDy(), shift.getDz());
        }
        useMaterial(pinMaterial);
        glPushMatrix();
        glColor3f(1, 1, 1);
        glTranslatef(foot.x(), foot.y(), foot.z());
        glMultMatrixf(turn);
        drawPinModel();
        glPopMatrix();
    }
}

void drawBallBetween(const LaneSnapshot& older, const LaneSnapshot& newer, float fraction, double foulLineZ)
{
    if (!newer.ballShown)
        return;
    float turn[16];
    const btTransform& from = older.ballShown ? older.ball : newer.ball;
    const btVector3 centre = placeBetween(from, newer.ball, fraction, foulLineZ, turn);
    glPushMatrix();
    glTranslatef(centre.x(), centre.y() - (float)ballRadius, centre.z());
    drawBallTurned(turn, 0);
    glPopMatrix();
}

void drawSpin(int hook, int strongestSpin)
{
    const float left = 0.28f, right = 0.40f;
    const float middle = (left + right) / 2;
    const float bend = 0.05f * hook / strongestSpin;
    const float height = meterTop - meterBottom - 0.02f;
    glPushMatrix();
    glLoadIdentity();
    lookFromMeterCamera();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    drawGaugeFrame(left, right);
    glColor3f(1, 1, 0);
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i <= 8; i++) {
        const float t = i / 8.0f;
        glVertex3f(middle + bend * t * t, meterBottom + 0.01f + height * t, 0);
    }
    glEnd();
    // A head on the path's end, along its last direction.
    const float endX = middle + bend, endY = meterBottom + 0.01f + height;
    const float heading = std::atan2(2 * bend, height);
    glBegin(GL_LINES);
    for (float side : {-0.5f, 0.5f}) {
        glVertex3f(endX, endY, 0);
        glVertex3f(endX - 0.015f * std::sin(heading + side), endY - 0.015f * std::cos(heading + side), 0);
    }
    glEnd();
    glColor3f(1, 1, 1);
    drawMeterLabel(hook == 0 ? "NO HOOK" : hook < 0 ? "HOOK LEFT" : "HOOK RIGHT", middle, meterLabelOver);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glPopMatrix();
}

void drawAimLabels(Hand hand, int boardAtArrows, double releasedSpeed)
{
    glColor3f(1, 1, 1);
    if (boardAtArrows > 0) {
        const float column = meterLeft - 0.15f;
        char board[24];
        snprintf(board, sizeof board, "ARROWS %d", boardAtArrows);
        drawMeterLabel(hand == Hand::right ? "RIGHT HAND" : "LEFT HAND", column, meterLabelOver);
        drawMeterLabel(board, column, meterLabelLow);
    }
    if (releasedSpeed > 0) {
        char speed[24];
        snprintf(speed, sizeof speed, "%.1f km/h", releasedSpeed * 3.6);
        drawMeterLabel(speed, (meterLeft + meterRight) / 2, meterLabelOver);
    }
}

void drawWaitingBall(const Turn& shown, float aimAtArrows)
{
    glPushMatrix();
    glTranslatef(shown.ballX, 0, shown.ballZ);
    if (shown.currentState == aiming) {
        const double angle = std::atan2(aimAtArrows - shown.ballX, shown.ballZ - targetArrowsZ) * 180 / pi;
        drawAimArrowTurned((float)-angle);
    }
    drawBall(shown);
    glPopMatrix();
}
