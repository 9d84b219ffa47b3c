// hall.cpp: the approach and the settee area behind it, the masking unit
// over the decks, and the walls and ceiling that close the hall.
#include <GL/gl.h>

#include "alley/layout.h"
#include "alley/pieces.h"

namespace alley {

static const materialStruct wall = {
    {0.32f, 0.3f, 0.36f, 1}, {0.4f, 0.38f, 0.45f, 1}, {0.05f, 0.05f, 0.05f, 1}, 5};
static const materialStruct ceiling = {
    {0.16f, 0.16f, 0.2f, 1}, {0.22f, 0.22f, 0.27f, 1}, {0, 0, 0, 1}, 1};
// Under the masking unit, where the pinsetters stand: dark.
static const materialStruct machinery = {
    {0.05f, 0.05f, 0.06f, 1}, {0.08f, 0.08f, 0.09f, 1}, {0, 0, 0, 1}, 1};

// A texture over a whole face, as it is.
static void showTexture(GLuint texture, const double corners[4][3], const double st[4][2])
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    texturedQuad(corners, st);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

// One picture a bay across, the lane's middle at s = 0.5, from the lanes'
// end to the back wall along.
void drawApproach(const Textures& textures)
{
    const double s = sideWallX / bayPitch;
    const double corners[4][3] = {{-sideWallX, 0, laneNearZ}, {-sideWallX, 0, backWallZ},
                                  {sideWallX, 0, backWallZ}, {sideWallX, 0, laneNearZ}};
    const double st[4][2] = {{0.5 - s, 0}, {0.5 - s, 1}, {0.5 + s, 1}, {0.5 + s, 0}};
    showTexture(textures.approach, corners, st);
}

// A panel a bay across, and under it, back to the pits, the pinsetters' dark.
void drawMaskingUnit(const Textures& textures)
{
    const double s = sideWallX / bayPitch;
    const double corners[4][3] = {{-sideWallX, kickbackTopY, maskingZ}, {-sideWallX, maskingTopY, maskingZ},
                                  {sideWallX, maskingTopY, maskingZ}, {sideWallX, kickbackTopY, maskingZ}};
    const double st[4][2] = {{0.5 - s, 0}, {0.5 - s, 1}, {0.5 + s, 1}, {0.5 + s, 0}};
    showTexture(textures.masking, corners, st);

    useMaterial(machinery);
    const double under[3] = {-sideWallX, kickbackTopY, maskingZ};
    const double across[3] = {2 * sideWallX, 0, 0}, back[3] = {0, 0, pitBackZ - maskingZ};
    glBegin(GL_QUADS);
    litQuads(under, back, across, 2);
    glEnd();
}

// Only their fronts, inside the hall: a camera outside looks in.
void drawWalls(const Textures&)
{
    glEnable(GL_CULL_FACE);
    useMaterial(wall);
    const double up[3] = {0, ceilingY, 0};
    const double across[3] = {2 * sideWallX, 0, 0};
    const double endWall[3] = {-sideWallX, maskingTopY, maskingZ}, aboveMasking[3] = {0, ceilingY - maskingTopY, 0};
    const double backWall[3] = {-sideWallX, 0, backWallZ};
    const double length[3] = {0, 0, backWallZ - pitBackZ};
    const double leftWall[3] = {-sideWallX, 0, pitBackZ}, rightWall[3] = {sideWallX, 0, pitBackZ};
    glBegin(GL_QUADS);
    litQuads(endWall, across, aboveMasking, 6);
    litQuads(backWall, up, across, 6);
    litQuads(leftWall, up, length, 8);
    litQuads(rightWall, length, up, 8);
    glEnd();

    useMaterial(ceiling);
    const double overhead[3] = {-sideWallX, ceilingY, maskingZ}, toBack[3] = {0, 0, backWallZ - maskingZ};
    glBegin(GL_QUADS);
    litQuads(overhead, across, toBack, 8);
    glEnd();
    glDisable(GL_CULL_FACE);
}

}  // namespace alley
