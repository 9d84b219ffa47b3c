// bays.cpp: the lanes side by side, each with its rounded gutters and its
// pit, and the cappings and kickbacks between them.
#include <GL/gl.h>

#include <cmath>
#include <initializer_list>

#include "alley/layout.h"
#include "alley/pieces.h"
#include "assets/assets.h"

namespace alley {

static const int gutterSlices = 6;    // across a gutter's arc
static const int gutterLengths = 2;   // along it, for the light
static const double cushionFoldsApart = 0.25;

// A dark synthetic gutter with a sheen that shows its roundness.
static const materialStruct gutterFloor = {
    {0.25f, 0.22f, 0.2f, 1}, {0.3f, 0.26f, 0.22f, 1}, {0.5f, 0.5f, 0.5f, 1}, 30};
// The cappings and kickbacks: dark laminate.
static const materialStruct laminate = {
    {0.35f, 0.2f, 0.12f, 1}, {0.42f, 0.24f, 0.13f, 1}, {0.15f, 0.15f, 0.15f, 1}, 10};
// Under the deck and in the pit: nearly black.
static const materialStruct pitDark = {
    {0.06f, 0.06f, 0.07f, 1}, {0.07f, 0.07f, 0.08f, 1}, {0, 0, 0, 1}, 1};

// Each lane as the written one: its picture once, s across, t = 0 at the pins.
void drawLanes(const Textures&)
{
    const double st[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, floorTexture);  // the written lane's picture
    glBegin(GL_QUADS);
    for (int bay = -baysEachSide; bay <= baysEachSide; bay++) {
        const double left = bayX(bay) - laneEdge, right = bayX(bay) + laneEdge;
        const double corners[4][3] = {
            {left, 0, laneFarEnd}, {left, 0, laneNearZ}, {right, 0, laneNearZ}, {right, 0, laneFarEnd}};
        texturedQuad(corners, st);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

// Across a gutter from the lane's edge outwards, slice by slice: x from
// the bay's middle.
static double gutterX(int side, int slice)
{
    return side * (laneEdge + (gutterOuterX - laneEdge) * slice / gutterSlices);
}

// A point of a gutter's arc with its normal, square to the arc.
static void gutterPoint(double bayMiddle, double x, double z)
{
    const double h = 1e-4;
    const double slope = (floorY(x + h) - floorY(x - h)) / (2 * h);
    const double length = std::sqrt(1 + slope * slope);
    glNormal3d(-slope / length, 1 / length, 0);
    glVertex3d(bayMiddle + x, floorY(x), z);
}

// One gutter's arc, in strips along the lane.
static void drawGutter(double bayMiddle, int side)
{
    for (int k = 0; k < gutterLengths; k++) {
        const double z0 = laneNearZ - laneLength * k / gutterLengths;
        const double z1 = laneNearZ - laneLength * (k + 1) / gutterLengths;
        for (int i = 0; i < gutterSlices; i++) {
            const double x0 = gutterX(side, i), x1 = gutterX(side, i + 1);
            gutterPoint(bayMiddle, x0, z0);
            gutterPoint(bayMiddle, x0, z1);
            gutterPoint(bayMiddle, x1, z1);
            gutterPoint(bayMiddle, x1, z0);
        }
    }
}

// Across a bay at z, between its floor (lane and gutters) and the height
// y: the deck's end over the pit, or the gutters' ends at the approach.
static void drawBayEnd(double bayMiddle, double z, double y)
{
    glNormal3d(0, 0, z < 0 ? -1 : 1);
    double lastX = -gutterOuterX;
    for (int side : {-1, 1})
        for (int i = 0; i <= gutterSlices; i++) {
            const double x = gutterX(side, side < 0 ? gutterSlices - i : i);
            glVertex3d(bayMiddle + lastX, floorY(lastX), z);
            glVertex3d(bayMiddle + x, floorY(x), z);
            glVertex3d(bayMiddle + x, y, z);
            glVertex3d(bayMiddle + lastX, y, z);
            lastX = x;
        }
}

void drawGutters(const Textures&)
{
    useMaterial(gutterFloor);
    glBegin(GL_QUADS);
    for (int bay = -baysEachSide; bay <= baysEachSide; bay++) {
        drawGutter(bayX(bay), -1);
        drawGutter(bayX(bay), 1);
        drawBayEnd(bayX(bay), laneNearZ, 0);
    }
    glEnd();
}

// Between two bays, and beyond the outermost: the capping flush with the
// lanes, then the kickback up from the pit's floor to the masking unit.
static void drawDivider(double middleX)
{
    const double inner = middleX - cappingWidth / 2, outer = middleX + cappingWidth / 2;
    const double capping[3] = {inner, 0, laneNearZ}, across[3] = {cappingWidth, 0, 0},
                 alongCapping[3] = {0, 0, kickbackStartZ - laneNearZ};
    litQuads(capping, across, alongCapping, 2);
    const double kickbackLength[3] = {0, 0, pitBackZ - kickbackStartZ};
    const double height[3] = {0, kickbackTopY - pitFloorY, 0};
    const double innerFoot[3] = {inner, pitFloorY, kickbackStartZ}, outerFoot[3] = {outer, pitFloorY, kickbackStartZ};
    litQuads(innerFoot, height, kickbackLength, 2);
    litQuads(outerFoot, kickbackLength, height, 2);
    const double frontFoot[3] = {inner, 0, kickbackStartZ}, frontHeight[3] = {0, kickbackTopY, 0};
    litQuads(frontFoot, across, frontHeight, 1);
}

void drawDividers(const Textures&)
{
    useMaterial(laminate);
    glBegin(GL_QUADS);
    for (int bay = -baysEachSide - 1; bay <= baysEachSide; bay++)
        drawDivider(bayX(bay) + bayPitch / 2);
    glEnd();
}

// Behind each deck the pit: its floor and the deck's end above it; across
// the back of them all the cushion, from the floor to the masking unit.
void drawPits(const Textures& textures)
{
    useMaterial(pitDark);
    glBegin(GL_QUADS);
    for (int bay = -baysEachSide; bay <= baysEachSide; bay++) {
        const double floor[3] = {bayX(bay) - gutterOuterX, pitFloorY, laneFarEnd};
        const double across[3] = {2 * gutterOuterX, 0, 0}, along[3] = {0, 0, pitBackZ - laneFarEnd};
        litQuads(floor, across, along, 1);
        drawBayEnd(bayX(bay), laneFarEnd, pitFloorY);
    }
    glEnd();

    const double s = sideWallX / cushionFoldsApart;
    const double corners[4][3] = {{-sideWallX, pitFloorY, pitBackZ}, {-sideWallX, kickbackTopY, pitBackZ},
                                  {sideWallX, kickbackTopY, pitBackZ}, {sideWallX, pitFloorY, pitBackZ}};
    const double st[4][2] = {{-s, 0}, {-s, 1}, {s, 1}, {s, 0}};
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textures.cushion);
    glBegin(GL_QUADS);
    texturedQuad(corners, st);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

}  // namespace alley
