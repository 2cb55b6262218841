#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/platform.h"
#include "core/value_registry.h"
#include "core/window.h"

namespace session {

// The program as a session drives it: its windows, its program-wide values and its
// lifecycle. The real program stands behind it in the runner; tests of the language itself
// use a small stand-in.
class Subject {
 public:
  virtual ~Subject() = default;

  virtual void Form_Load() = 0;
  virtual void Exit_Click() = 0;
  virtual void Form_Unload() = 0;
  virtual bool Ended() const = 0;
  virtual void AfterEvents() = 0;
  // Where the program keeps its own data (the test history's index).
  virtual void UseDataFolder(const std::string& folder) { (void)folder; }

  virtual std::vector<core::Window*> Windows() const = 0;
  virtual const core::ValueRegistry& Values() const = 0;
};

// Builds the subject on the session's platform doubles.
using SubjectFactory = std::function<std::unique_ptr<Subject>(const app::Platform&)>;

}  // namespace session
