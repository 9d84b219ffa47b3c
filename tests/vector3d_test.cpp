// What the recorded sessions cannot show of the vector type: the exact bits
// of a rotation, and the operations the game itself never calls.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iomanip>

#include "vector3d.h"

TEST(Vector3D, RotatesInSinglePrecisionRowByRow)
{
    struct Case { Vector3D v; float angle; Vector3D axis; float x, y, z; };
    const Case cases[] = {
        {Vector3D(1, 0, 0), 1.5707964f, Vector3D(0, 1, 0), -4.37113883e-08f, 0, -1},
        {Vector3D(0, 1, 0), 1.5707964f, Vector3D(1, 0, 0), 0, -4.37113883e-08f, 1},
        {Vector3D(0.3f, -2, 5), 0.7f, Vector3D(1, 2, 2) / 3, 3.40041232f, -2.14531612f, 3.5951097f},
        // A pin's top corner: the collisions rest on these bits.
        {Vector3D(-0.0033f, 0.21f, 0.06251f), 0.7853982f, Vector3D(0, 0, -1), 0.146158963f, 0.150825858f, 0.06251f},
    };
    for (Case c : cases) {
        Vector3D rotated = c.v.rotate(c.angle, c.axis);
        EXPECT_TRUE(rotated == Vector3D(c.x, c.y, c.z))
            << std::setprecision(9) << rotated.getDx() << " " << rotated.getDy() << " " << rotated.getDz();
    }
}

TEST(Vector3D, ComparesExactlyDividesTrulyAndPrints)
{
    EXPECT_TRUE(Vector3D(0, 0, 0) == Vector3D(-0.0f, 0, 0));
    EXPECT_FALSE(Vector3D(0, 0, 0) == Vector3D(0, 0, 1e-45f));
    EXPECT_FALSE(Vector3D(NAN, 0, 0) == Vector3D(NAN, 0, 0));
    EXPECT_EQ((Vector3D(1, 0, 0) / 3).getDx(), 1.0f / 3.0f);
    EXPECT_EQ(Vector3D(1, 2, 3).dotProduct(Vector3D(4, -5, 6)), 12.0f);
    testing::internal::CaptureStdout();
    Vector3D(1, 2.5f, -3).print();
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "(1.000000, 2.500000, -3.000000)\n");
}
