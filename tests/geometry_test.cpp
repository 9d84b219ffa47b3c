// What the recorded sessions cannot show of the geometry: the exact bits of
// a rotation, exact comparison, and the faces of a pin's box.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>

#include "physics/physics.h"
#include "vector3d.h"

TEST(Vector3D, RotatesInSinglePrecisionRowByRow)
{
    struct Case { Vector3D v; float angle; Vector3D axis; float x, y, z; };
    const Vector3D tilted(1.0f / 3, 2.0f / 3, 2.0f / 3);
    const Case cases[] = {
        {Vector3D(1, 0, 0), 1.5707964f, Vector3D(0, 1, 0), -4.37113883e-08f, 0, -1},
        {Vector3D(0, 1, 0), 1.5707964f, Vector3D(1, 0, 0), 0, -4.37113883e-08f, 1},
        {Vector3D(0.3f, -2, 5), 0.7f, tilted, 3.40041232f, -2.14531612f, 3.5951097f},
        {Vector3D(1, 1, 1), 1.1f, tilted, 0.757153869f, 1.35778069f, 0.76364243f},
        // A pin's top corner: the collisions rest on these bits.
        {Vector3D(-0.0033f, 0.21f, 0.06251f), 0.7853982f, Vector3D(0, 0, -1), 0.146158963f, 0.150825858f, 0.06251f},
    };
    for (Case c : cases) {
        Vector3D rotated = c.v.rotate(c.angle, c.axis);
        EXPECT_TRUE(rotated == Vector3D(c.x, c.y, c.z))
            << std::setprecision(9) << rotated.getDx() << " " << rotated.getDy() << " " << rotated.getDz();
    }
}

TEST(Vector3D, ComparesExactly)
{
    EXPECT_TRUE(Vector3D(0, 0, 0) == Vector3D(-0.0f, 0, 0));
    EXPECT_FALSE(Vector3D(0, 0, 0) == Vector3D(0, 0, 1e-45f));
    EXPECT_FALSE(Vector3D(NAN, 0, 0) == Vector3D(NAN, 0, 0));
}

TEST(PointInBox, FacesAreInsideAndNaNIsOutside)
{
    const float low[3] = {-1, 0, -2}, high[3] = {1, 0.21f, -1};
    for (int axis = 0; axis < 3; axis++)
        for (float value : {low[axis], high[axis], std::nextafter(low[axis], -9.0f),
                            std::nextafter(high[axis], 9.0f), NAN}) {
            float p[3] = {0, 0.1f, -1.5f};
            p[axis] = value;
            const bool inside = value == low[axis] || value == high[axis];
            EXPECT_EQ(pointInBox(Vector3D(p[0], p[1], p[2]), low[0], high[0], low[1], high[1], low[2], high[2]),
                      inside) << "axis " << axis << " at " << value;
        }
}
