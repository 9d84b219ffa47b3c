// panel.cpp: a panel over the scene, for what the player must read before
// playing on: a pause, the keys, a game's end. Laid out in panel units, the
// scene's smaller side being panelUnits of them, so it keeps its shape and
// its place at every window size.
#include <GL/gl.h>

#include <algorithm>
#include <cstring>

#include "overlay/overlay.h"

static const float panelUnits = 500;
static const float widest = 470;       // of the panel, in panel units
static const float margin = 16;
static const float titleCap = 20;
static const float lineCap = 10;
static const float lineHigh = 2.2f * lineCap;
static const float columnGap = 14;
static const float strokeWeight = 1.1f;  // text line width in panel units

// A line's two parts: before the tab, and after it (empty without one).
struct Parts {
    char first[64];
    const char* second;
};

static Parts split(const char* line)
{
    Parts parts;
    const char* tab = strchr(line, '\t');
    const size_t length = std::min(tab ? (size_t)(tab - line) : strlen(line), sizeof parts.first - 1);
    memcpy(parts.first, line, length);
    parts.first[length] = '\0';
    parts.second = tab ? tab + 1 : "";
    return parts;
}

static void drawBox(float left, float top, float right, float bottom)
{
    glColor4f(0.05f, 0.05f, 0.08f, 0.85f);
    glRectf(left, top, right, bottom);
    glColor3f(0.85f, 0.85f, 0.6f);
    glBegin(GL_LINE_LOOP);
    glVertex2f(left, top);
    glVertex2f(right, top);
    glVertex2f(right, bottom);
    glVertex2f(left, bottom);
    glEnd();
}

// The widest first part and the widest second part.
struct Columns {
    float first, second;
    float wide() const { return first + (second > 0 ? columnGap + second : 0); }
};

static Columns columnsOf(const char* const* lines, int count, float cap)
{
    Columns columns = {0, 0};
    for (int i = 0; i < count; i++) {
        const Parts parts = split(lines[i]);
        columns.first = std::max(columns.first, textWidth(parts.first, cap));
        columns.second = std::max(columns.second, textWidth(parts.second, cap));
    }
    return columns;
}

// Lines without a tab centred; otherwise the first parts right-aligned to
// the first column's edge, the second parts left-aligned after it.
static void drawLines(const char* const* lines, int count, float top, float cap)
{
    const Columns columns = columnsOf(lines, count, cap);
    const float edge = -columns.wide() / 2 + columns.first;
    for (int i = 0; i < count; i++) {
        const Parts parts = split(lines[i]);
        const float baseline = top + (i + 1) * lineHigh * cap / lineCap;
        glColor3f(0.85f, 0.85f, 0.6f);
        drawText(parts.first, columns.second > 0 ? edge - textWidth(parts.first, cap) / 2 : 0, baseline, cap);
        glColor3f(1, 1, 1);
        drawText(parts.second, edge + columnGap + textWidth(parts.second, cap) / 2, baseline, cap);
    }
}

void drawPanel(const char* title, const char* const* lines, int lineCount)
{
    CentredUnits units;
    if (!centredUnits(panelUnits, units))
        return;

    // Lines that would be wider than the panel are drawn smaller.
    const float inside = widest - 2 * margin;
    const float cap = lineCap * std::min(1.0f, inside / std::max(columnsOf(lines, lineCount, lineCap).wide(), 1.0f));
    const float wide = std::max(textWidth(title, titleCap), columnsOf(lines, lineCount, cap).wide()) + 2 * margin;
    const float high = margin + titleCap + lineCount * lineHigh * cap / lineCap + 1.5f * margin;

    beginCentredFlat(units);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(std::max(1.0f, strokeWeight * units.pixelsPerUnit));

    const float top = -high / 2;
    drawBox(-wide / 2, top, wide / 2, -top);
    glColor3f(1, 1, 1);
    drawText(title, 0, top + margin + titleCap, titleCap);
    drawLines(lines, lineCount, top + margin + titleCap + margin / 2, cap);
    endFlat();
}
