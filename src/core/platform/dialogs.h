#pragma once

#include <string>

namespace core {

// Modal dialogs. Each blocks the handler that raised it until the operator answers.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A message box with a single OK button.
  virtual void MessageBox(const std::string& text) = 0;
  // A text prompt; returns the typed text, or empty text when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultAnswer) = 0;
  // A question with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(const std::string& question, const std::string& title) = 0;
};

}  // namespace core
