// alley.h: the alley around the lane in the player's game: the approach,
// the rounded gutters, the neighbouring lanes with their cappings and
// kickbacks, the pits and their cushions, the masking unit and the hall's
// walls, so no camera looks into black.
#pragma once

#include "option_door.h"

// The option: it draws the floor and all around it in place of the
// written lane and gutters.
PlayerOption& alleyOption();
