// rendering.h: drawing the lane, the ball, the pins and the overlays with
// fixed-function OpenGL. Each operation leaves the modelview matrix and the
// stack depth as it found them, and texturing off.
#pragma once

#include <GL/glu.h>

#include "turn.h"

struct materialStruct {
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float shininess;  // on OpenGL's 0 to 128 scale
};

extern materialStruct pinMaterial;
extern materialStruct bumperMaterial;
extern materialStruct gutterMaterial;

// Made once on first use and kept for the whole run.
extern GLUquadric* ballQuadric;
extern GLUquadric* pinQuadric;

// Makes the material current for front faces.
void useMaterial(materialStruct material);

// In world coordinates: lane, gutters and, when switched on, bumpers.
void drawFloor();
// In the ball frame, whose origin lies on the lane under the ball's centre.
void drawBall(const Turn& shown);
// The same ball turned by a column-major matrix, or by the aim if nullptr.
void drawBallTurned(const float* orientation, int theta);
// In world coordinates.
void drawPins(const Pin (&rack)[pinCount]);
// One pin, head and textured body, its foot's centre at the origin, its
// axis along y, this tall; the pin material and white current.
void drawPinModel();
inline constexpr float pinModelHeight = 0.21f;

// The fixed camera of the overlays beside the scene: the plane z = 0 lies
// one unit in front of it, and the meter sits centred in the lower part of
// the view, in this band.
void lookFromMeterCamera();
inline constexpr float meterLeft = -0.25f;
inline constexpr float meterRight = 0.25f;
inline constexpr float meterTop = -0.45f;
inline constexpr float meterBottom = -0.55f;
// A gauge's white outline across the meter's band, lighting off.
void drawGaugeFrame(float left, float right);
// Under the meter's camera, with lighting off.
void drawForceMeter(float power);
// In the ball frame, while aiming.
void drawAimArrow(int theta);
// The same arrow turned about y by degrees.
void drawAimArrowTurned(float degrees);
// In world coordinates.
void drawAxes();
