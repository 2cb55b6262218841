#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "session/command_form.h"

namespace session {

// One line of a script, matched to its form.
struct Command {
  int line = 0;
  std::string source;  // the line as written, for failure reports
  const Form* form = nullptr;
  Args args;
};

// Reads a whole script before anything runs, so a malformed line fails before the program
// starts. Throws LineError at the first line that matches no form.
std::vector<Command> ParseScript(std::string_view text, const std::vector<Form>& forms);

}  // namespace session
