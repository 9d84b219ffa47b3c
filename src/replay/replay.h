// replay.h: the instant replay of the player's game. After a strike or a
// split, or with R while aiming, the last ball rolls again from its release
// on the pins it met, seen from beside the pin deck and slowed down for the
// impact; Space skips it. It rolls apart from the game, whose turn, pins,
// score and sounds it never touches.
#pragma once

#include "option_door.h"

PlayerOption& replayOption();
