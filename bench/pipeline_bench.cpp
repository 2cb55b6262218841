// The whole per-packet path of the live chart: a communication event on the port, the decoder,
// the flow calibration, PlotHist and the segments drawn into the chart's raster image.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/program.h"
#include "core/platform/local_file_system.h"
#include "doubles/fake_clock.h"
#include "doubles/recording_printer.h"
#include "doubles/recording_surface.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/scripted_serial_port.h"
#include "qt/raster_surface.h"
#include "sim/packet.h"

namespace {
namespace fs = std::filesystem;

// 9600 baud, 8N1: 960 characters a second, one packet frame every 69 characters.
constexpr double kLinePacketsPerSecond = 9600.0 / 10.0 / sim::kFrameLength;

// A read-phase packet with a zero time, so each plotted packet draws the trace, the
// compensated trace and the leak-limit line.
std::string ReadPhaseFrame(int flowCount) {
  sim::PacketFields fields;
  fields.testStatus = 'R';
  fields.completionStatus = 'N';
  fields.flowRateCount = flowCount;
  fields.zeroTime = 10;
  return sim::FormatPacket(fields) + sim::kTerminator;
}

// A program on the doubles with the raster surface as its chart, in a folder of its own,
// plotting continuously with the leak-limit line on.
class PlottingProgram {
 public:
  PlottingProgram()
      : root_(fs::temp_directory_path() / ("km-pipeline-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(root_ / "start");
    fs::create_directories(root_ / "home" / "Leak");
    std::ofstream(root_ / "start" / "testconfig.txt", std::ios::binary)
        << "1,10,8,1,1\r\n14,0,8,9,10,11,12,13\r\n";
    files_ = std::make_unique<core::LocalFileSystem>((root_ / "start").string(),
                                                     (root_ / "home").string());
    program_ =
        std::make_unique<app::Program>(app::Platform{port_, chart_, clock_, dialogs_, *files_, picture_, printer_});
    program_->Form_Load();
    program_->mainForm.Trend_Screen_Item[0]->Click();
    program_->mainForm.Stop_Command.Click();
  }
  ~PlottingProgram() { fs::remove_all(root_); }

  void Receive(const std::string& frame) {
    port_.Deliver(frame);
    program_->AfterEvents();
  }

  const app::Program& Program() const { return *program_; }
  bool PortOpen() const { return port_.PortOpen(); }

 private:
  fs::path root_;
  doubles::ScriptedSerialPort port_;
  qtui::RasterSurface chart_;
  doubles::RecordingSurface picture_{777, 465};
  doubles::RecordingPrinter printer_;
  doubles::FakeClock clock_;
  doubles::ScriptedDialogs dialogs_;
  std::unique_ptr<core::LocalFileSystem> files_;
  std::unique_ptr<app::Program> program_;
};

void BM_PacketToChart(benchmark::State& state) {
  PlottingProgram plotting;
  // Three flows: 770 positions are not a multiple of three, so every sweep of the chart draws
  // new pixels rather than over its own trace.
  const std::string frames[3] = {ReadPhaseFrame(600), ReadPhaseFrame(640), ReadPhaseFrame(620)};
  for (int i = 0; i < 4; ++i)
    plotting.Receive(frames[i % 3]);  // past the events skipped at the start
  std::int16_t countBefore = plotting.Program().chartMemory.ChartCount;
  std::size_t n = 0;
  for (auto _ : state) plotting.Receive(frames[n++ % 3]);

  const app::Program& program = plotting.Program();
  if (!plotting.PortOpen() ||
      (program.chartMemory.ChartCount == countBefore && !program.chartMemory.ChartWrapped)) {
    state.SkipWithError("the packets were not plotted");
    return;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
  state.counters["x_line_rate"] = benchmark::Counter(
      static_cast<double>(state.iterations()) / kLinePacketsPerSecond, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PacketToChart);

}  // namespace

BENCHMARK_MAIN();
