#pragma once

#include "session/subject.h"

namespace session {

// The real program, as the runner drives it.
SubjectFactory RealProgram();

}  // namespace session
