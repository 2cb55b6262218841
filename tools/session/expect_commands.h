#pragma once

#include <vector>

#include "session/command_form.h"

namespace session {

// The `expect` commands: checks of windows, values, dialogs, drawing, files and the port.
const std::vector<Form>& ExpectForms();

}  // namespace session
