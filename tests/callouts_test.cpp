// callouts_test.cpp: each callout's rule on a table of leaves.
#include <gtest/gtest.h>

#include <initializer_list>

#include "callouts/callouts.h"

// Rack indices: 0 the head pin, then each row from +x, the bowler's right:
// 1 is pin 3, 2 pin 2, 3 pin 6, 5 pin 4, 6 pin 10, 9 pin 7.
static unsigned rack(std::initializer_list<int> indices)
{
    unsigned bits = 0;
    for (int i : indices)
        bits |= 1u << i;
    return bits;
}

TEST(Callouts, EachBallCalledAsABowlerWould)
{
    const unsigned full = 0x3FF;
    const struct {
        const char* what;
        BallResult ball;
        const char* called;
    } cases[] = {
        {"strike", {true, full, 0, false, 0}, "STRIKE"},
        {"second strike", {true, full, 0, false, 1}, "DOUBLE"},
        {"third strike", {true, full, 0, false, 2}, "TURKEY"},
        {"fourth strike", {true, full, 0, false, 3}, "4-BAGGER"},
        {"spare", {false, rack({6, 9}), 0, false, 0}, "SPARE"},
        {"7-10", {true, full, rack({6, 9}), false, 0}, "7-10 SPLIT"},
        {"4-6", {true, full, rack({3, 5}), false, 0}, "4-6 SPLIT"},
        {"6-7-10", {true, full, rack({3, 6, 9}), false, 0}, "6-7-10 SPLIT"},
        {"2-7, pin 4 down between", {true, full, rack({2, 9}), false, 0}, "2-7 SPLIT"},
        {"5-6, pin 3 down ahead", {true, full, rack({3, 4}), false, 0}, "5-6 SPLIT"},
        {"1-7-10: the head pin stands", {true, full, rack({0, 6, 9}), false, 0}, ""},
        {"2-8: one behind the other", {true, full, rack({2, 8}), false, 0}, ""},
        {"pin 10 alone", {true, full, rack({6}), false, 0}, ""},
        {"7-10 left by a second ball", {false, rack({6, 9}), rack({6, 9}), false, 0}, ""},
        {"gutter", {true, full, full, true, 2}, "GUTTER"},
        {"gutter on a second ball", {false, rack({6}), rack({6}), true, 0}, "GUTTER"},
        {"in the gutter after knocking a pin", {true, full, full & ~1u, true, 0}, ""},
    };
    for (const auto& c : cases) {
        char text[32];
        calloutFor(c.ball, text, sizeof text);
        EXPECT_STREQ(c.called, text) << c.what;
    }
}
