// placement.cpp: where the player's window opens, and the scene's
// proportions in it at every size.
#include <GL/glut.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "overlay/overlay.h"
#include "window/window_parts.h"

// Of the screen's height (or width, should that be the narrower fit).
static const double screenShare = 0.8;
// X's window sizes are 16 bits, its coordinates signed.
static const int largestXSize = 32767;

// The parts of GLUT's -geometry WxH+X+Y given, as XParseGeometry reads them.
static int geometryGiven = 0;
static int geometryX = 0;
static int geometryY = 0;
static unsigned int geometryWidth = 0;
static unsigned int geometryHeight = 0;

void noteGeometry(int argc, char** argv)
{
    geometryGiven = 0;
    for (int i = 1; i + 1 < argc; i++)
        if (strcmp(argv[i], "-geometry") == 0)
            geometryGiven = XParseGeometry(argv[i + 1], &geometryX, &geometryY, &geometryWidth, &geometryHeight);
}

void placeOnScreen(WindowPlacement& placement)
{
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH);
    const int screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    const double heightPerWidth = (sceneUnitsHigh + stripUnitsHigh()) / stripUnitsWide;
    if (screenWidth > 0 && screenHeight > 0) {
        placement.height = (int)std::lround(screenHeight * screenShare);
        placement.width = (int)std::lround(placement.height / heightPerWidth);
        if (placement.width > screenWidth * screenShare) {
            placement.width = (int)std::lround(screenWidth * screenShare);
            placement.height = (int)std::lround(placement.width * heightPerWidth);
        }
    }
    if (geometryGiven & WidthValue)
        placement.width = (int)geometryWidth;
    if (geometryGiven & HeightValue)
        placement.height = (int)geometryHeight;
    // A huge window crashes the renderer, or X itself refuses it.
    placement.width = std::clamp(placement.width, 1, screenWidth > 0 ? screenWidth : largestXSize);
    placement.height = std::clamp(placement.height, 1, screenHeight > 0 ? screenHeight : largestXSize);
    // Centred, or from the edge a -geometry names (a minus sign: the right
    // or bottom edge).
    placement.x = (screenWidth - placement.width) / 2;
    placement.y = (screenHeight - placement.height) / 2;
    if (geometryGiven & XValue)
        placement.x = geometryGiven & XNegative ? screenWidth - placement.width + geometryX : geometryX;
    if (geometryGiven & YValue)
        placement.y = geometryGiven & YNegative ? screenHeight - placement.height + geometryY : geometryY;
}

// The largest viewport the renderer takes: a larger window, as a window
// manager or a program may make it, is sized back to the screen before a
// picture is drawn at that size, which the renderer would not survive (and
// at its limit draws at seconds a picture). Larger than the screen but
// within the limit is no harm.
void keepWithinLimits(const SceneLayout& layout)
{
    GLint viewport[2] = {largestXSize, largestXSize};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    const int widest = std::min((int)viewport[0], largestXSize);
    const int tallest = std::min((int)viewport[1], largestXSize);
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH);
    const int screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    if (layout.windowWidth > widest || layout.windowHeight > tallest)
        glutReshapeWindow(std::min({layout.windowWidth, widest, screenWidth > 0 ? screenWidth : widest}),
                          std::min({layout.windowHeight, tallest, screenHeight > 0 ? screenHeight : tallest}));
}

// The square scene sees 60 degrees up and down, and across: a wider one
// keeps the height's angle and sees more across, a taller one keeps the
// width's angle and sees more up and down.
void keepProportions(SceneLayout& layout)
{
    layOutStrip(layout);
    const double wide = layout.viewportWidth;
    const double high = layout.viewportHeight;
    if (wide <= 0 || high <= 0)
        return;
    layout.aspect = wide / high;
    if (high > wide)
        layout.fieldOfView = std::atan(std::tan(layout.fieldOfView * pi / 360) * high / wide) * 360 / pi;
}
