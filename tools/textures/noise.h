// noise.h: hash-based randomness and gradient noise. Everything is a pure
// function of its arguments and a seed, so the pictures come out the same on
// every run and every machine.
#pragma once

#include <cstdint>

#include "textures/maths.h"

// A number in [0, 1) that depends only on the seed and the three integers.
double randomUnit(uint32_t seed, int a, int b = 0, int c = 0);

// Smooth noise of about -1 to 1 with features one unit apart.
double gradientNoise(const Vec3& p, uint32_t seed);

// Octaves of noise, each twice the frequency and half the weight of the last.
double fractalNoise(const Vec3& p, int octaves, uint32_t seed);

// As fractalNoise, but of the absolute values: creased, billowing patterns.
double turbulence(const Vec3& p, int octaves, uint32_t seed);
