// noise.h: hash-based randomness and gradient noise. Everything is a pure
// function of its arguments and a seed, so the pictures come out the same on
// every run and every machine.
#pragma once

#include <cstdint>

#include "textures/maths.h"

// A number in [0, 1) that depends only on the seed and the three integers.
double randomUnit(uint32_t seed, int a, int b = 0, int c = 0);

// Octaves of smooth gradient noise (about -1 to 1, features one unit apart),
// each twice the frequency and half the weight of the last.
double fractalNoise(const Vec3& p, int octaves, uint32_t seed);
