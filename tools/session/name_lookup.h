#pragma once

#include <string>

#include "core/control.h"
#include "core/window.h"
#include "session/command_form.h"
#include "session/script_error.h"
#include "session/subject.h"

namespace session {

// Windows, controls and program-wide values by the names a script writes. A name that does
// not exist is a ScriptError listing the close names, so a typo fails where it stands.
core::Window& FindWindow(const Subject& program, const std::string& name);
core::Control& FindControl(const Subject& program, const ControlRef& ref);
std::string ValueOf(const Subject& program, const std::string& name);

// "text box", "button", ... for messages about using a control the wrong way.
std::string KindOf(const core::Control& control);

// The control as the kind a command needs, or a ScriptError naming what it is instead.
template <typename Kind>
Kind& As(core::Control& control, const ControlRef& ref, const char* wanted, const char* hint) {
  if (auto* kind = dynamic_cast<Kind*>(&control)) return *kind;
  throw ScriptError(ref.Written() + " is a " + KindOf(control) + ", not a " + wanted + hint);
}

}  // namespace session
