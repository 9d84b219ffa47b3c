// pin_shape.cpp: the pin as three 16-sided convex hulls, body, neck and
// head, so a ball or a pin can fall into its neck; its mass and inertia
// from the turned profile as if solid maple.
#include "real_physics/pin_shape.h"

#include <cmath>

#include "real_physics/real_lane.h"
#include "vector3d.h"

// The profile from foot to top: height and radius, metres.
struct Ring {
    double height;
    double radius;
};
static const Ring profile[] = {
    {0.000, 0.0258}, {0.019, 0.0359}, {0.057, 0.0483}, {0.086, 0.0542},
    {0.114, 0.0605}, {0.149, 0.0589}, {0.184, 0.0533}, {0.219, 0.0432},
    {0.254, 0.0228}, {0.276, 0.0235}, {0.298, 0.0279}, {0.318, 0.0315},
    {0.343, 0.0324}, {0.362, 0.0290}, {0.374, 0.0200}, {0.381, 0.0080},
};
static const int ringCount = sizeof profile / sizeof profile[0];
// The neck's narrowest ring and the body's last: the hulls meet there.
static const int bodyEnd = 7;
static const int neckEnd = 8;
static const int sides = 16;
// Bullet puts a margin outside a hull's points; kept thin, so that pins
// touch where they are drawn, and the points drawn in by it.
static const double hullMargin = 0.002;

static void addRings(btConvexHullShape& hull, int first, int last, double centreHeight)
{
    for (int i = first; i <= last; i++)
        for (int side = 0; side < sides; side++) {
            const double angle = 2 * pi * side / sides;
            const double r = profile[i].radius - hullMargin;
            const double h = hullMargin + profile[i].height * (1 - 2 * hullMargin / real::pinHeight);
            hull.addPoint(btVector3(btScalar(r * cos(angle)), btScalar(h - centreHeight), btScalar(r * sin(angle))),
                          false);
        }
    hull.setMargin(btScalar(hullMargin));
    hull.recalcLocalAabb();
}

// The solid of revolution cut into thin discs: its centre of mass, and its
// moments of inertia about the axis and across it through that centre.
struct MassProperties {
    double centreHeight;
    double axial;
    double across;
};
static MassProperties massProperties()
{
    const int slices = 400;
    const double dh = profile[ringCount - 1].height / slices;
    double volume = 0, moment = 0, axial = 0, acrossAtFoot = 0;
    int ring = 0;
    for (int s = 0; s < slices; s++) {
        const double h = (s + 0.5) * dh;
        while (profile[ring + 1].height < h)
            ring++;
        const Ring& a = profile[ring];
        const Ring& b = profile[ring + 1];
        const double r = a.radius + (b.radius - a.radius) * (h - a.height) / (b.height - a.height);
        const double v = pi * r * r * dh;
        volume += v;
        moment += v * h;
        axial += v * r * r / 2;
        acrossAtFoot += v * (r * r / 4 + h * h);
    }
    const double density = real::pinMass / volume;
    const double centre = moment / volume;
    return {centre, axial * density, (acrossAtFoot - volume * centre * centre) * density};
}

PinShape::PinShape()
{
    const MassProperties mass = massProperties();
    addRings(body, 0, bodyEnd, mass.centreHeight);
    addRings(neck, bodyEnd, neckEnd, mass.centreHeight);
    addRings(head, neckEnd, ringCount - 1, mass.centreHeight);
    btTransform identity;
    identity.setIdentity();
    compound.addChildShape(identity, &body);
    compound.addChildShape(identity, &neck);
    compound.addChildShape(identity, &head);
    principalInertia = btVector3(btScalar(mass.across), btScalar(mass.axial), btScalar(mass.across));
    foot.setIdentity();
    foot.setOrigin(btVector3(0, btScalar(-mass.centreHeight), 0));
}
