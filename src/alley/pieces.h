// pieces.h: the alley's parts, each drawn in world coordinates with the
// textures made for it, and the few ways of drawing a surface they share.
// Private to src/alley/.
#pragma once

#include <GL/gl.h>

#include "rendering/rendering.h"

namespace alley {

// Our pictures, made in memory once a window is open.
struct Textures {
    GLuint approach;  // the boards and their dots, one bay wide; the carpet behind
    GLuint masking;   // one bay's panel of the masking unit
    GLuint cushion;   // the dark folds of the pit's cushion
};
Textures makeTextures();

// A part of the alley: lanes, gutters, pits and so on. Drawing leaves
// texturing off and lighting on.
struct Piece {
    const char* name;
    void (*draw)(const Textures&);
};
extern const Piece pieces[];
extern const int pieceCount;

// The pieces, each over all the bays.
void drawLanes(const Textures&);
void drawGutters(const Textures&);
void drawDividers(const Textures&);  // cappings and kickbacks
void drawPits(const Textures&);      // with the cushion
void drawApproach(const Textures&);
void drawMaskingUnit(const Textures&);
void drawWalls(const Textures&);     // the end wall above the masking unit too, and the ceiling

// How far the gutter's floor lies under the lane's top at x: 0 on the lane
// and on the cappings.
double floorY(double x);

// Every surface is drawn as quads, between glBegin(GL_QUADS) and glEnd, a
// piece's quads of one look in one go: few draws cost least.
// A flat face lit with the current material, cut into a grid of n x n so
// the light, which moves with the eye, falls on it unevenly: a corner and
// the two edges from it. Its front, counter-clockwise, faces along
// acrossA x acrossB, and so does its normal.
void litQuads(const double corner[3], const double acrossA[3], const double acrossB[3], int n);
// A quad of the bound texture, shown as it is: (s, t) at each corner.
void texturedQuad(const double corners[4][3], const double st[4][2]);

}  // namespace alley
