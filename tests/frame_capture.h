// frame_capture.h: whole frames drawn in the test window and read back,
// where a point lands on the screen, and frames compared with stored ones.
#pragma once

#include <string>
#include <vector>

struct Rgb {
    int r, g, b;
};

inline bool operator==(Rgb a, Rgb b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // bottom row first, as OpenGL and BMP keep them
    Rgb at(int x, int y) const;
};

// The pixel a point lands in, counted from the bottom left.
struct ScreenPoint {
    int x, y;
};

// display() once, and the pixels it drew.
Frame drawFrame();

// Where a world point lands under the scene camera (eye, look), or a point
// of the power meter's plane under the fixed overlay camera; both with the
// projection and viewport that reshape set.
ScreenPoint sceneToScreen(float x, float y, float z);
ScreenPoint overlayToScreen(float x, float y);

// Each 2 x 2 block averaged into one pixel: a quarter of the bytes, and a
// line one pixel wide still shows.
Frame halfSize(const Frame& frame);

// A stored frame, read with the game's own BMP loader.
bool readFrame(const std::string& path, Frame& frame);

// Counts the pixels where some channel differs by more than tolerance, and
// paints them red over a dimmed copy of expected in difference.
int countDifferences(const Frame& expected, const Frame& actual, int tolerance, Frame& difference);
