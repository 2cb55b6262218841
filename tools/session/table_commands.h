#pragma once

#include <vector>

#include "session/command_form.h"

namespace session {

// The commands for tables (the test history) and the control chart: sorting, selecting and
// stating what they show.
const std::vector<Form>& TableForms();

}  // namespace session
