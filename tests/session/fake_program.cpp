#include "fake_program.h"

#include <stdexcept>

#include "core/rgb.h"
#include "core/step_failure.h"

namespace session_test {

FakeMain::FakeMain() : core::Window("Main", "Main Window") {
  for (int i = 0; i < 3; ++i) {
    Axis[i] = std::make_unique<core::Label>(core::Indexed("Axis", i), std::to_string(i * 5));
    Register(*Axis[i]);
  }
  for (int i = 0; i < 2; ++i) {
    Port[i] = std::make_unique<core::MenuItem>(core::Indexed("Port", i),
                                               "Port &" + std::to_string(i + 1), i == 0);
    Register(*Port[i]);
  }
  Go.SetToolTip("Starts and stops");
  Go.SetBackColour(core::MakeRgb(192, 255, 192));
  Off.SetEnabled(false);
  Entry.OnChange([this] {
    if (Entry.Text() == "big") Entry.SetText("9999");
  });
  Names.SetItems({"a", "b"});
  Names.OnClick([this] { Entry.SetText(Names.Selected()); });
  Names.OnDblClick([this] { Names.RemoveItem(Names.ListIndex()); });
  Folder.OnChange([this] { Folder.SetFolders({"sub"}); });
  RegisterAll(Go, Fail, Draw, Crash, Entry, Caption, Flag, Ask, Off, Sep, Quit, Names, Folder);
}

FakeProgram::FakeProgram(const app::Platform& platform) : platform_(platform) {
  main_.Go.OnClick([this] {
    main_.Go.SetCaption("Stop");
    main_.Go.SetBackColour(core::MakeRgb(255, 192, 192));
    platform_.port.SetPortOpen(true);
    platform_.dialogs.MessageBox("Going");
  });
  main_.Fail.OnClick([this] {
    main_.Fail.SetCaption("Half");
    throw core::StepFailure("division by zero");
  });
  main_.Crash.OnClick([] { throw std::logic_error("broken"); });
  main_.Draw.OnClick([this] { platform_.chart.Line(0, 1, 2, 3, core::MakeRgb(255, 0, 0)); });
  main_.Ask.OnClick(
      [this] { main_.Entry.SetText(platform_.dialogs.InputBox("Name?", "Ask", "A1")); });
  main_.Quit.OnClick([this] { ended_ = true; });
  platform_.port.OnComm([this] { OnComm(); });
  values_.Add("Received", [this] { return received_; });
  values_.Add("AfterEvents", [this] { return std::to_string(afterEvents_); });
  values_.Add("Clock", [this] { return std::to_string(platform_.clock.SecondsSinceMidnight()); });
  values_.Add("CurDir", [this] { return platform_.files.CurrentDir(); });
  values_.Add("Date", [this] { return platform_.clock.LongDate(); });
  values_.Add(
      "Settable", [this] { return main_.Caption.Text(); },
      [this](const std::string& text) { main_.Caption.SetText(text); });
  values_.AddIndexed("Arr", [](int i) -> std::optional<std::string> {
    if (i > 2) return std::nullopt;
    return std::to_string(i * 10);
  });
}

void FakeProgram::Form_Load() {
  main_.Show();
  if (auto config = platform_.files.ReadFile("config.txt")) main_.Entry.SetText(*config);
  main_.Caption.SetText(platform_.files.DirExists(platform_.files.DefaultLeakFolder()) ? "leak"
                                                                                       : "no leak");
}

void FakeProgram::OnComm() { received_ += platform_.port.Input() + "|"; }

void FakeProgram::AfterEvents() {
  ++afterEvents_;
  if (platform_.port.InBufferCount() > 100) platform_.port.SetPortOpen(false);
}

std::vector<core::Window*> FakeProgram::Windows() const {
  auto* self = const_cast<FakeProgram*>(this);
  return {&self->main_, &self->other_};
}

session::SubjectFactory FakeProgram::Factory() {
  return [](const app::Platform& platform) { return std::make_unique<FakeProgram>(platform); };
}

}  // namespace session_test
