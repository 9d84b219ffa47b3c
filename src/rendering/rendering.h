// rendering.h: drawing the lane, the ball, the pins and the overlays with
// fixed-function OpenGL. Each operation leaves the modelview matrix and the
// stack depth as it found them, and texturing off.
#pragma once

#include <GL/glu.h>

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
void drawBall();
// The same ball turned by a column-major matrix, or by the aim if nullptr.
void drawBallTurned(const float* orientation);
void drawPins();
// One pin, head and textured body, its foot's centre at the origin, its
// axis along y; the pin material and white current.
void drawPinModel();

// Under the fixed overlay camera, with lighting off.
void drawForceMeter();
// In the ball frame, while aiming.
void drawAimArrow();
// The same arrow turned about y by degrees.
void drawAimArrowTurned(float degrees);
// In world coordinates.
void drawAxes();
