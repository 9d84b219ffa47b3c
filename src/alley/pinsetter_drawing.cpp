// pinsetter_drawing.cpp: the sweep bar, the deck and the new rack it holds.
#include <GL/gl.h>

#include "alley/layout.h"
#include "alley/pieces.h"
#include "alley/pinsetter.h"
#include "physics/physics.h"
#include "rendering/rendering.h"

namespace alley {

// A board across the deck, kickback to kickback, painted dark.
static const double barDepth = 0.02;
static const materialStruct barPaint = {
    {0.12f, 0.12f, 0.13f, 1}, {0.2f, 0.2f, 0.22f, 1}, {0.4f, 0.4f, 0.4f, 1}, 40};
// Over the rack, the lane's width, its underside a pin's height over the
// pins it holds.
static const double deckThickness = 0.03;
static const double deckFrontZ = rackRowZ[0] + 0.07;
static const double deckBackZ = rackRowZ[rackRows - 1] - 0.07;
static const materialStruct deckMetal = {
    {0.3f, 0.3f, 0.28f, 1}, {0.45f, 0.45f, 0.42f, 1}, {0.3f, 0.3f, 0.3f, 1}, 20};

// A lit box between two corners, each face facing out.
static void box(double x0, double y0, double z0, double x1, double y1, double z1)
{
    const double across[3] = {x1 - x0, 0, 0}, back[3] = {-(x1 - x0), 0, 0};
    const double up[3] = {0, y1 - y0, 0};
    const double along[3] = {0, 0, z1 - z0}, towardsPins[3] = {0, 0, -(z1 - z0)};
    const double top[3] = {x0, y1, z1}, bottom[3] = {x0, y0, z0}, front[3] = {x0, y0, z1},
                 rear[3] = {x1, y0, z0}, right[3] = {x1, y0, z1}, left[3] = {x0, y0, z0};
    glBegin(GL_QUADS);
    litQuads(top, across, towardsPins, 2);
    litQuads(bottom, across, along, 1);
    litQuads(front, across, up, 2);
    litQuads(rear, back, up, 1);
    litQuads(right, towardsPins, up, 1);
    litQuads(left, along, up, 1);
    glEnd();
}

void drawPinsetter(const PinsetterPose& pose)
{
    useMaterial(barPaint);
    box(-gutterOuterX, pose.barY, pose.barZ - barDepth, gutterOuterX, pose.barY + barHeight, pose.barZ);
    useMaterial(deckMetal);
    const double deckY = pose.deckLift + pinModelHeight;
    box(-laneEdge, deckY, deckBackZ, laneEdge, deckY + deckThickness, deckFrontZ);
    if (!pose.newRack)
        return;
    glPushMatrix();
    glTranslated(0, pose.pinsLift, 0);
    for (int pin = 0; pin < pinCount; pin++)
        rackPin(pin).draw();
    glPopMatrix();
}

}  // namespace alley
