// vector3d.h: the game's one geometric value type, three single-precision
// floats. Every operation returns a new vector; none changes its receiver.
#pragma once

// Degrees are turned into radians as angle * pi / 180, in double, in that order.
inline constexpr double pi = 3.141592653589793;

class Vector3D {
public:
    Vector3D();
    Vector3D(float dx, float dy, float dz);

    float getDx();
    float getDy();
    float getDz();

    Vector3D operator+(const Vector3D& other) const;
    Vector3D operator-(const Vector3D& other) const;
    Vector3D operator*(float factor) const;
    // Exact comparison, no tolerance: the pins test their fall velocity
    // against the zero vector with it.
    bool operator==(const Vector3D& other) const;

    // Right-handed rotation by angle radians about axis, which must be of
    // unit length; it is not normalised here.
    Vector3D rotate(float angle, Vector3D axis);
    float magnitude();
    // No guard against a zero length: the zero vector gives NaN components.
    Vector3D unitVector();

private:
    float dx;
    float dy;
    float dz;
};
