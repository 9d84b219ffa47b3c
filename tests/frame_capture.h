// frame_capture.h: whole frames drawn in the test window and read back, and
// where a point lands on the screen.
#pragma once

#include <GL/glut.h>

#include <array>
#include <vector>

#include "final.h"

using Rgb = std::array<int, 3>;

struct ScreenPoint {
    int x, y;  // pixels from the bottom left
};

struct Frame {
    int width, height;
    std::vector<unsigned char> rgb;  // bottom row first, as OpenGL and BMP keep them
    Rgb at(ScreenPoint p) const
    {
        const size_t i = ((size_t)p.y * width + p.x) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

// display() once, and the pixels it drew. Mesa's software renderer keeps the
// swapped picture in the back buffer; its front buffer reads black under Xvfb.
inline Frame drawFrame()
{
    display();
    Frame frame{GW, GH, std::vector<unsigned char>((size_t)GW * GH * 3)};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GW, GH, GL_RGB, GL_UNSIGNED_BYTE, frame.rgb.data());
    return frame;
}

// Where a point lands under a camera at from looking at to, with the
// projection and viewport that reshape set.
inline ScreenPoint project(Vector3D from, Vector3D to, float x, float y, float z)
{
    GLdouble modelview[16], projection[16], windowX, windowY, depth;
    GLint viewport[4];
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(from.getDx(), from.getDy(), from.getDz(), to.getDx(), to.getDy(), to.getDz(), 0, 1, 0);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glPopMatrix();
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(x, y, z, modelview, projection, viewport, &windowX, &windowY, &depth);
    return {(int)windowX, (int)windowY};  // on screen, so truncation is the floor
}
