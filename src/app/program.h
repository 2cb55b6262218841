#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "acquisition/acquisition_state.h"
#include "acquisition/link_statistics.h"
#include "acquisition/live_packet.h"
#include "acquisition/packet_decoder.h"
#include "acquisition/packet_sink.h"
#include "acquisition/port_devices.h"
#include "acquisition/receive_path.h"
#include "acquisition/setup_window.h"
#include "acquisition/setup_window_actions.h"
#include "acquisition/status_window.h"
#include "app/about_window.h"
#include "app/main_form.h"
#include "app/platform.h"
#include "core/value_registry.h"
#include "history/control_chart_window.h"
#include "history/test_history.h"
#include "history/test_history_actions.h"
#include "history/test_history_window.h"
#include "records/csv_exporter.h"
#include "records/load_form.h"
#include "records/load_form_actions.h"
#include "records/selected_files.h"
#include "records/stored_test_grapher.h"
#include "records/stored_test_values.h"
#include "records/test_saver.h"
#include "reports/parameter_block.h"
#include "reports/print_draw_form.h"
#include "reports/print_preview.h"
#include "reports/printed_report.h"
#include "reports/report_drawer.h"
#include "reports/report_reader.h"
#include "scaling/chart_scale.h"
#include "scaling/flow_calibration.h"
#include "scaling/graph_setup_actions.h"
#include "scaling/graph_setup_window.h"
#include "scaling/scale_state.h"
#include "scaling/serial_form.h"
#include "scaling/serial_form_actions.h"
#include "scaling/time_scale.h"
#include "trend/chart_canvas.h"
#include "trend/chart_frame.h"
#include "trend/chart_memory.h"
#include "trend/live_plotter.h"
#include "trend/pen_colour_window.h"
#include "trend/plot_colours.h"
#include "trend/plot_state.h"
#include "trend/trend_controls.h"

namespace app {

// The program object: owns every window, every program-wide value and every subsystem, and
// wires them together. One instance per run; tests and the session runner build one on
// test doubles.
class Program : private acquisition::PacketSink {
 public:
  explicit Program(Platform platform);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program() override;

  // Start-up, in the documented order.
  void Form_Load();
  // Shut-down by "&Exit" and by closing the main window; each writes the configuration once.
  void Exit_Click();
  void Form_Unload();
  bool Ended() const { return ended_; }
  // Told when the program ends (the Qt layer quits its event loop).
  void OnEnd(std::function<void()> handler) { onEnd_ = std::move(handler); }

  // Run each time the pending events have been handled (the overrun watch).
  void AfterEvents();
  // Where the test history keeps its index (the program's data folder); without one the
  // history is off. Given before start-up.
  void UseHistoryFolder(const std::string& folder) { history_.UseDataFolder(folder); }
  // Work the program does between events (bringing the test history up to date): one short
  // step; false when there is none. Never inside an unfinished communication event.
  bool BackgroundStep();
  bool HasBackgroundWork() const { return historyActions_.HasBackgroundWork(); }

  // Run on a tick, about twice a second: the link statistics and the plant database's
  // notice, shown. Never inside an unfinished communication event; the next tick catches up.
  void RefreshLinkStatistics();
  // How graphing lets the pending user-interface events run before each data line.
  void OnPendingEvents(std::function<void()> handler) { pendingEvents_ = std::move(handler); }

  // Windows and values by name, for views and the session runner.
  core::Window* FindWindow(const std::string& name) const;
  std::vector<core::Window*> Windows() const;
  const core::ValueRegistry& Values() const { return values_; }

  const std::string& StartDir() const { return startDir_; }
  acquisition::PortDevices& PortDeviceAssignments() { return portDevices_; }
  // Keeps the port device assignments beside the configuration file.
  void SavePortDevices();

  // Windows.
  LeakMainForm mainForm;
  acquisition::KM4400SetUp setup;
  acquisition::StatusForm status;
  scaling::SerialForm serialForm;
  scaling::GraphSetup graphSetup;
  trend::PenColour penColour;
  About about;
  records::LoadForm loadForm;
  reports::Print_Draw_Form printDrawForm;
  history::TestHistoryWindow testHistory;
  history::ControlChartWindow controlChart;

  // Program-wide values.
  acquisition::LivePacket livePacket;
  acquisition::AcquisitionState acquisitionState;
  scaling::ScaleState scaleState;
  trend::ChartFrame chartFrame;
  trend::ChartMemory chartMemory;
  trend::PlotState plotState;
  records::SelectedFiles selectedFiles;
  records::StoredTestValues storedTestValues;

 private:
  // PacketSink: the decoder's hand-over to calibration and plotting.
  void CalibrateData() override;
  std::int32_t CalcChartBias() override;
  void PlotHist(std::int16_t& y) override;

  void WireWindows();
  void WireMenus();
  void RegisterValues();
  void Shutdown();
  void WriteFlowLabels();
  void AllocateChartMemory();
  void ApplyConfiguration(const struct Configuration& config);
  void LoadPortDevices();
  void ToggleClearOnRollover();

  Platform platform_;
  core::ValueRegistry values_;
  acquisition::PortDevices portDevices_;
  std::string startDir_;
  bool ended_ = false;
  std::function<void()> onEnd_;
  std::function<void()> pendingEvents_;

  // Subsystems, in the order they are built.
  scaling::TimeScale timeScale_;
  scaling::ChartScale chartScale_;
  scaling::SerialFormActions serialFormActions_;
  trend::ChartCanvas canvas_;
  trend::PlotColours plotColours_;
  scaling::GraphSetupActions graphSetupActions_;
  scaling::FlowCalibration flowCalibration_;
  acquisition::PacketDecoder decoder_;
  acquisition::LinkStatistics linkStatistics_;
  std::unique_ptr<acquisition::ReceivePath> receivePath_;
  std::unique_ptr<trend::TrendControls> trendControls_;
  std::unique_ptr<trend::LivePlotter> plotter_;
  acquisition::SetupWindowActions setupActions_;
  records::TestSaver saver_;
  records::CsvExporter csvExporter_;
  records::LoadFormActions loadFormActions_;
  records::StoredTestGrapher grapher_;
  reports::ReportReader reportReader_;
  reports::ParameterBlock parameterBlock_;
  reports::ReportDrawer previewDrawer_;
  reports::ReportDrawer printDrawer_;
  reports::PrintedReport printedReport_;
  reports::PrintPreview printPreview_;
  history::TestHistory history_;
  history::TestHistoryActions historyActions_;
};

}  // namespace app
