// collision.cpp: a falling pin knocks over the upright pins that one of its
// four top corners reaches.
#include "physics/physics.h"
#include "turn.h"

// Evaluated in double and rounded once to float, like the corner offsets
// below: the strikes of pins side by side rest on corners that lie exactly
// on a box face, so the rounding decides them.
static const double boxHalfWidth = 0.02961;
static const float pinHeight = 0.21f;

bool pointInBox(Vector3D point, float xLow, float xHigh, float yLow,
                float yHigh, float zLow, float zHigh)
{
    const float x = point.getDx();
    if (!(x >= xLow && x <= xHigh))
        return false;
    const float y = point.getDy();
    if (!(y >= yLow && y <= yHigh))
        return false;
    const float z = point.getDz();
    return z >= zLow && z <= zHigh;
}

void Pin::detectPinCollision(const Pin& falling, const Turn& turn)
{
    if (falling.fallAngle == 0)
        return;

    const float xLow = (float)(x - boxHalfWidth);
    const float xHigh = (float)(x + boxHalfWidth);
    const float zLow = (float)(z - boxHalfWidth);
    const float zHigh = (float)(z + boxHalfWidth);

    const TiltFrame frame = falling.tiltFrame();
    const float left = (float)(frame.offX - boxHalfWidth);
    const float right = (float)(frame.offX + boxHalfWidth);
    const float back = (float)(frame.offZ - boxHalfWidth);
    const float front = (float)(frame.offZ + boxHalfWidth);
    const Vector3D corners[4] = {
        Vector3D(left, pinHeight, back),
        Vector3D(right, pinHeight, back),
        Vector3D(right, pinHeight, front),
        Vector3D(left, pinHeight, front),
    };

    const float angle = (float)(falling.fallAngle * pi / 180);
    const Vector3D pivotOffset(frame.offX, 0, frame.offZ);
    const Vector3D base(falling.x, 0, falling.z);
    for (Vector3D corner : corners) {
        const Vector3D placed = (corner.rotate(angle, frame.axis) - pivotOffset) + base;
        if (pointInBox(placed, xLow, xHigh, 0, pinHeight, zLow, zHigh)) {
            setFallDirection(falling.fallDirection, turn);
            return;
        }
    }
}
