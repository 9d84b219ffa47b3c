// placement.cpp: where the player's window opens, and the scene's
// proportions in it at every size.
#include <GL/glut.h>
#include <X11/Xutil.h>

#include <cmath>
#include <cstring>

#include "overlay/overlay.h"
#include "window/window_parts.h"

// Of the screen's height (or width, should that be the narrower fit).
static const double screenShare = 0.8;

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
    // Centred, or from the edge a -geometry names (a minus sign: the right
    // or bottom edge).
    placement.x = (screenWidth - placement.width) / 2;
    placement.y = (screenHeight - placement.height) / 2;
    if (geometryGiven & XValue)
        placement.x = geometryGiven & XNegative ? screenWidth - placement.width + geometryX : geometryX;
    if (geometryGiven & YValue)
        placement.y = geometryGiven & YNegative ? screenHeight - placement.height + geometryY : geometryY;
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
