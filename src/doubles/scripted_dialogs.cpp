#include "doubles/scripted_dialogs.h"

namespace doubles {

std::string ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultAnswer) {
  bool answered = !answers_.empty();
  prompts_.push_back({prompt, title, defaultAnswer, answered});
  if (!answered) return std::string();
  std::string answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool ScriptedDialogs::AskYesNo(const std::string& question, const std::string& title) {
  return InputBox(question, title, "") == "Yes";
}

}  // namespace doubles
