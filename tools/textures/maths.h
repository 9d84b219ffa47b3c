// maths.h: the little vector and colour arithmetic the pictures are drawn with.
#pragma once

#include <algorithm>
#include <cmath>

#include "vector3d.h"  // pi

struct Vec3 {
    double x, y, z;
};

inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator*(const Vec3& a, double k) { return {a.x * k, a.y * k, a.z * k}; }
inline double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 normalised(const Vec3& a) { return a * (1.0 / std::sqrt(dot(a, a))); }

// Red, green and blue from 0 to 1.
struct Colour {
    double r, g, b;
};

inline Colour operator+(const Colour& a, const Colour& b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Colour operator*(const Colour& a, double k) { return {a.r * k, a.g * k, a.b * k}; }

inline double clamp01(double x) { return std::min(1.0, std::max(0.0, x)); }

inline double smoothstep(double edge0, double edge1, double x)
{
    const double k = clamp01((x - edge0) / (edge1 - edge0));
    return k * k * (3 - 2 * k);
}

// A point on the unit sphere where a GLU sphere puts texture (s, t): s turns
// around the z axis from +y, t runs from the -z pole (0) to the +z pole (1).
inline Vec3 gluSpherePoint(double s, double t)
{
    const double theta = 2 * pi * s;
    const double rho = pi * (1 - t);
    return {-std::sin(theta) * std::sin(rho), std::cos(theta) * std::sin(rho), std::cos(rho)};
}
