#pragma once

#include <vector>

#include "session/command_form.h"

namespace session {

// The commands that arrange the platform and act on the program as the operator and the
// instrument would.
const std::vector<Form>& ActionForms();

}  // namespace session
