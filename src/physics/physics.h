// physics.h: the pins, the ball step and pins knocking pins. Everything here
// advances in whole ball steps of 50 ms, never in elapsed time.
#pragma once

#include "lane_geometry.h"
#include "vector3d.h"

class RollPhysics;
struct Turn;

// A falling pin vanishes once its tilt, in degrees, passes this.
inline constexpr float vanishingTilt = 80;

// Where a falling pin turns: it tilts as a rigid body about a horizontal
// axis through a pivot on the edge of its foot. A point p of the upright
// pin, relative to its base centre, lies at
//     pivot + R(p + (offX, 0, offZ)),  pivot = (x - offX, 0, z - offZ),
// R turning by fallAngle degrees about axis. Collision and drawing both use
// this one frame, so what is seen is what strikes.
struct TiltFrame {
    float offX;
    float offZ;
    Vector3D axis;
};

class Pin {
public:
    Pin();
    Pin(float x, float z);

    void init(float x, float z);
    void show();
    void hide();
    bool isShown() const;
    // Upright again at its rack place.
    void reset();
    bool isFalling() const;
    // Starts the fall at the rate of the turn's ball now; a falling pin
    // keeps its fall.
    void setFallDirection(Vector3D direction, const Turn& turn);
    // From this pin's contact point to the turn's ball's centre.
    Vector3D directionToBall(const Turn& turn) const;
    bool isTouchingBall(const Turn& turn) const;
    // Where it stands: its base's centre on the deck.
    Vector3D base() const { return Vector3D(x, 0, z); }
    // One ball step of this pin of the turn: tilt further, knock upright
    // neighbours, vanish past 80.
    void doFall(Turn& turn);
    // Tests this upright pin against the falling pin and sets it falling
    // if one of the falling pin's top corners lies in its box.
    void detectPinCollision(const Pin& falling, const Turn& turn);
    TiltFrame tiltFrame() const;
    // Degrees from upright; a picture between two steps sets a tilt between.
    float tilt() const { return fallAngle; }
    void setTilt(float degrees) { fallAngle = degrees; }
    void draw() const;
    // Bit for bit, every field.
    bool operator==(const Pin& other) const;

private:
    bool shown;
    float x;
    float z;
    float fallAngle;        // degrees, 0 while upright
    Vector3D fallDirection; // tilt direction; its length is degrees per step

    friend class PinInspector;  // lets tests set and read a pin's fields
};

// The rack (a turn's pins), head pin first, row by row, each row from +x
// to -x. This is also the order in which the pins are treated, tested and
// drawn.
Pin rackPin(int pin);

// Bounds in the order x-low, x-high, y-low, y-high, z-low, z-high, all
// included; a NaN component is outside.
bool pointInBox(Vector3D point, float xLow, float xHigh, float yLow,
                float yHigh, float zLow, float zHigh);

// One ball step, a GLUT timer callback whose value is the game it belongs
// to; re-arms itself until the roll is over: with the written physics, the
// ball past the end of the lane and no pin falling.
void moveBall(int game);
// The written roll, on the game's own turn: the game rolls it unless an
// option brings another physics.
RollPhysics& writtenRoll();
