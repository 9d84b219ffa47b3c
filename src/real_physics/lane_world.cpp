// lane_world.cpp: the Bullet world of the lane, rebuilt at each release;
// what is standing, what has settled, and the knocks of each step.
#include "real_physics/lane_world.h"

#include <algorithm>
#include <cmath>

#include "vector3d.h"

using namespace real;

// Bullet's sleeping thresholds are for bigger things: a pin still turning
// slowly on its edge would be frozen there.
static const btScalar sleepSpeed = 0.05f;  // m/s
static const btScalar sleepTurn = 0.1f;    // rad/s
// A pin tilted past 30 degrees is down.
static const btScalar standingCosine = 0.8660254f;
// An upright pin starts asleep and costs nothing until something nears it.
static const btScalar uprightCosine = 0.99985f;  // 1 degree
// A resting pin presses about 0.06 N s on the deck each step; a knock is
// more than this and was not there the step before.
static const float knockImpulse = 0.2f;
static const int settledSteps = LaneWorld::stepsPerSecond / 4;  // everything still for 0.25 s
static const int stepsAfterPit = 3 * LaneWorld::stepsPerSecond;  // after the ball drops into the pit
static const int longestRoll = 20 * LaneWorld::stepsPerSecond;
static const btScalar gravity = -9.81f;
// The ball's centre no higher than this over its radius: it touches the lane.
static const btScalar onLaneTolerance = 0.002f;

// Every body's place in the world's bookkeeping.
enum Slot { ballSlot = pinCount, laneSlot, gutterSlot, kickbackSlot, pitSlot, bumperSlot, slotCount };

struct LaneWorld::Simulation {
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    std::unique_ptr<btRigidBody> bodies[slotCount];
    bool inPit[slotCount] = {};  // out of the world, lying where it dropped
    btDiscreteDynamicsWorld world{&dispatcher, &broadphase, &solver, &configuration};
    int steps = 0;
    int stillSteps = 0;
    int ballInPitAt = -1;  // the step it dropped, or -1
    OilOnBall oilOnBall;
    bool ballTouched[pinCount] = {};
    float lastImpulse[slotCount][slotCount] = {};

    ~Simulation()
    {
        for (int slot = 0; slot < slotCount; slot++)
            if (bodies[slot] && !inPit[slot])
                world.removeRigidBody(bodies[slot].get());
    }
};

static btVector3 horizontal(double angleDegrees)
{
    const double a = angleDegrees * pi / 180;
    return btVector3(btScalar(sin(a)), 0, btScalar(-cos(a)));
}

// Spin that rolls a ball of the given velocity without sliding.
static btVector3 rollingSpin(const btVector3& velocity)
{
    return btVector3(0, 1, 0).cross(velocity) / btScalar(ballRadius);
}

// A bowler's spin: about 300 turns a minute, about an axis turned from the
// rolling one towards the direction of travel as far as the hook asks.
static const double spinRate = 30;           // rad/s
static const double strongestAxisTurn = 45;  // degrees

Launch bowled(double x, double angleDegrees, double speed, double hook)
{
    const btVector3 direction = horizontal(angleDegrees);
    const double axisTurn = hook * strongestAxisTurn * pi / 180;
    const btVector3 rollAxis = btVector3(0, 1, 0).cross(direction);
    const btVector3 spin = (rollAxis * btScalar(cos(axisTurn)) + direction * btScalar(sin(axisTurn))) *
                           btScalar(spinRate);
    return {btVector3(btScalar(x), btScalar(ballRadius), 0), direction * btScalar(speed), spin};
}

Launch rollingBall(double x, double z, double angleDegrees, double speed)
{
    const btVector3 velocity = horizontal(angleDegrees) * btScalar(speed);
    return {btVector3(btScalar(x), btScalar(ballRadius), btScalar(z)), velocity, rollingSpin(velocity)};
}

// Bullet rounds a box's edges by its margin, and a box thinner than twice
// its margin of 4 cm grows: ours are sharp to 4 mm.
static const btScalar boxMargin = 0.004f;

// A static box in a compound, from its lowest to its highest corner.
static void addBox(btCompoundShape& compound, std::vector<std::unique_ptr<btBoxShape>>& parts,
                   btVector3 low, btVector3 high)
{
    parts.push_back(std::make_unique<btBoxShape>((high - low) / 2));
    parts.back()->setMargin(boxMargin);
    btTransform place;
    place.setIdentity();
    place.setOrigin((low + high) / 2);
    compound.addChildShape(place, parts.back().get());
}

// A static slab in a compound, its top face running from a to b across the
// lane (x, y), as long as the lane.
static void addSlope(btCompoundShape& compound, std::vector<std::unique_ptr<btBoxShape>>& parts,
                     btVector3 a, btVector3 b, btScalar zLow, btScalar zHigh)
{
    const btScalar thickness = 0.05f;
    const btVector3 along = b - a;
    parts.push_back(std::make_unique<btBoxShape>(btVector3(along.length() / 2, thickness / 2, (zHigh - zLow) / 2)));
    parts.back()->setMargin(boxMargin);
    btVector3 down = btVector3(0, 0, 1).cross(along).normalized() * (thickness / 2);
    if (down.y() > 0)
        down = -down;
    btTransform place;
    place.setIdentity();
    place.setRotation(btQuaternion(btVector3(0, 0, 1), btAtan2(along.y(), along.x())));
    place.setOrigin((a + b) / 2 + down + btVector3(0, 0, (zLow + zHigh) / 2));
    compound.addChildShape(place, parts.back().get());
}

// The lane and its deck as one box, so nothing trips on a seam, from just
// behind the foul line to the pit.
static const btScalar laneStart = 0.5f;
static const btScalar laneBottom = -0.5f;
static const btScalar kickbackStart = btScalar(kickbackStartZ);
static const btScalar pitBack = btScalar(pitBackZ);
static const btScalar wallTop = btScalar(kickbackTop);
static const btScalar wallThickness = 0.05f;
static const btScalar gutterWallTop = 0.1f;
// Bumpers over the gutters' inner halves, as the scene draws them.
static const btScalar bumperWidth = 0.09f;
static const btScalar bumperTop = 0.054f;

LaneWorld::LaneWorld()
    : ballShape(btScalar(ballRadius)),
      laneShape(btVector3(btScalar(laneHalfWidth), -laneBottom / 2, btScalar(laneStart - pitEdgeZ) / 2))
{
    laneShape.setMargin(boxMargin);
    const btScalar inner = btScalar(laneHalfWidth);
    const btScalar outer = btScalar(gutterOuterX);
    const btScalar wall = outer + wallThickness;
    const btScalar pitEdge = btScalar(pitEdgeZ);
    for (btScalar side : {btScalar(-1), btScalar(1)}) {
        auto across = [side](btScalar a, btScalar b) { return std::minmax({side * a, side * b}); };
        const auto walls = across(outer, wall);
        // Each gutter a V, from the lane's edge down to its middle and up again.
        const btVector3 middle(side * (inner + outer) / 2, btScalar(-gutterDepth), 0);
        addSlope(gutterShape, parts, btVector3(side * inner, 0, 0), middle, pitEdge, laneStart);
        addSlope(gutterShape, parts, middle, btVector3(side * outer, 0, 0), pitEdge, laneStart);
        addBox(gutterShape, parts, btVector3(walls.first, laneBottom, kickbackStart),
               btVector3(walls.second, gutterWallTop, laneStart));
        addBox(kickbackShape, parts, btVector3(walls.first, btScalar(pitFloor), pitBack),
               btVector3(walls.second, wallTop, kickbackStart));
        const auto bumper = across(inner, inner + bumperWidth);
        addBox(bumperShape, parts, btVector3(bumper.first, btScalar(-gutterDepth), pitEdge),
               btVector3(bumper.second, bumperTop, laneStart));
    }
    const btScalar floor = btScalar(pitFloor);
    addBox(pitShape, parts, btVector3(-wall, floor - wallThickness, pitBack), btVector3(wall, floor, pitEdge));
    addBox(pitShape, parts, btVector3(-wall, floor, pitBack), btVector3(wall, wallTop, pitBack + wallThickness));
    lastKnocks.reserve(64);
    rack();
}

LaneWorld::~LaneWorld() = default;

static void addStatic(btDiscreteDynamicsWorld& world, std::unique_ptr<btRigidBody>& body, btCollisionShape& shape,
                      const btVector3& origin, Surface surface)
{
    body = std::make_unique<btRigidBody>(btRigidBody::btRigidBodyConstructionInfo(0, nullptr, &shape));
    btTransform place;
    place.setIdentity();
    place.setOrigin(origin);
    body->setWorldTransform(place);
    makeOf(*body, surface);
    world.addRigidBody(body.get());
}

static btRigidBody* addMoving(btDiscreteDynamicsWorld& world, std::unique_ptr<btRigidBody>& body,
                              btCollisionShape& shape, double mass, const btVector3& inertia,
                              const btTransform& place, Surface surface)
{
    body = std::make_unique<btRigidBody>(btRigidBody::btRigidBodyConstructionInfo(btScalar(mass), nullptr, &shape, inertia));
    body->setCenterOfMassTransform(place);
    body->setSleepingThresholds(sleepSpeed, sleepTurn);
    makeOf(*body, surface);
    world.addRigidBody(body.get());
    return body.get();
}

void LaneWorld::rebuild(const bool onLane[pinCount], const btTransform places[pinCount], const Launch* launch,
                        bool bumpers)
{
    auto next = std::make_unique<Simulation>();
    btDiscreteDynamicsWorld& world = next->world;
    world.setGravity(btVector3(0, gravity, 0));
    btContactSolverInfo& solver = world.getSolverInfo();
    solver.m_splitImpulse = 1;
    solver.m_splitImpulsePenetrationThreshold = 0;

    const btScalar laneMiddle = (laneStart + btScalar(pitEdgeZ)) / 2;
    addStatic(world, next->bodies[laneSlot], laneShape, btVector3(0, laneBottom / 2, laneMiddle), Surface::lane);
    next->bodies[laneSlot]->setUserPointer(&oilMap);
    addStatic(world, next->bodies[gutterSlot], gutterShape, btVector3(0, 0, 0), Surface::gutter);
    addStatic(world, next->bodies[kickbackSlot], kickbackShape, btVector3(0, 0, 0), Surface::kickback);
    addStatic(world, next->bodies[pitSlot], pitShape, btVector3(0, 0, 0), Surface::pit);
    if (bumpers)  // as hard as the kickbacks
        addStatic(world, next->bodies[bumperSlot], bumperShape, btVector3(0, 0, 0), Surface::kickback);
    for (int i = 0; i < pinCount; i++) {
        if (!onLane[i])
            continue;
        btRigidBody* pin = addMoving(world, next->bodies[i], pinShape.shape(), pinMass, pinShape.inertia(),
                                     places[i], Surface::pin);
        if (pin->getWorldTransform().getBasis().getColumn(1).y() >= uprightCosine)
            pin->setActivationState(ISLAND_SLEEPING);
    }
    if (launch) {
        btVector3 inertia;
        ballShape.calculateLocalInertia(btScalar(ballMass), inertia);
        btTransform place;
        place.setIdentity();
        place.setOrigin(launch->position);
        btRigidBody* ball = addMoving(world, next->bodies[ballSlot], ballShape, ballMass, inertia, place, Surface::ball);
        ball->setLinearVelocity(launch->velocity);
        ball->setAngularVelocity(launch->spin);
    }
    for (int slot = 0; slot < slotCount; slot++)
        if (next->bodies[slot])
            next->bodies[slot]->setUserIndex2(slot);
    simulation = std::move(next);
    lastKnocks.clear();
}

static btTransform rackPlace(const PinShape& shape, int pin)
{
    btTransform foot;
    foot.setIdentity();
    foot.setOrigin(btVector3(btScalar(pinSpotX(pin)), 0, btScalar(pinSpotZ(pin))));
    return foot * shape.bodyFromFoot().inverse();
}

void LaneWorld::rack()
{
    bool onLane[pinCount];
    btTransform places[pinCount];
    for (int i = 0; i < pinCount; i++) {
        onLane[i] = true;
        places[i] = rackPlace(pinShape, i);
    }
    rebuild(onLane, places, nullptr, false);
}

void LaneWorld::leaveOnly(int pin)
{
    bool onLane[pinCount] = {};
    btTransform places[pinCount];
    onLane[pin] = true;
    places[pin] = rackPlace(pinShape, pin);
    rebuild(onLane, places, nullptr, false);
}

void LaneWorld::sweep()
{
    bool onLane[pinCount];
    btTransform places[pinCount];
    for (int i = 0; i < pinCount; i++) {
        onLane[i] = pinStanding(i);
        if (onLane[i])
            places[i] = simulation->bodies[i]->getCenterOfMassTransform();
    }
    rebuild(onLane, places, nullptr, false);
}

void LaneWorld::release(const Launch& launch, bool bumpers)
{
    RollStart start;
    for (int i = 0; i < pinCount; i++) {
        start.onLane[i] = pinOnLane(i);
        start.places[i] = start.onLane[i] ? simulation->bodies[i]->getCenterOfMassTransform()
                                          : btTransform::getIdentity();
    }
    start.oil = oilMap;
    start.launch = launch;
    start.bumpers = bumpers;
    release(start);
}

void LaneWorld::release(const RollStart& start)
{
    started = start;
    oilMap = start.oil;
    rebuild(start.onLane, start.places, &start.launch, start.bumpers);
}

// Over the lane or its deck, not yet past the pit's edge.
static bool overDeck(const btRigidBody& body)
{
    return body.getCenterOfMassPosition().z() >= btScalar(pitEdgeZ);
}

// Below the deck: in the pit, where nothing can reach the deck again.
static bool dropped(const btRigidBody& body)
{
    return body.getCenterOfMassPosition().y() < btScalar(droppedBelow);
}

static bool still(const btRigidBody& body)
{
    return !body.isActive() || (body.getLinearVelocity().length2() <= sleepSpeed * sleepSpeed &&
                                body.getAngularVelocity().length2() <= sleepTurn * sleepTurn);
}

void LaneWorld::step()
{
    Simulation& s = *simulation;
    s.world.stepSimulation(btScalar(stepSeconds), 0);
    s.steps++;
    noteKnocks();
    wearOil();
    // What has dropped into the pit leaves the world: it costs nothing more
    // and the roll need not wait for it to settle.
    bool allStill = true;
    for (int slot = 0; slot <= ballSlot; slot++) {
        btRigidBody* body = s.bodies[slot].get();
        if (!body || s.inPit[slot])
            continue;
        if (dropped(*body)) {
            s.world.removeRigidBody(body);
            s.inPit[slot] = true;
            if (slot == ballSlot)
                s.ballInPitAt = s.steps;
        } else if (!still(*body)) {
            allStill = false;
        }
    }
    s.stillSteps = allStill ? s.stillSteps + 1 : 0;
}

// The impulses of each pair summed over its contact points, a pin's three
// hulls together; a knock where a pair's sum rises past the threshold.
void LaneWorld::noteKnocks()
{
    Simulation& s = *simulation;
    float impulse[slotCount][slotCount] = {};
    btVector3 weighted[slotCount][slotCount];
    for (auto& row : weighted)
        for (btVector3& sum : row)
            sum.setZero();
    btDispatcher& dispatcher = s.dispatcher;
    for (int m = 0; m < dispatcher.getNumManifolds(); m++) {
        const btPersistentManifold* manifold = dispatcher.getManifoldByIndexInternal(m);
        int a = manifold->getBody0()->getUserIndex2();
        int b = manifold->getBody1()->getUserIndex2();
        if (a > b)
            std::swap(a, b);
        for (int p = 0; p < manifold->getNumContacts(); p++) {
            const btManifoldPoint& point = manifold->getContactPoint(p);
            const float applied = point.getAppliedImpulse();
            impulse[a][b] += applied;
            weighted[a][b] += point.getPositionWorldOnA() * applied;
        }
        if (b == ballSlot && a < pinCount && impulse[a][b] > 0 && !s.inPit[ballSlot] && overDeck(*s.bodies[b]))
            s.ballTouched[a] = true;
    }
    lastKnocks.clear();
    for (int a = 0; a < slotCount; a++)
        for (int b = a + 1; b < slotCount; b++) {
            if (impulse[a][b] > knockImpulse && s.lastImpulse[a][b] <= knockImpulse) {
                Surface first = surfaceOf(*s.bodies[a]);
                Surface second = surfaceOf(*s.bodies[b]);
                if (first > second)
                    std::swap(first, second);
                lastKnocks.push_back({first, second, weighted[a][b] / impulse[a][b], impulse[a][b]});
            }
            s.lastImpulse[a][b] = impulse[a][b];
        }
}

// The ball on the lane wipes the oil under it as it rolls.
void LaneWorld::wearOil()
{
    Simulation& s = *simulation;
    const btRigidBody* ball = s.bodies[ballSlot].get();
    if (!ball || s.inPit[ballSlot])
        return;
    const btVector3 centre = ball->getCenterOfMassPosition();
    const bool onLane = centre.y() <= btScalar(ballRadius) + onLaneTolerance && std::fabs(centre.x()) <= laneHalfWidth;
    if (onLane)
        oilMap.rollOver(centre.x(), centre.z(), s.oilOnBall);
}

bool LaneWorld::rollOver() const
{
    const Simulation& s = *simulation;
    return s.stillSteps >= settledSteps || (s.ballInPitAt >= 0 && s.steps - s.ballInPitAt >= stepsAfterPit) ||
           s.steps >= longestRoll;
}

double LaneWorld::secondsRolled() const
{
    return simulation->steps * stepSeconds;
}

bool LaneWorld::pinOnLane(int pin) const
{
    return simulation->bodies[pin] != nullptr;
}

bool LaneWorld::pinStanding(int pin) const
{
    if (!pinOnLane(pin))
        return false;
    const btTransform place = pinPlace(pin);
    const btVector3 foot = place.getOrigin();
    const bool onDeck = std::fabs(foot.x()) <= laneHalfWidth && foot.z() >= pitEdgeZ && foot.y() > footOnDeck;
    return onDeck && place.getBasis().getColumn(1).y() >= standingCosine;
}

int LaneWorld::pinsStanding() const
{
    int standing = 0;
    for (int i = 0; i < pinCount; i++)
        standing += pinStanding(i);
    return standing;
}

btTransform LaneWorld::pinPlace(int pin) const
{
    return simulation->bodies[pin]->getCenterOfMassTransform() * pinShape.bodyFromFoot();
}

bool LaneWorld::ballTouched(int pin) const
{
    return simulation->ballTouched[pin];
}

bool LaneWorld::ballOnLane() const
{
    return simulation->bodies[ballSlot] != nullptr;
}

btTransform LaneWorld::ballPlace() const
{
    return simulation->bodies[ballSlot]->getCenterOfMassTransform();
}
