#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "session/packet_builder.h"
#include "session/places.h"
#include "session/result.h"
#include "session/script_parser.h"
#include "session/session_world.h"

namespace session {

// One script being run: the world it runs in, the state the commands keep between lines
// (the drawing mark, which messages and prompts were looked at, the packet defaults) and
// the outcome. Commands reach the program and the doubles through it.
class Session {
 public:
  Session(SessionWorld& world, Result& result, std::string scriptName);

  // Runs one command; false when the script has to stop there.
  bool Run(const Command& command);
  // The checks that belong to the end of a script: answers never asked for, a script that
  // checked nothing.
  void Finish();

  SessionWorld& World() { return world_; }
  Subject& Program() { return world_.Program(); }

  // Runs program code as one event: a failing step ends it, as it ends any handler of the
  // program, and the after-events step (the overrun watch) follows unless the program ended.
  void Event(const std::function<void()>& handler);

  // Records one expectation of the current command.
  void Check(bool holds, const std::string& expected, const std::string& actual);

  // Start-up and the leak folder stand-in it finds.
  void Startup();
  void OmitLeakFolder();
  void WriteFile(const std::string& path, const std::string& contents);

  // One communication event carrying `bytes`, followed by the after-events step. While the
  // port is closed the bytes are lost, as on a real line.
  void CommEvent(const std::string& bytes);
  PacketBuilder& Packets() { return packets_; }

  void QueueAnswer(const std::string& answer);
  void QueueCancel();
  // Messages and prompts shown since the previous expectation about them.
  std::vector<std::string> TakeMessages();
  std::vector<doubles::ScriptedDialogs::Prompt> TakePrompts();

  // The recorded surfaces: the live chart, the preview picture, the printer page.
  enum class Surface { Chart, Picture, Printer };
  void SetMark(Surface surface = Surface::Chart);
  std::vector<std::string> CallsSinceMark(Surface surface = Surface::Chart) const;
  int MarkLine(Surface surface = Surface::Chart) const {
    return marks_[static_cast<std::size_t>(surface)].line;
  }

 private:
  void CheckPhase(const Form& form) const;
  void CheckUnansweredPrompts();
  void Fail(int line, const std::string& source, const std::string& message, bool error = false);

  SessionWorld& world_;
  Result& result_;
  std::string scriptName_;
  Places places_;
  const Command* current_ = nullptr;
  int startedAt_ = 0;  // line of startup, 0 before
  int endedAt_ = 0;    // line at which the program ended, 0 while it runs
  int noLeakFolderAt_ = 0;
  int leakFileAt_ = 0;
  int expectations_ = 0;
  PacketBuilder packets_;
  const doubles::RecordingSurface& Recording(Surface surface) const;

  struct Mark {
    std::size_t at = 0;
    int line = 0;
  };
  std::array<Mark, 3> marks_{};
  std::size_t messagesSeen_ = 0;
  std::size_t promptsTaken_ = 0;
  std::size_t promptsChecked_ = 0;
  std::deque<const Command*> answersQueued_;
};

}  // namespace session
