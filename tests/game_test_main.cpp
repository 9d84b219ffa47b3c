#include <gtest/gtest.h>

#include "game_window.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no window, and must print nothing else.
    if (!testing::GTEST_FLAG(list_tests))
        openGameWindow(argc, argv);
    return RUN_ALL_TESTS();
}
