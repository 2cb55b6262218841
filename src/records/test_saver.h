#pragma once

#include <functional>
#include <string>

#include "acquisition/setup_window.h"
#include "core/menu_item.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/file_system.h"
#include "core/text_box.h"
#include "records/test_file_namer.h"
#include "records/test_file_writer.h"
#include "scaling/graph_setup_window.h"
#include "trend/chart_memory.h"
#include "trend/plot_state.h"

namespace records {

// The main window's pieces and the program's folders that saving uses.
struct TestSaverLinks {
  const core::MenuItem& automatic;  // Trend_Screen_Item(2)
  core::TextBox& notice;            // LeakMainForm.Notice
  const std::string& startDir;      // beside the configuration file lies unsaved/
};

// Saving the chart memory as a test data file in the leak folder: from "&Save Test Data"
// (Save_Click) and by itself at the end of each test in the automatic retriggering mode. A
// file is written whole under a temporary name and then put in place, and the chart memory
// is emptied only then. A save that cannot be written loses nothing: from the menu it says
// why and keeps the memory; at the end of a test, where no box may appear, the test goes to
// unsaved/ beside the configuration file and the notice line says so.
class TestSaver {
 public:
  static constexpr const char* kUnsavedFolder = "unsaved";

  TestSaver(const acquisition::KM4400SetUp& setup, const scaling::GraphSetup& graphSetup,
            trend::ChartMemory& memory, const trend::PlotState& plot, const core::Clock& clock,
            core::Dialogs& dialogs, core::FileSystem& files, const TestSaverLinks& links);

  void Save_Click();
  // The automatic save of a finished test, from inside the packet handling.
  void SaveFinishedTest();

  // Told of every test data file written in the leak folder, with what was written, after the
  // chart memory has been emptied: nothing that listens can lose or hold up the test.
  void OnSaved(std::function<void(const std::string& path, const std::string& contents)> action) {
    saved_ = std::move(action);
  }

  const TestFileNamer& Namer() const { return namer_; }
  // The chart memory and the boxes as a save would write them now.
  SavedTest CurrentTest() const;

 private:
  void Save(bool finishedTest);
  std::string TestSeries(bool finishedTest);
  SavedTest Collect(const std::string& testSeries) const;
  bool SaveUnsaved(const std::string& name, const std::string& contents, const std::string& why);
  void Tell(bool finishedTest, const std::string& text);

  const acquisition::KM4400SetUp& setup_;
  const scaling::GraphSetup& graphSetup_;
  trend::ChartMemory& memory_;
  const trend::PlotState& plot_;
  const core::Clock& clock_;
  core::Dialogs& dialogs_;
  core::FileSystem& files_;
  TestSaverLinks links_;
  TestFileNamer namer_;
  std::function<void(const std::string&, const std::string&)> saved_;
};

}  // namespace records
