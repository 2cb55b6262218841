#pragma once

#include <stdexcept>
#include <string>

namespace session {

// A script that cannot be read or names something that does not exist. It ends the script
// at its line: a typo must never pass as a check that happened to hold.
class ScriptError : public std::runtime_error {
 public:
  explicit ScriptError(const std::string& message) : std::runtime_error(message) {}
};

// A ScriptError placed at its line of the script, as the parser reports it.
class LineError : public ScriptError {
 public:
  LineError(int line, std::string source, const std::string& message)
      : ScriptError(message), line_(line), source_(std::move(source)) {}
  int Line() const { return line_; }
  const std::string& Source() const { return source_; }

 private:
  int line_;
  std::string source_;
};

}  // namespace session
