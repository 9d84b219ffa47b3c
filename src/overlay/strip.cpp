// strip.cpp: the strip above the scene, so what it shows covers nothing of
// the lane: the bands the options show, stacked in a fixed order, each drawn
// once, kept as a texture and copied while it stays the same.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "option_door.h"
#include "overlay/overlay.h"

static const int bandCount = (int)StripBand::count;
static bool shown[bandCount] = {};
static float unitsHigh[bandCount] = {bandUnitsHigh[0], bandUnitsHigh[1]};
static const float strokeWeight = 1.1f;  // text line width in strip units

// As last laid out: pixels per strip unit, the window's width, the rows
// from the window's bottom to the strip's, and each band's rows.
static float scale = 1;
static int windowWidth = 0;
static int stripBottom = 0;
static int bandRows[bandCount] = {};

void showStripBand(StripBand band, bool on)
{
    shown[(int)band] = on;
}

void setBandUnitsHigh(StripBand band, float high)
{
    unitsHigh[(int)band] = high;
}

float stripUnitsHigh()
{
    float high = 0;
    for (int band = 0; band < bandCount; band++)
        high += shown[band] ? unitsHigh[band] : 0;
    return high;
}

void layOutStrip(SceneLayout& layout)
{
    const float high = stripUnitsHigh();
    scale = std::min(layout.windowWidth / stripUnitsWide, layout.windowHeight / (sceneUnitsHigh + high));
    windowWidth = layout.windowWidth;
    // Each band ends on the row nearest its last unit, so the bands meet.
    int rows = 0;
    float units = 0;
    for (int band = 0; band < bandCount; band++) {
        const int above = rows;
        units += shown[band] ? unitsHigh[band] : 0;
        rows = (int)std::lround(units * scale);
        bandRows[band] = rows - above;
    }
    stripBottom = std::max(layout.windowHeight - rows, 0);
    layout.viewportX = 0;
    layout.viewportY = 0;
    layout.viewportWidth = layout.windowWidth;
    layout.viewportHeight = stripBottom;
}

// Each band's picture and what it showed, in its own texture.
struct KeptBand {
    unsigned char content[1024];
    size_t size;
    int width, rows;
    float scale;
    GLuint texture;  // 0 until first drawn
};
static KeptBand kept[bandCount] = {};

static bool sameAsKept(const KeptBand& band, const void* content, size_t size, int rows)
{
    return band.texture && band.size == size && band.width == windowWidth && band.rows == rows &&
           band.scale == scale &&
           memcmp(band.content, content, size) == 0;
}

// The band's units across the whole window, the strip's 500 in its middle.
static float unitsLeftOfMiddle()
{
    return (windowWidth / scale - stripUnitsWide) / 2;
}

// Texel for pixel: the quad covers the band's viewport exactly.
static void drawCopy(GLuint texture, float left, float right, float high)
{
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2f(left, 0);
    glTexCoord2f(1, 1);
    glVertex2f(right, 0);
    glTexCoord2f(1, 0);
    glVertex2f(right, high);
    glTexCoord2f(0, 0);
    glVertex2f(left, high);
    glEnd();
}

// Smoothed stroke text costs the software renderer about a millisecond a
// picture, so a band is drawn anew only when it changes.
static void drawAndKeep(KeptBand& band, void (*draw)(), float left, float right, float high, int bottom, int rows)
{
    // Smoothed lines as wide as the strip's scale makes them: text that
    // reads alike at every size.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(std::max(1.0f, strokeWeight * scale));
    glColor3f(0.12f, 0.12f, 0.14f);
    glRectf(left, 0, right, high);
    draw();

    if (!band.texture)
        glGenTextures(1, &band.texture);
    glBindTexture(GL_TEXTURE_2D, band.texture);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, bottom, windowWidth, rows, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
}

void drawStripBand(StripBand which, const void* content, size_t size, void (*draw)())
{
    const int index = (int)which;
    int bottom = stripBottom;
    for (int below = index + 1; below < bandCount; below++)
        bottom += bandRows[below];
    const int rows = bandRows[index];
    if (rows <= 0 || windowWidth <= 0)
        return;  // not laid out yet, or nothing to see
    const float high = unitsHigh[index];
    const float left = -unitsLeftOfMiddle();
    const float right = stripUnitsWide + unitsLeftOfMiddle();

    beginFlat(left, right, high, 0);
    glViewport(0, bottom, windowWidth, rows);
    KeptBand& band = kept[index];
    if (sameAsKept(band, content, size, rows)) {
        drawCopy(band.texture, left, right, high);
    } else {
        drawAndKeep(band, draw, left, right, high, bottom, rows);
        band.size = std::min(size, sizeof band.content);
        memcpy(band.content, content, band.size);
        band.width = windowWidth;
        band.rows = rows;
        band.scale = scale;
    }
    endFlat();
}
