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
static const float tallest = 480;
static const float margin = 16;
static const float titleCap = 20;
static const float lineCap = 10;
static const float lineHigh = 2.2f * lineCap;
static const float columnGap = 14;
static const float strokeWeight = 1.1f;  // text line width in panel units

// A line's parts, split at its tabs; what is past the last part's room or
// the last tab is cut.
static const int maxParts = 4;
struct Parts {
    int count;
    char text[maxParts][128];
};

static Parts split(const char* line)
{
    Parts parts = {};
    for (const char* part = line; parts.count < maxParts; part = strchr(part, '\t') + 1) {
        const size_t length = std::min(strcspn(part, "\t"), sizeof parts.text[0] - 1);
        memcpy(parts.text[parts.count], part, length);
        parts.text[parts.count++][length] = '\0';
        if (!strchr(part, '\t'))
            break;
    }
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

// A run of lines with as many parts each, a table: each column as wide as
// its widest part.
struct Columns {
    int end;  // the line after the run
    int count;
    float wide[maxParts];
    float total() const
    {
        float sum = (count - 1) * columnGap;
        for (int i = 0; i < count; i++)
            sum += wide[i];
        return sum;
    }
};

static Columns columnsFrom(const char* const* lines, int start, int count, float cap)
{
    Columns columns = {start, split(lines[start]).count, {}};
    for (Parts parts; columns.end < count && (parts = split(lines[columns.end])).count == columns.count; columns.end++)
        for (int i = 0; i < parts.count; i++)
            columns.wide[i] = std::max(columns.wide[i], textWidth(parts.text[i], cap));
    return columns;
}

static float widestRun(const char* const* lines, int count, float cap)
{
    float wide = 0;
    for (int start = 0; start < count; start = columnsFrom(lines, start, count, cap).end)
        wide = std::max(wide, columnsFrom(lines, start, count, cap).total());
    return wide;
}

// Lines without a tab centred; a run with tabs as a table in the middle,
// its first column right-aligned, the others left-aligned.
static void drawLines(const char* const* lines, int count, float top, float cap)
{
    for (int start = 0; start < count;) {
        const Columns columns = columnsFrom(lines, start, count, cap);
        for (; start < columns.end; start++) {
            const Parts parts = split(lines[start]);
            const float baseline = top + (start + 1) * lineHigh * cap / lineCap;
            float left = -columns.total() / 2;
            for (int i = 0; i < parts.count; left += columns.wide[i++] + columnGap) {
                const float wide = textWidth(parts.text[i], cap);
                const float centre = parts.count == 1 ? 0 : i == 0 ? left + columns.wide[0] - wide / 2 : left + wide / 2;
                if (i == 0)
                    glColor3f(0.85f, 0.85f, 0.6f);
                else
                    glColor3f(1, 1, 1);
                drawText(parts.text[i], centre, baseline, cap);
            }
        }
    }
}

void drawPanel(const char* title, const char* const* lines, int lineCount)
{
    CentredUnits units;
    if (!centredUnits(panelUnits, units))
        return;

    // Lines that would be wider or taller than the panel are drawn smaller.
    const float insideWide = widest - 2 * margin, insideHigh = tallest - 2.5f * margin - titleCap;
    const float cap = lineCap * std::min({1.0f, insideWide / std::max(widestRun(lines, lineCount, lineCap), 1.0f),
                                          insideHigh / std::max(lineCount * lineHigh, 1.0f)});
    const float wide = std::max(textWidth(title, titleCap), widestRun(lines, lineCount, cap)) + 2 * margin;
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
