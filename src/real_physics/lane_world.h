// lane_world.h: the ball and the ten pins as rigid bodies on a real lane
// (real_lane.h), in whole fixed steps, on oil that each ball wears
// (oil_map.h). Each release starts a fresh Bullet world from the pins where
// they stand, so the same pins, oil and launch give the same roll, bit for
// bit, whatever came before.
#pragma once

#include <btBulletDynamicsCommon.h>

#include <memory>
#include <vector>

#include "real_physics/contact_materials.h"
#include "real_physics/oil_map.h"
#include "real_physics/pin_shape.h"
#include "real_physics/real_lane.h"

// The ball as it leaves the hand: its centre, its velocity and its spin.
struct Launch {
    btVector3 position;
    btVector3 velocity;
    btVector3 spin;  // angular velocity, rad/s
};

// From the foul line at x, aimed angleDegrees towards +x, with hook from -1
// (a strong hook to -x) through 0 (straight) to 1 (to +x).
Launch bowled(double x, double angleDegrees, double speed, double hook);
// A ball already rolling without sliding, its centre at (x, z).
Launch rollingBall(double x, double z, double angleDegrees, double speed);

// Where a roll starts: the pins on the lane where they stood, the oil as it
// lay, and the ball as it left the hand. The same start rolls the same in
// any world.
struct RollStart {
    bool onLane[real::pinCount];
    btTransform places[real::pinCount];
    OilMap oil;
    Launch launch;
    bool bumpers;
};

// A knock between two bodies in one step, above what resting bodies press.
struct Knock {
    Surface first;
    Surface second;  // never before first in Surface's order
    btVector3 where;
    float impulse;   // N s
};

class LaneWorld {
public:
    static constexpr int stepsPerSecond = 240;
    static constexpr double stepSeconds = 1.0 / stepsPerSecond;

    // A full rack, no ball.
    LaneWorld();
    ~LaneWorld();
    LaneWorld(const LaneWorld&) = delete;
    LaneWorld& operator=(const LaneWorld&) = delete;

    // Ten pins upright on their spots.
    void rack();
    // The pins down are taken away, the standing ones stay exactly as they are.
    void sweep();
    // Only this pin on the lane, upright on its spot.
    void leaveOnly(int pin);
    // With bumpers, the gutters are closed.
    void release(const Launch& launch, bool bumpers = false);
    // A start kept from a release, in this world or another.
    void release(const RollStart& start);
    const RollStart& lastStart() const { return started; }
    // One fixed step; its knocks replace the last step's.
    void step();
    // Everything has settled, or the ball has been in the pit long enough.
    bool rollOver() const;
    double secondsRolled() const;

    // A pin on the lane: not yet swept away.
    bool pinOnLane(int pin) const;
    // Tilted less than 30 degrees with its foot on the deck.
    bool pinStanding(int pin) const;
    int pinsStanding() const;
    // The pin's own frame in the world: origin at its foot, y along its axis.
    btTransform pinPlace(int pin) const;
    bool ballOnLane() const;
    btTransform ballPlace() const;
    const std::vector<Knock>& knocks() const { return lastKnocks; }
    // The ball has touched this pin on the deck in the roll so far.
    bool ballTouched(int pin) const;

    // The oil as the balls so far have left it. A new game lays a fresh
    // OilMap(); a replay puts back a copy taken before.
    const OilMap& oil() const { return oilMap; }
    void layOil(const OilMap& map) { oilMap = map; }

private:
    struct Simulation;
    void rebuild(const bool onLane[real::pinCount], const btTransform places[real::pinCount], const Launch* launch,
                 bool bumpers);
    void pinsAfterStep();
    void noteKnocks();
    void wearOil();

    PinShape pinShape;
    btSphereShape ballShape;
    btBoxShape laneShape;
    btCompoundShape gutterShape;
    btCompoundShape kickbackShape;
    btCompoundShape pitShape;
    btCompoundShape bumperShape;
    std::vector<std::unique_ptr<btBoxShape>> parts;  // of the compounds
    std::unique_ptr<Simulation> simulation;
    std::vector<Knock> lastKnocks;
    OilMap oilMap;
    RollStart started = {};
};
