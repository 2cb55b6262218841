#include "sim/random_draws.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sim {

double UniformUnit(std::mt19937& engine) {
  return (static_cast<double>(engine()) + 0.5) / 4294967296.0;
}

int UniformInt(std::mt19937& engine, int low, int high) {
  const double span = static_cast<double>(high) - low + 1.0;
  const int offset = static_cast<int>(UniformUnit(engine) * span);
  return std::min(low + offset, high);
}

bool Chance(std::mt19937& engine, double probability) {
  // Always draw, so the stream of later draws does not depend on the probability.
  return UniformUnit(engine) < probability;
}

double Gaussian(std::mt19937& engine) {
  const double radius = std::sqrt(-2.0 * std::log(UniformUnit(engine)));
  return radius * std::cos(2.0 * std::numbers::pi * UniformUnit(engine));
}

}  // namespace sim
