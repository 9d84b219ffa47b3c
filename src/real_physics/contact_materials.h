// contact_materials.h: what each pair of surfaces does when they touch,
// friction and bounce.
#pragma once

#include <btBulletDynamicsCommon.h>

enum class Surface { lane, gutter, kickback, pit, pin, ball };

// Marks the object as made of the surface, so its contacts take the pair's
// material. Installs Bullet's process-wide contact callback, always ours.
// The lane's user pointer is its OilMap, which gives the ball its grip.
void makeOf(btCollisionObject& object, Surface surface);
Surface surfaceOf(const btCollisionObject& object);
