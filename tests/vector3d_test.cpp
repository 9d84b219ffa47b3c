#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "vector3d.h"

// The rotation matrix written out term by term, to check rotate() against.
static Vector3D rotateByMatrix(Vector3D v, float angle, Vector3D axis)
{
    const float c = cosf(angle), s = sinf(angle), t = 1 - c;
    const float ax = axis.getDx(), ay = axis.getDy(), az = axis.getDz();
    const float x = v.getDx(), y = v.getDy(), z = v.getDz();
    return Vector3D(((1 - ax * ax) * c + ax * ax) * x + (ax * ay * t - az * s) * y + (ax * az * t + ay * s) * z,
                    (ax * ay * t + az * s) * x + ((1 - ay * ay) * c + ay * ay) * y + (ay * az * t - ax * s) * z,
                    (ax * az * t - ay * s) * x + (ay * az * t + ax * s) * y + ((1 - az * az) * c + az * az) * z);
}

TEST(Vector3D, RotatesAboutEachAxisAndATiltedOne)
{
    const float half = 1.5707964f;
    struct Case { const char* name; Vector3D v; float angle; Vector3D axis; Vector3D near; };
    Vector3D tilted = Vector3D(1, 2, 2) / 3;
    const Case cases[] = {
        {"x about y", Vector3D(1, 0, 0), half, Vector3D(0, 1, 0), Vector3D(0, 0, -1)},
        {"x about z", Vector3D(1, 0, 0), half, Vector3D(0, 0, 1), Vector3D(0, 1, 0)},
        {"y about x", Vector3D(0, 1, 0), half, Vector3D(1, 0, 0), Vector3D(0, 0, 1)},
        {"zero angle", Vector3D(0.3f, -2, 5), 0, tilted, Vector3D(0.3f, -2, 5)},
        {"tilted axis", Vector3D(0.3f, -2, 5), 0.7f, tilted, Vector3D(3.40041f, -2.14532f, 3.59511f)},
    };
    for (const Case& c : cases) {
        Vector3D v = c.v;
        Vector3D rotated = v.rotate(c.angle, c.axis);
        Vector3D expected = rotateByMatrix(c.v, c.angle, c.axis);
        EXPECT_TRUE(rotated == expected) << c.name;
        Vector3D near = c.near;
        EXPECT_NEAR(rotated.getDx(), near.getDx(), 1e-5) << c.name;
        EXPECT_NEAR(rotated.getDy(), near.getDy(), 1e-5) << c.name;
        EXPECT_NEAR(rotated.getDz(), near.getDz(), 1e-5) << c.name;
    }
    Vector3D zero = Vector3D(0.3f, -2, 5).rotate(0, tilted);
    EXPECT_TRUE(zero == Vector3D(0.3f, -2, 5)) << "an angle of 0 is exact";
}

TEST(Vector3D, EqualityIsExact)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(Vector3D() == Vector3D(0, 0, 0));
    EXPECT_TRUE(Vector3D(0, 0, 0) == Vector3D(-0.0f, 0, 0));
    EXPECT_FALSE(Vector3D(0, 0, 0) == Vector3D(0, 0, 1e-45f));
    const Vector3D withNan(nan, 0, 0);
    EXPECT_FALSE(withNan == withNan);
    EXPECT_FALSE(Vector3D(0, 0, nan) == Vector3D(0, 0, nan));
}

TEST(Vector3D, LengthsAndArithmetic)
{
    EXPECT_EQ(Vector3D(3, 4, 0).magnitude(), 5.0f);
    EXPECT_EQ(Vector3D(0, 0, 0).magnitude(), 0.0f);
    EXPECT_TRUE(Vector3D(0, 0, 2).unitVector() == Vector3D(0, 0, 1));
    Vector3D zeroUnit = Vector3D(0, 0, 0).unitVector();
    EXPECT_TRUE(std::isnan(zeroUnit.getDx()));
    EXPECT_EQ(Vector3D(1, 2, 3).dotProduct(Vector3D(4, -5, 6)), 12.0f);
    EXPECT_TRUE(Vector3D(1, 2, 3) + Vector3D(1, 1, 1) - Vector3D(0, 3, 0) == Vector3D(2, 0, 4));
    EXPECT_TRUE(Vector3D(1, 2, 3) * -1 == Vector3D(-1, -2, -3));
    // A true division: 1 / 3 differs from 1 * (1 / 3.0f) in the last bit.
    Vector3D divided = Vector3D(1, 0, 0) / 3;
    EXPECT_EQ(divided.getDx(), 1.0f / 3.0f);
    Vector3D byZero = Vector3D(1, 0, 0) / 0;
    EXPECT_TRUE(std::isinf(byZero.getDx()));
}

TEST(Vector3D, PrintsSixDecimals)
{
    testing::internal::CaptureStdout();
    Vector3D(1, 2.5f, -3).print();
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "(1.000000, 2.500000, -3.000000)\n");
}
