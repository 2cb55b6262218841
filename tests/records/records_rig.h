#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/platform/local_file_system.h"
#include "doubles/fake_clock.h"
#include "doubles/recording_printer.h"
#include "doubles/recording_surface.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/scripted_serial_port.h"
#include "session/packet_builder.h"

namespace records_test {
namespace fs = std::filesystem;

struct Point {
  std::int16_t x;
  std::int16_t y;
  const char* status;
};

inline std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void WriteWhole(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The names of the files in a folder, sorted.
inline std::vector<std::string> FilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A started program on test doubles in a folder of its own: start/ holds the configuration,
// home/ stands in for "C:\" and home/Leak for "C:\Leak". The folder outlives the program, so a
// second run can start on it.
class ProgramRig {
 public:
  explicit ProgramRig(const std::string& name) {
    root_ = fs::temp_directory_path() / ("km-records-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(root_);
    fs::create_directories(root_ / "start");
    fs::create_directories(Leak());
    NewRun();
  }
  ~ProgramRig() {
    program.reset();
    std::error_code ec;
    fs::permissions(Leak(), fs::perms::owner_all, ec);
    fs::remove_all(root_, ec);
  }

  // Ends the current run, if any, and starts a new one on the same folders.
  void NewRun() {
    if (program) program->Exit_Click();
    program.reset();
    files = std::make_unique<core::LocalFileSystem>((root_ / "start").string(),
                                                    (root_ / "home").string());
    program = std::make_unique<app::Program>(app::Platform{port, chart, clock, dialogs, *files, picture, printer});
    program->Form_Load();
  }

  fs::path Root() const { return root_; }
  fs::path Leak() const { return root_ / "home" / "Leak"; }
  fs::path Unsaved() const { return root_ / "start" / "unsaved"; }

  // Puts points into the chart memory as plotting stores them.
  void Store(const std::vector<Point>& points) {
    trend::ChartMemory& m = program->chartMemory;
    for (const Point& p : points) {
      auto i = static_cast<std::size_t>(m.ChartIndex);
      m.ChartX[i] = p.x;
      m.ChartY[i] = p.y;
      m.ChartStatus[i] = p.status;
      m.ChartIndex =
          static_cast<std::int16_t>((m.ChartIndex + 1) % trend::ChartMemory::kUsedEntries);
      if (m.ChartIndex == 0) m.ChartWrapped = true;
      m.ChartCount = m.ChartWrapped ? trend::ChartMemory::kUsedEntries : m.ChartIndex;
    }
  }

  // Chooses "&Save Test Data", answering the prompt with `answer`.
  void SaveAnswering(const std::string& answer) {
    dialogs.QueueAnswer(answer);
    program->mainForm.Save.Click();
  }

  // A test ending as the instrument reports it, plotting from its read phase: each event
  // decodes the packet of the event before, so the last "Y" packet brings the end of the test.
  void FinishTest() {
    if (!port.PortOpen()) program->mainForm.Stop_Command.Click();
    session::PacketBuilder packets;
    for (const char* status : {"R", "R", "R", "R", "Y", "Y"}) {
      port.Deliver(packets.Build({{"TestStatus", status}}));
      program->AfterEvents();
    }
  }

  // 0 continuous, 1 single test triggering, 2 automatic retriggering (the mode at a first start).
  void SetTrendMode(int mode) {
    program->mainForm.Trend_Screen_Item[static_cast<std::size_t>(mode)]->Click();
  }

  doubles::ScriptedSerialPort port;
  doubles::RecordingSurface chart;
  doubles::RecordingSurface picture{777, 465};
  doubles::RecordingPrinter printer;
  doubles::FakeClock clock;
  doubles::ScriptedDialogs dialogs;
  std::unique_ptr<core::LocalFileSystem> files;
  std::unique_ptr<app::Program> program;

 private:
  fs::path root_;
};

}  // namespace records_test
