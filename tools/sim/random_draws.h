#pragma once

#include <random>

namespace sim {

// Draws built directly on the engine's output, so a seed gives the same stream whichever
// standard library the simulator is built with.

// Uniform in the open interval (0, 1).
double UniformUnit(std::mt19937& engine);

// Uniform integer in [low, high].
int UniformInt(std::mt19937& engine, int low, int high);

// True with the given probability (0 never, 1 always).
bool Chance(std::mt19937& engine, double probability);

// Standard normal (Box-Muller).
double Gaussian(std::mt19937& engine);

}  // namespace sim
