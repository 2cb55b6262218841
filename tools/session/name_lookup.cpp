#include "session/name_lookup.h"

#include "core/button.h"
#include "core/check_box.h"
#include "core/folder_list.h"
#include "core/list_box.h"
#include "core/label.h"
#include "core/menu_item.h"
#include "core/table_box.h"
#include "core/text_box.h"
#include "session/close_names.h"
#include "session/script_error.h"

namespace session {

core::Window& FindWindow(const Subject& program, const std::string& name) {
  std::vector<std::string> names;
  for (core::Window* window : program.Windows()) {
    if (window->Name() == name) return *window;
    names.push_back(window->Name());
  }
  std::string hint = CloseNamesHint(name, names);
  if (hint.empty()) {
    hint = "; the windows are:";
    for (const auto& known : names) hint += " " + known;
  }
  throw ScriptError("no window " + Quoted(name) + hint);
}

core::Control& FindControl(const Subject& program, const ControlRef& ref) {
  core::Window& window = FindWindow(program, ref.window);
  if (core::Control* control = window.Find(ref.control)) return *control;
  std::vector<std::string> names;
  for (const auto& [name, control] : window.Controls()) names.push_back(name);
  throw ScriptError("no control " + Quoted(ref.control) + " in " + ref.window +
                    CloseNamesHint(ref.control, names));
}

std::string ValueOf(const Subject& program, const std::string& name) {
  const core::ValueRegistry& values = program.Values();
  if (auto value = values.Get(name)) return *value;
  throw ScriptError("no program value " + Quoted(name) + CloseNamesHint(name, values.Names()));
}

std::string KindOf(const core::Control& control) {
  if (dynamic_cast<const core::CaptionBox*>(&control)) return "caption box";
  if (dynamic_cast<const core::FolderList*>(&control)) return "folder list";
  if (dynamic_cast<const core::ListBox*>(&control)) return "list";
  if (dynamic_cast<const core::TextBox*>(&control)) return "text box";
  if (dynamic_cast<const core::Button*>(&control)) return "button";
  if (dynamic_cast<const core::CheckBox*>(&control)) return "check box";
  if (dynamic_cast<const core::Label*>(&control)) return "label";
  if (dynamic_cast<const core::MenuItem*>(&control)) return "menu item";
  if (dynamic_cast<const core::TableBox*>(&control)) return "table";
  return "control";
}

}  // namespace session
