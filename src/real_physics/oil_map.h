// oil_map.h: the oil on the lane, board by board across and 5 cm a cell
// along, as a value a game can copy and put back. A fresh map is a house
// pattern; every ball wipes oil off the cells it rolls over and lays part
// of it further down, so the lane changes as it is played.
#pragma once

#include <array>

#include "real_physics/real_lane.h"

// What a ball carries of the oil it wiped, over one roll.
struct OilOnBall {
    float load = 0;  // board-cells' worth, in the map's units
    int row = -1;    // the last row of cells it rolled over
};

class OilMap {
public:
    static constexpr int boards = 39;
    static constexpr double boardWidth = 2 * real::laneHalfWidth / boards;
    static constexpr double cellLength = 0.05;
    static constexpr int rows = int(-real::pitEdgeZ / cellLength) + 1;

    // A fresh house pattern: heaviest over the middle boards, about 40 ft long.
    OilMap();

    // Oil on the cell under (x, z), 1 where the pattern is heaviest.
    float at(double x, double z) const;
    // The ball's grip on the lane at (x, z).
    double friction(double x, double z) const;
    // The ball, touching the lane with its centre over (x, z), has rolled
    // on from the last row it touched: it wipes the cells under it and
    // lays some of what it carries.
    void rollOver(double x, double z, OilOnBall& ball);

    bool operator==(const OilMap& other) const { return oil == other.oil; }
    bool operator!=(const OilMap& other) const { return oil != other.oil; }

private:
    std::array<float, boards * rows> oil;  // row by row from the foul line, boards from +x
};
