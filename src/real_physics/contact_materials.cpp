// contact_materials.cpp: a table of friction and restitution by pair of
// surfaces, set on every contact point as Bullet makes it. Bullet's own
// rule multiplies the two bodies' values, which cannot give each pair its
// measured figure.
#include "real_physics/contact_materials.h"

#include "real_physics/oil_map.h"

struct Material {
    float friction;
    float restitution;
    float rollingFriction;
};

static const int surfaceCount = 6;
// Tuned with bench/pin_carry against USBC's pin carry: the pins' grip on
// the deck and their bounce off the ball and the kickbacks decide how many
// are carried. The ball brings oil on its cover and slides along a pin:
// with more grip it drags the 3 pin round into the 9, which real pocket
// strikes leave for the ball. Static surfaces never touch each other; the
// ball on the lane takes the oil's friction instead of the gutter's. A
// ball in a gutter touches both its sides, so cannot roll on both: it
// slides, barely held.
static const Material none = {0, 0, 0};
static const Material pinDeck = {0.40f, 0.30f, 0.002f};
static const Material pinKickback = {0.20f, 0.20f, 0.002f};
static const Material pinPit = {0.50f, 0.10f, 0.01f};
static const Material pinPin = {0.25f, 0.50f, 0.002f};
static const Material ballPin = {0.04f, 0.45f, 0};
static const Material ballGutter = {0.02f, 0.10f, 0};
static const Material ballKickback = {0.20f, 0.30f, 0};
static const Material ballPit = {0.50f, 0.10f, 0};
static const Material materials[surfaceCount][surfaceCount] = {
    // lane, gutter, kickback, pit, pin, ball
    {none, none, none, none, pinDeck, ballGutter},
    {none, none, none, none, pinDeck, ballGutter},
    {none, none, none, none, pinKickback, ballKickback},
    {none, none, none, none, pinPit, ballPit},
    {pinDeck, pinDeck, pinKickback, pinPit, pinPin, ballPin},
    {ballGutter, ballGutter, ballKickback, ballPit, ballPin, none},
};

static bool contactMade(btManifoldPoint& point, const btCollisionObjectWrapper* a, int, int,
                        const btCollisionObjectWrapper* b, int, int)
{
    const Surface first = surfaceOf(*a->getCollisionObject());
    const Surface second = surfaceOf(*b->getCollisionObject());
    const Material& material = materials[(int)first][(int)second];
    point.m_combinedFriction = material.friction;
    point.m_combinedRestitution = material.restitution;
    point.m_combinedRollingFriction = material.rollingFriction;
    if ((first == Surface::lane && second == Surface::ball) || (first == Surface::ball && second == Surface::lane)) {
        const btCollisionObject& lane = *(first == Surface::lane ? a : b)->getCollisionObject();
        const OilMap& oil = *static_cast<const OilMap*>(lane.getUserPointer());
        const btVector3 where = point.getPositionWorldOnA();
        point.m_combinedFriction = btScalar(oil.friction(where.x(), where.z()));
    }
    return true;
}

void makeOf(btCollisionObject& object, Surface surface)
{
    gContactAddedCallback = contactMade;
    object.setUserIndex((int)surface);
    object.setCollisionFlags(object.getCollisionFlags() | btCollisionObject::CF_CUSTOM_MATERIAL_CALLBACK);
}

Surface surfaceOf(const btCollisionObject& object)
{
    return (Surface)object.getUserIndex();
}
