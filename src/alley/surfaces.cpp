// surfaces.cpp: the gutter's round floor, and faces lit or textured.
#include <GL/gl.h>

#include <cmath>

#include "alley/layout.h"
#include "alley/pieces.h"

namespace alley {

// The floor is an arc through both edges and the bottom in the middle.
static const double halfChord = (gutterOuterX - laneEdge) / 2;
static const double depth = -gutterBottomY;
static const double arcRadius = (halfChord * halfChord + depth * depth) / (2 * depth);

double floorY(double x)
{
    const double fromMiddle = std::fabs(std::fabs(x) - gutterMiddleX);
    if (fromMiddle >= halfChord)
        return 0;
    return arcRadius - depth - std::sqrt(arcRadius * arcRadius - fromMiddle * fromMiddle);
}

void litQuads(const double corner[3], const double acrossA[3], const double acrossB[3], int n)
{
    const double normal[3] = {acrossA[1] * acrossB[2] - acrossA[2] * acrossB[1],
                              acrossA[2] * acrossB[0] - acrossA[0] * acrossB[2],
                              acrossA[0] * acrossB[1] - acrossA[1] * acrossB[0]};
    const double length = std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
    glNormal3d(normal[0] / length, normal[1] / length, normal[2] / length);
    // Each square counter-clockwise seen from the front: (0, 0), (1, 0), (1, 1), (0, 1) in (a, b).
    static const int square[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++)
            for (const auto& corner01 : square) {
                const double a = (double)(i + corner01[0]) / n, b = (double)(j + corner01[1]) / n;
                glVertex3d(corner[0] + a * acrossA[0] + b * acrossB[0], corner[1] + a * acrossA[1] + b * acrossB[1],
                           corner[2] + a * acrossA[2] + b * acrossB[2]);
            }
}

void texturedQuad(const double corners[4][3], const double st[4][2])
{
    for (int i = 0; i < 4; i++) {
        glTexCoord2d(st[i][0], st[i][1]);
        glVertex3dv(corners[i]);
    }
}

}  // namespace alley
