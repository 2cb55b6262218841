#pragma once

#include <utility>

#include "core/step_failure.h"

namespace core {

// Runs one guarded step: a failing step is skipped and the caller goes on with the next.
// Returns whether the step ran to its end.
template <typename Step>
bool Guarded(Step&& step) {
  try {
    std::forward<Step>(step)();
    return true;
  } catch (const StepFailure&) {
    return false;
  }
}

// The test of a two-way choice under the guard rule: when the test itself fails,
// the first branch runs, so a failing test counts as true.
template <typename Test>
bool GuardedTest(Test&& test) {
  try {
    return static_cast<bool>(std::forward<Test>(test)());
  } catch (const StepFailure&) {
    return true;
  }
}

}  // namespace core
