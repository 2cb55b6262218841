#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "acquisition/live_packet.h"
#include "acquisition/setup_window.h"
#include "core/list_box.h"
#include "core/platform/dialogs.h"
#include "core/platform/drawing_surface.h"
#include "core/platform/file_system.h"
#include "core/text_box.h"
#include "records/selected_files.h"
#include "records/stored_test_values.h"
#include "records/test_file_reader.h"
#include "scaling/graph_setup_window.h"
#include "scaling/scale_state.h"
#include "trend/chart_frame.h"
#include "trend/chart_memory.h"
#include "trend/plot_state.h"

namespace records {

// The main window's boxes and the other subsystems' steps that graphing uses.
struct GrapherLinks {
  const core::ListBox& chosen;                  // LoadForm.List1
  core::TextBox& plotFooter;                    // LeakMainForm.PlotFooter
  core::TextBox& numberSecPerDiv;               // LeakMainForm.NumberSecPerDiv
  core::TextBox& positionBox;                   // LeakMainForm.Text3
  std::function<void()> resetChartPosition;     // Command2_Click: stops acquisition
  std::function<void()> clearScreen;            // Command4_Click
  std::function<void(double)> writeFlowLabels;  // Axis(j) with one decimal
  std::function<void(std::int16_t&, std::int16_t&, std::int32_t)> drawChartSegment;
  std::function<void()> pendingEvents;  // lets the pending user-interface events run
};

// Graph_Click, "&Graph File": replays the selected test files on the chart, each in its own
// plot colour, with its scale and set-up values in the windows. One graphing runs at a time;
// a file that cannot be graphed is named in a message and the next file is drawn.
class StoredTestGrapher {
 public:
  StoredTestGrapher(const SelectedFiles& selected, acquisition::KM4400SetUp& setup,
                    scaling::GraphSetup& graphSetup, acquisition::LivePacket& packet,
                    scaling::ScaleState& scale, trend::ChartFrame& frame, trend::PlotState& plot,
                    trend::ChartMemory& memory, StoredTestValues& stored,
                    core::DrawingSurface& surface, core::Dialogs& dialogs,
                    const core::FileSystem& files, GrapherLinks links);

  static constexpr const char* kNoFileSelected =
      "No File Selected, File Must Be Loaded Before Graphing";

  void Graph_Click();
  // Ends a graphing that is running, at its next data line (the program is shutting down).
  void EndGraphing();

 private:
  // The file read whole, or nothing when a message has said why it cannot be graphed.
  std::optional<StoredTestFile> Read(const std::string& path);
  void ShowStoredValues(const std::string& path, const StoredTestFile& file);
  void ShowSetUp(const StoredTestValues& v);
  // False when graphing was ended in the middle.
  bool DrawDataLines(const std::string& path, const StoredTestFile& file, std::int32_t plotNumber);

  const SelectedFiles& selected_;
  acquisition::KM4400SetUp& setup_;
  scaling::GraphSetup& graphSetup_;
  acquisition::LivePacket& packet_;
  scaling::ScaleState& scale_;
  trend::ChartFrame& frame_;
  trend::PlotState& plot_;
  trend::ChartMemory& memory_;
  StoredTestValues& stored_;
  core::DrawingSurface& surface_;
  core::Dialogs& dialogs_;
  const core::FileSystem& files_;
  GrapherLinks links_;
  bool graphing_ = false;
  bool ending_ = false;
};

}  // namespace records
