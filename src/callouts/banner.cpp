// banner.cpp: a callout across the scene, big and bright, in banner units:
// the scene's smaller side is bannerUnits of them, so the words keep their
// share of the picture at every window size.
#include <GL/gl.h>

#include <algorithm>

#include "callouts/callouts.h"
#include "overlay/overlay.h"

static const float bannerUnits = 500;
static const float capHeight = 46;
static const float band = 84;           // the backdrop's height
static const float centreFromTop = 320;  // below the rack, which the deck camera shows high
static const float strokeWeight = 5;    // the letters' lines
static const float outlineWeight = 10;  // a dark edge round them, against a bright lane
static const float widest = 460;        // a long split's name is drawn smaller to fit

void drawBanner(const char* text)
{
    CentredUnits units;
    if (!centredUnits(bannerUnits, units))
        return;
    const float cap = capHeight * std::min(1.0f, widest / textWidth(text, capHeight));
    const float centre = -units.halfHigh + centreFromTop;

    beginCentredFlat(units);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LINE_SMOOTH);

    // Faded out at both ends, so it lies over the scene rather than cuts it.
    glBegin(GL_QUAD_STRIP);
    const float halfWide = units.halfWide;
    for (float x : {-halfWide, -halfWide / 2, halfWide / 2, halfWide}) {
        glColor4f(0.05f, 0.05f, 0.12f, x == -halfWide || x == halfWide ? 0 : 0.7f);
        glVertex2f(x, centre - band / 2);
        glVertex2f(x, centre + band / 2);
    }
    glEnd();
    const float baseline = centre + cap / 2;
    glLineWidth(std::max(1.0f, outlineWeight * units.pixelsPerUnit));
    glColor4f(0.1f, 0.05f, 0, 0.9f);
    drawText(text, 0, baseline, cap);
    glLineWidth(std::max(1.0f, strokeWeight * units.pixelsPerUnit));
    glColor3f(1, 0.85f, 0.2f);
    drawText(text, 0, baseline, cap);

    endFlat();
}
