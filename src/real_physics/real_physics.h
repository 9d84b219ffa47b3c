// real_physics.h: --real-physics, the ball and the pins as rigid bodies on
// a real lane (lane_world.h), through the option door: its own roll, drawn
// between its steps at the display's rate, its knocks reported to every
// option, and spin chosen with up and down while aiming.
#pragma once

#include "option_door.h"

PlayerOption& realPhysicsOption();
