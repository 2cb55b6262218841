#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/dialogs.h"

namespace doubles {

// Dialogs answered from a queue: message boxes are recorded, prompts take the next queued
// answer (a cancel is an empty answer), and a Yes/No question is a prompt answered "Yes" or
// anything else for No. A prompt with no answer queued is recorded as
// unanswered and cancelled, so a script that forgot one fails instead of hanging.
class ScriptedDialogs : public core::Dialogs {
 public:
  struct Prompt {
    std::string prompt;
    std::string title;
    std::string defaultAnswer;
    bool answered;
  };

  void MessageBox(const std::string& text) override { messages_.push_back(text); }
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  bool AskYesNo(const std::string& question, const std::string& title) override;

  void QueueAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
  void QueueCancel() { answers_.push_back(std::string()); }

  const std::vector<std::string>& Messages() const { return messages_; }
  const std::vector<Prompt>& Prompts() const { return prompts_; }
  std::size_t PendingAnswers() const { return answers_.size(); }

 private:
  std::deque<std::string> answers_;
  std::vector<std::string> messages_;
  std::vector<Prompt> prompts_;
};

}  // namespace doubles
