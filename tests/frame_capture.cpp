#include "frame_capture.h"

#include <GL/glut.h>

#include <cmath>
#include <cstdlib>

#include "assets/assets.h"
#include "final.h"

Rgb Frame::at(int x, int y) const
{
    const unsigned char* p = &rgb[((size_t)y * width + x) * 3];
    return {p[0], p[1], p[2]};
}

// display() ends with a swap. Mesa's software renderer copies the back
// buffer to the window and keeps it, while its front buffer reads back
// black under Xvfb, so the frame is read from the back buffer.
Frame drawFrame()
{
    display();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    Frame frame;
    frame.width = viewport[2];
    frame.height = viewport[3];
    frame.rgb.resize((size_t)frame.width * frame.height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, frame.width, frame.height, GL_RGB, GL_UNSIGNED_BYTE, frame.rgb.data());
    return frame;
}

static ScreenPoint project(Vector3D from, Vector3D to, float x, float y, float z)
{
    GLdouble modelview[16], projection[16];
    GLint viewport[4];
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(from.getDx(), from.getDy(), from.getDz(), to.getDx(), to.getDy(), to.getDz(), 0, 1, 0);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glPopMatrix();
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble windowX, windowY, depth;
    gluProject(x, y, z, modelview, projection, viewport, &windowX, &windowY, &depth);
    return {(int)std::floor(windowX), (int)std::floor(windowY)};
}

ScreenPoint sceneToScreen(float x, float y, float z)
{
    return project(eye, look, x, y, z);
}

ScreenPoint overlayToScreen(float x, float y)
{
    return project(Vector3D(0, 0, 1), Vector3D(0, 0, 0), x, y, 0);
}

Frame halfSize(const Frame& frame)
{
    Frame half;
    half.width = frame.width / 2;
    half.height = frame.height / 2;
    for (int y = 0; y < half.height; y++)
        for (int x = 0; x < half.width; x++)
            for (int c = 0; c < 3; c++) {
                auto at = [&](int dx, int dy) {
                    return frame.rgb[((size_t)(2 * y + dy) * frame.width + 2 * x + dx) * 3 + c];
                };
                half.rgb.push_back((unsigned char)((at(0, 0) + at(1, 0) + at(0, 1) + at(1, 1) + 2) / 4));
            }
    return half;
}

bool readFrame(const std::string& path, Frame& frame)
{
    Image image;
    if (!ImageLoad(path.c_str(), &image))
        return false;
    frame.width = (int)image.width;
    frame.height = (int)image.height;
    frame.rgb.assign(image.data, image.data + (size_t)image.width * image.height * 3);
    free(image.data);
    return true;
}

int countDifferences(const Frame& expected, const Frame& actual, int tolerance, Frame& difference)
{
    difference = expected;
    int count = 0;
    for (size_t i = 0; i < expected.rgb.size(); i += 3) {
        bool differs = false;
        for (size_t c = 0; c < 3; c++)
            differs = differs || std::abs(expected.rgb[i + c] - actual.rgb[i + c]) > tolerance;
        count += differs;
        for (size_t c = 0; c < 3; c++)
            difference.rgb[i + c] = differs ? (c == 0 ? 255 : 0) : expected.rgb[i + c] / 4;
    }
    return count;
}
