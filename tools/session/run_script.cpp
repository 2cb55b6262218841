#include "session/run_script.h"

#include "session/action_commands.h"
#include "session/expect_commands.h"
#include "session/script_error.h"
#include "session/script_parser.h"
#include "session/session.h"
#include "session/session_world.h"
#include "session/table_commands.h"

namespace session {

const std::vector<Form>& AllForms() {
  static const std::vector<Form> forms = [] {
    std::vector<Form> all = TableForms();
    all.insert(all.end(), ActionForms().begin(), ActionForms().end());
    all.insert(all.end(), ExpectForms().begin(), ExpectForms().end());
    return all;
  }();
  return forms;
}

Result RunScript(std::string_view text, const std::string& name, const RunOptions& options) {
  Result result;
  std::vector<Command> commands;
  try {
    commands = ParseScript(text, AllForms());
  } catch (const LineError& error) {
    result.failures.push_back(Failure{name, error.Line(), error.what(), error.Source(), true});
    return result;
  }
  SessionWorld world(options.subject, options.keepFolder);
  if (options.keepFolder) result.keptFolder = world.Folder().Path().string();
  Session session(world, result, name);
  for (const auto& command : commands) {
    if (!session.Run(command)) return result;
  }
  session.Finish();
  return result;
}

}  // namespace session
