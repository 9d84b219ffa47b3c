// pin_shape.h: a pin's collision shape and mass, shared by every pin. The
// body's origin is the pin's centre of mass, on its axis; the pin's own
// frame has its origin at the centre of its foot, y along its axis.
#pragma once

#include <btBulletDynamicsCommon.h>

class PinShape {
public:
    PinShape();
    PinShape(const PinShape&) = delete;
    PinShape& operator=(const PinShape&) = delete;

    btCompoundShape& shape() { return compound; }
    const btVector3& inertia() const { return principalInertia; }
    // The pin's own frame in its body's: the foot lies below the centre of mass.
    const btTransform& bodyFromFoot() const { return foot; }

private:
    btConvexHullShape body;
    btConvexHullShape neck;
    btConvexHullShape head;
    btCompoundShape compound;
    btVector3 principalInertia;
    btTransform foot;
};
