// rack.cpp: which pins left standing a bowler calls a split.
#include "rack.h"

// Pins that touch across a gap no pin could fill: neighbours on a diagonal,
// and one straight behind another (a sleeper). Two pins side by side in a
// row are kept together only by the pin ahead of them.
static bool together(int a, int b)
{
    const double across = spotAcross(a) - spotAcross(b);
    const int along = pinRow[a] - pinRow[b];
    return (across * across == 0.25 && along * along == 1) || (across == 0 && along * along == 4);
}

bool isSplit(unsigned standing)
{
    if (standing & 1u)
        return false;  // the head pin stands
    // Grows the group of the first standing pin; any pin left out of it is
    // across a gap.
    unsigned group = standing & -standing;
    for (bool grown = group != 0; grown;) {
        grown = false;
        for (int a = 0; a < pinCount; a++)
            for (int b = 0; b < pinCount; b++)
                if ((group >> a & 1u) && (standing >> b & 1u) && !(group >> b & 1u) && together(a, b)) {
                    group |= 1u << b;
                    grown = true;
                }
    }
    return group != standing;
}
