#pragma once

#include <string>
#include <vector>

namespace session {

// A failed expectation or a script error, at its line.
struct Failure {
  std::string script;
  int line = 0;  // 0: the script as a whole (it could not be read)
  std::string message;
  std::string source;  // the command as written
  bool error = false;  // the script stopped here
};

// What one script run came to: expectations that held, those that did not, and whether the
// script stopped early.
struct Result {
  int passed = 0;
  std::vector<Failure> failures;
  std::string keptFolder;  // set when the session's folder was kept

  int Failed() const { return static_cast<int>(failures.size()); }
  bool Errored() const { return !failures.empty() && failures.back().error; }
  bool Ok() const { return failures.empty(); }
};

}  // namespace session
