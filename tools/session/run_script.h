#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "session/command_form.h"
#include "session/result.h"
#include "session/subject.h"

namespace session {

// Every command form of the language, actions first.
const std::vector<Form>& AllForms();

struct RunOptions {
  SubjectFactory subject;   // the program to run the script against
  bool keepFolder = false;  // leave the session's folder in place for a look afterwards
};

// Runs one script in a world of its own: parses it whole, then runs its commands in order
// until the end or the first script error.
Result RunScript(std::string_view text, const std::string& name, const RunOptions& options);

}  // namespace session
