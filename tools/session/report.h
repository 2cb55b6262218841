#pragma once

#include <ostream>

#include "session/result.h"

namespace session {

// Prints what went wrong in the form `script:line: expected <...>, actual <...>`, each
// followed by the command as written.
void PrintFailures(std::ostream& out, const Result& result);

// The closing line of a run: `N passed, M failed`, where a script error counts as one failure.
void PrintSummary(std::ostream& out, int passed, int failed);

}  // namespace session
