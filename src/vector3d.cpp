// vector3d.cpp: Vector3D arithmetic. Everything is single precision and the
// sums run in the written order; the physics results depend on both.
#include "vector3d.h"

#include <cmath>

Vector3D::Vector3D() : dx(0), dy(0), dz(0) {}

Vector3D::Vector3D(float dx, float dy, float dz) : dx(dx), dy(dy), dz(dz) {}

float Vector3D::getDx() { return dx; }
float Vector3D::getDy() { return dy; }
float Vector3D::getDz() { return dz; }

Vector3D Vector3D::operator+(const Vector3D& other) const
{
    return Vector3D(dx + other.dx, dy + other.dy, dz + other.dz);
}

Vector3D Vector3D::operator-(const Vector3D& other) const
{
    return Vector3D(dx - other.dx, dy - other.dy, dz - other.dz);
}

Vector3D Vector3D::operator*(float factor) const
{
    return Vector3D(dx * factor, dy * factor, dz * factor);
}

bool Vector3D::operator==(const Vector3D& other) const
{
    return dx == other.dx && dy == other.dy && dz == other.dz;
}

// The axis-angle (Rodrigues) matrix with its diagonal written as
// (1 - a*a)*c + a*a; each row is summed left to right.
Vector3D Vector3D::rotate(float angle, Vector3D axis)
{
    const float c = cosf(angle);
    const float s = sinf(angle);
    const float t = 1 - c;
    const float ax = axis.dx, ay = axis.dy, az = axis.dz;

    const float xx = (1 - ax * ax) * c + ax * ax;
    const float xy = ax * ay * t - az * s;
    const float xz = ax * az * t + ay * s;
    const float yx = ax * ay * t + az * s;
    const float yy = (1 - ay * ay) * c + ay * ay;
    const float yz = ay * az * t - ax * s;
    const float zx = ax * az * t - ay * s;
    const float zy = ay * az * t + ax * s;
    const float zz = (1 - az * az) * c + az * az;

    return Vector3D((xx * dx + xy * dy) + xz * dz,
                    (yx * dx + yy * dy) + yz * dz,
                    (zx * dx + zy * dy) + zz * dz);
}

float Vector3D::magnitude()
{
    return sqrtf((dx * dx + dy * dy) + dz * dz);
}

Vector3D Vector3D::unitVector()
{
    return Vector3D(dx / magnitude(), dy / magnitude(), dz / magnitude());
}
