// contact_materials.h: what each pair of surfaces does when they touch,
// friction and bounce, and the oil on the lane under the ball.
#pragma once

#include <btBulletDynamicsCommon.h>

enum class Surface { lane, gutter, kickback, pit, pin, ball };

// Marks the object as made of the surface, so its contacts take the pair's
// material. Installs Bullet's process-wide contact callback, always ours.
void makeOf(btCollisionObject& object, Surface surface);
Surface surfaceOf(const btCollisionObject& object);

// The ball on the lane, by how far down the lane: oiled, then dry.
double laneFrictionUnderBall(double z);
