#pragma once

#include <stdexcept>
#include <string>

namespace core {

// The one failure a step can raise: a strict conversion of a non-number, a rounding
// overflow, a division by zero. Handlers let it end them; the decoder and start-up
// guard each step with the helpers in guard.h.
class StepFailure : public std::runtime_error {
 public:
  explicit StepFailure(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace core
