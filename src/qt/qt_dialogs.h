#pragma once

#include <string>

#include "core/platform/dialogs.h"

namespace qtui {

// Message boxes and text prompts as Qt dialogs, titled with the program's title and placed
// over the window the operator is using.
class QtDialogs : public core::Dialogs {
 public:
  explicit QtDialogs(std::string title) : title_(std::move(title)) {}

  void MessageBox(const std::string& text) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  bool AskYesNo(const std::string& question, const std::string& title) override;
  // The program has ended: no box opens any more, and a prompt is answered as cancelled.
  void Close() { closed_ = true; }

 private:
  std::string title_;
  bool closed_ = false;
};

}  // namespace qtui
