#include "session/session.h"

#include <algorithm>
#include <fstream>

#include "core/step_failure.h"
#include "session/script_error.h"

namespace session {
namespace {

bool IsInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
  auto normal = path.lexically_normal();
  auto base = folder.lexically_normal();
  return std::mismatch(base.begin(), base.end(), normal.begin(), normal.end()).first == base.end();
}

std::string AtLine(int line) { return "line " + std::to_string(line); }

// Program code runs as the event loop runs it: a failing step ends the handler and the
// program carries on with the next event; anything else is a fault of the program.
void RunProgramCode(const std::function<void()>& code) {
  try {
    code();
  } catch (const core::StepFailure&) {
  } catch (const std::exception& error) {
    throw ScriptError(std::string("the program failed: ") + error.what());
  }
}

}  // namespace

Session::Session(SessionWorld& world, Result& result, std::string scriptName)
    : world_(world),
      result_(result),
      scriptName_(std::move(scriptName)),
      places_(world.LeakFolder().string(), world.HomeFolder().string(),
              world.StartFolder().string(), world.DataFolder().string()) {}

bool Session::Run(const Command& command) {
  current_ = &command;
  try {
    CheckPhase(*command.form);
    command.form->run(*this, command.args.WithTexts(
                                 [this](const std::string& text) { return places_.Expand(text); }));
  } catch (const ScriptError& error) {
    Fail(command.line, command.source, error.what(), true);
    return false;
  } catch (const std::exception& error) {
    Fail(command.line, command.source, std::string("cannot run this line: ") + error.what(), true);
    return false;
  }
  while (answersQueued_.size() > world_.Dialogs().PendingAnswers()) answersQueued_.pop_front();
  CheckUnansweredPrompts();
  return true;
}

void Session::CheckPhase(const Form& form) const {
  if (form.phase == Phase::Running && !startedAt_) {
    throw ScriptError("the program has not started: put startup before this line");
  }
  if (form.phase == Phase::Running && endedAt_) {
    throw ScriptError("the program ended at " + AtLine(endedAt_) + "; nothing more happens in it");
  }
  if (form.phase == Phase::BeforeStartup && startedAt_) {
    throw ScriptError("this belongs before startup (" + AtLine(startedAt_) + ")");
  }
}

void Session::Event(const std::function<void()>& handler) {
  RunProgramCode(handler);
  if (Program().Ended()) {
    if (!endedAt_) endedAt_ = current_->line;
    return;
  }
  RunProgramCode([this] { Program().AfterEvents(); });
}

void Session::Finish() {
  for (const Command* answer : answersQueued_) {
    Fail(answer->line, answer->source, "no prompt took this answer");
  }
  if (expectations_ == 0) Fail(0, {}, "the script checks nothing: it has no expect line", true);
}

void Session::Check(bool holds, const std::string& expected, const std::string& actual) {
  ++expectations_;
  if (holds) {
    ++result_.passed;
  } else {
    Fail(current_->line, current_->source, "expected " + expected + ", actual " + actual);
  }
}

void Session::Fail(int line, const std::string& source, const std::string& message, bool error) {
  result_.failures.push_back(Failure{scriptName_, line, places_.Show(message), source, error});
}

void Session::Startup() {
  if (!noLeakFolderAt_) std::filesystem::create_directories(world_.LeakFolder());
  startedAt_ = current_->line;
  Event([this] { Program().Form_Load(); });
}

void Session::OmitLeakFolder() {
  if (leakFileAt_) {
    throw ScriptError("a file went into the leak folder at " + AtLine(leakFileAt_) +
                      ", so it exists");
  }
  noLeakFolderAt_ = current_->line;
}

void Session::WriteFile(const std::string& path, const std::string& contents) {
  std::filesystem::path target = world_.PathOf(path);
  bool intoLeak = IsInside(target, world_.LeakFolder());
  if (intoLeak && noLeakFolderAt_ && !startedAt_) {
    throw ScriptError("no-leak-folder at " + AtLine(noLeakFolderAt_) +
                      ": nothing can go into the leak folder before startup");
  }
  std::error_code ignored;
  std::filesystem::create_directories(target.parent_path(), ignored);
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out << contents;
  if (!out.flush()) throw ScriptError("cannot write " + target.string());
  if (intoLeak && !startedAt_) leakFileAt_ = current_->line;
}

void Session::CommEvent(const std::string& bytes) {
  if (Program().Ended() || !world_.Port().PortOpen()) return;
  Event([&] { world_.Port().Deliver(bytes); });
}

void Session::QueueAnswer(const std::string& answer) {
  world_.Dialogs().QueueAnswer(answer);
  answersQueued_.push_back(current_);
}

void Session::QueueCancel() {
  world_.Dialogs().QueueCancel();
  answersQueued_.push_back(current_);
}

std::vector<std::string> Session::TakeMessages() {
  const auto& all = world_.Dialogs().Messages();
  std::vector<std::string> fresh(all.begin() + static_cast<std::ptrdiff_t>(messagesSeen_),
                                 all.end());
  messagesSeen_ = all.size();
  return fresh;
}

std::vector<doubles::ScriptedDialogs::Prompt> Session::TakePrompts() {
  const auto& all = world_.Dialogs().Prompts();
  std::vector<doubles::ScriptedDialogs::Prompt> fresh(
      all.begin() + static_cast<std::ptrdiff_t>(promptsTaken_), all.end());
  promptsTaken_ = all.size();
  return fresh;
}

void Session::CheckUnansweredPrompts() {
  const auto& all = world_.Dialogs().Prompts();
  for (; promptsChecked_ < all.size(); ++promptsChecked_) {
    const auto& prompt = all[promptsChecked_];
    if (prompt.answered) continue;
    Fail(current_->line, current_->source,
         "the prompt " + Quoted(prompt.prompt) + " titled " + Quoted(prompt.title) +
             " found no answer: put answer \"...\" or cancel before this line");
  }
}

const doubles::RecordingSurface& Session::Recording(Surface surface) const {
  switch (surface) {
    case Surface::Picture:
      return world_.Picture();
    case Surface::Printer:
      return world_.Printer().Recording();
    case Surface::Chart:
      break;
  }
  return world_.Chart();
}

void Session::SetMark(Surface surface) {
  marks_[static_cast<std::size_t>(surface)] = {Recording(surface).Calls().size(), current_->line};
}

std::vector<std::string> Session::CallsSinceMark(Surface surface) const {
  const auto& calls = Recording(surface).Calls();
  std::size_t mark = std::min(marks_[static_cast<std::size_t>(surface)].at, calls.size());
  return {calls.begin() + static_cast<std::ptrdiff_t>(mark), calls.end()};
}

}  // namespace session
