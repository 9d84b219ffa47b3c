#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "vector3d.h"

TEST(Vector3D, RotatesAboutEachAxisAndATiltedOne)
{
    struct Case { const char* name; Vector3D v; float angle; Vector3D axis; Vector3D expected; };
    const Vector3D tilted = Vector3D(1, 2, 2) / 3;
    const Case cases[] = {
        {"x about y", Vector3D(1, 0, 0), 1.5707964f, Vector3D(0, 1, 0), Vector3D(0, 0, -1)},
        {"x about z", Vector3D(1, 0, 0), 1.5707964f, Vector3D(0, 0, 1), Vector3D(0, 1, 0)},
        {"y about x", Vector3D(0, 1, 0), 1.5707964f, Vector3D(1, 0, 0), Vector3D(0, 0, 1)},
        {"tilted axis", Vector3D(0.3f, -2, 5), 0.7f, tilted, Vector3D(3.40041f, -2.14532f, 3.59511f)},
    };
    for (Case c : cases) {
        Vector3D rotated = c.v.rotate(c.angle, c.axis);
        EXPECT_NEAR(rotated.getDx(), c.expected.getDx(), 1e-5) << c.name;
        EXPECT_NEAR(rotated.getDy(), c.expected.getDy(), 1e-5) << c.name;
        EXPECT_NEAR(rotated.getDz(), c.expected.getDz(), 1e-5) << c.name;
    }
    // The single-precision matrix, summed row by row: the pin collisions
    // depend on these exact bits.
    Vector3D corner(-0.0033f, 0.21f, 0.06251f);
    Vector3D rotated = corner.rotate(0.7853982f, Vector3D(0, 0, -1));
    EXPECT_EQ(rotated.getDx(), 0.146158963f);
    EXPECT_EQ(rotated.getDy(), 0.150825858f);
    EXPECT_EQ(rotated.getDz(), 0.06251f);
    EXPECT_TRUE(corner.rotate(0, tilted) == corner);
}

TEST(Vector3D, EqualityIsExact)
{
    const float nan = std::nanf("");
    EXPECT_TRUE(Vector3D() == Vector3D(0, 0, 0));
    EXPECT_TRUE(Vector3D(0, 0, 0) == Vector3D(-0.0f, 0, 0));
    EXPECT_FALSE(Vector3D(0, 0, 0) == Vector3D(0, 0, 1e-45f));
    EXPECT_FALSE(Vector3D(nan, 0, 0) == Vector3D(nan, 0, 0));
}

TEST(Vector3D, LengthsAndPrinting)
{
    EXPECT_EQ(Vector3D(3, 4, 0).magnitude(), 5.0f);
    EXPECT_TRUE(Vector3D(0, 0, 2).unitVector() == Vector3D(0, 0, 1));
    EXPECT_TRUE(std::isnan(Vector3D(0, 0, 0).unitVector().getDx()));
    EXPECT_EQ((Vector3D(1, 0, 0) / 3).getDx(), 1.0f / 3.0f) << "a true division";

    testing::internal::CaptureStdout();
    Vector3D(1, 2.5f, -3).print();
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "(1.000000, 2.500000, -3.000000)\n");
}
