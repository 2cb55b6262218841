#include "session/program_subject.h"

#include "app/program.h"

namespace session {
namespace {

class ProgramSubject : public Subject {
 public:
  explicit ProgramSubject(const app::Platform& platform) : program_(platform) {}

  void UseDataFolder(const std::string& folder) override { program_.UseHistoryFolder(folder); }

  void Form_Load() override { program_.Form_Load(); }
  void Exit_Click() override { program_.Exit_Click(); }
  void Form_Unload() override { program_.Form_Unload(); }
  bool Ended() const override { return program_.Ended(); }
  // The work between events (bringing the test history up to date) is done before the next
  // line, so that a script states its outcome.
  void AfterEvents() override {
    program_.AfterEvents();
    while (program_.BackgroundStep()) {
    }
  }
  std::vector<core::Window*> Windows() const override { return program_.Windows(); }
  const core::ValueRegistry& Values() const override { return program_.Values(); }

 private:
  app::Program program_;
};

}  // namespace

SubjectFactory RealProgram() {
  return [](const app::Platform& platform) { return std::make_unique<ProgramSubject>(platform); };
}

}  // namespace session
