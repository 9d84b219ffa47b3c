// lane.cpp: the materials and the stage: lane, gutters and bumpers.
#include <GL/glut.h>

#include "assets/assets.h"
#include "final.h"
#include "lane_geometry.h"
#include "rendering/rendering.h"

// Black diffuse terms: bumpers and gutters show only ambient and specular
// light. The shininess values are deliberately tiny, for broad highlights.
materialStruct pinMaterial = {
    {0.7f, 0.7f, 0.7f, 1.0f}, {0.4f, 0.4f, 0.4f, 1.0f}, {0.2f, 0.2f, 0.2f, 1.0f}, 0.3f};
materialStruct bumperMaterial = {
    {0.6f, 0.6f, 0.6f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, {0.3f, 0.3f, 0.3f, 1.0f}, 1.7f};
materialStruct gutterMaterial = {
    {0.4f, 0.2f, 0.0f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, {0.2f, 0.1f, 0.0f, 1.0f}, 0.1f};

static const float laneCentreZ = (float)(laneFarEnd + laneLength / 2);
static const float laneHalfLength = (float)(laneLength / 2);
// A bumper covers the inner half of its gutter.
static const float gutterX = (float)gutterLine;
static const float gutterWidth = (float)(2 * (gutterLine - laneEdge));
static const float gutterY = (float)-gutterDepth;
static const float bumperX = (float)((laneEdge + gutterLine) / 2);
static const float bumperWidth = (float)(gutterLine - laneEdge);

void useMaterial(materialStruct material)
{
    glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
    glMaterialfv(GL_FRONT, GL_SHININESS, &material.shininess);
}

// A unit cube scaled into a slab centred at (x, y) across the floor.
static void drawSlab(float x, float y, float width, float height)
{
    glPushMatrix();
    glTranslatef(x, y, 0);
    glScalef(width, height, (float)laneLength);
    glutSolidCube(1.0);
    glPopMatrix();
}

void drawFloor()
{
    glPushMatrix();
    glTranslatef(0, 0, laneCentreZ);

    if (useBumpers) {
        useMaterial(bumperMaterial);
        glColor3f(0.6f, 0.6f, 0.6f);
        drawSlab(bumperX, 0.015f, bumperWidth, 0.03f);
        drawSlab(-bumperX, 0.015f, bumperWidth, 0.03f);
    }

    glColor3f(0.46666667f, 0.26666668f, 0.06666667f);
    useMaterial(gutterMaterial);
    drawSlab(-gutterX, gutterY, gutterWidth, 0.001f);
    drawSlab(gutterX, gutterY, gutterWidth, 0.001f);

    // The lane picture once, unrepeated: s across, t along, t = 0 at the pins.
    const float edge = (float)laneEdge;
    glColor3f(0.4f, 0.2f, 0.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, floorTexture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-edge, 0, -laneHalfLength);
    glTexCoord2f(0, 1);
    glVertex3f(-edge, 0, laneHalfLength);
    glTexCoord2f(1, 1);
    glVertex3f(edge, 0, laneHalfLength);
    glTexCoord2f(1, 0);
    glVertex3f(edge, 0, -laneHalfLength);
    glEnd();
    glDisable(GL_TEXTURE_2D);

    glPopMatrix();
}
