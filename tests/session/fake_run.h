#pragma once

#include <string>
#include <vector>

#include "fake_program.h"
#include "session/run_script.h"

namespace session_test {

inline session::Result RunFake(const std::string& script, bool keepFolder = false) {
  return session::RunScript(script, "t.session", {FakeProgram::Factory(), keepFolder});
}

// Each failure as "line: message", errors as "line: error: message".
inline std::vector<std::string> FailuresOf(const session::Result& result) {
  std::vector<std::string> out;
  for (const auto& f : result.failures) {
    out.push_back(std::to_string(f.line) + ": " + (f.error ? "error: " : "") + f.message);
  }
  return out;
}

// A script and the failures it must give, none for a script that passes.
struct ScriptCase {
  const char* what;
  std::string script;
  std::vector<std::string> failures;
};

inline void PrintTo(const ScriptCase& c, std::ostream* out) { *out << c.what; }

}  // namespace session_test
