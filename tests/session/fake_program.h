#pragma once

#include <array>
#include <memory>

#include "app/platform.h"
#include "core/button.h"
#include "core/check_box.h"
#include "core/folder_list.h"
#include "core/list_box.h"
#include "core/label.h"
#include "core/menu_item.h"
#include "core/text_box.h"
#include "core/value_registry.h"
#include "core/window.h"
#include "session/subject.h"

namespace session_test {

// A small program with one control of each kind, so the language is tested on behaviour the
// tests set themselves, whatever the real program does.
class FakeMain : public core::Window {
 public:
  FakeMain();
  core::Button Go{"Go", "Start"};        // opens the port
  core::Button Fail{"Fail", "Fail"};     // a handler that fails half-way
  core::Button Draw{"Draw", "Draw"};     // draws one line
  core::Button Crash{"Crash", "Crash"};  // a fault of the program
  core::TextBox Entry{"Entry", "10"};    // "big" becomes "9999" when written
  core::CaptionBox Caption{"Caption", "Full Scale"};
  core::CheckBox Flag{"Flag", "Zero Shift", 0};
  std::array<std::unique_ptr<core::Label>, 3> Axis;
  std::array<std::unique_ptr<core::MenuItem>, 2> Port;
  core::MenuItem Ask{"Ask", "&Ask"};  // prompts for a name and puts it into Entry
  core::MenuItem Off{"Off", "&Off"};  // disabled
  core::MenuItem Sep{"Sep", core::MenuItem::kSeparator};
  core::MenuItem Quit{"Quit", "&Quit"};
  core::ListBox Names{"Names"};        // "a", "b": a click copies into Entry, a double-click removes
  core::FolderList Folder{"Folder"};  // lists one folder "sub" whatever is open
};

class FakeProgram : public session::Subject {
 public:
  explicit FakeProgram(const app::Platform& platform);

  void Form_Load() override;
  void Exit_Click() override { ended_ = true; }
  void Form_Unload() override { ended_ = true; }
  bool Ended() const override { return ended_; }
  void AfterEvents() override;
  std::vector<core::Window*> Windows() const override;
  const core::ValueRegistry& Values() const override { return values_; }

  static session::SubjectFactory Factory();

 private:
  void OnComm();

  app::Platform platform_;
  FakeMain main_;
  core::Window other_{"Other", "The Other Window"};
  core::ValueRegistry values_;
  std::string received_;
  int afterEvents_ = 0;
  bool ended_ = false;
};

}  // namespace session_test
