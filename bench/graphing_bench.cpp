// "&Graph File" on eight full stored tests (771 data lines each): through a program on the
// doubles with the raster surface as its chart (target at most 20 ms in all), and through the
// Qt program offscreen, with the pending events run before every data line and the chart
// repainting at its frame rate (target at most 100 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <cmath>
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
#include "qt/picture_surface.h"
#include "qt/program_views.h"
#include "qt/raster_surface.h"
#include "full_test_file.h"
#include "qt_benchmarks.h"

namespace {
namespace fs = std::filesystem;

constexpr int kFiles = 8;

using bench_files::FullTest;

// A started program in a folder of its own holding eight full tests, chosen for graphing.
template <typename Surface>
class GraphingProgram {
 public:
  explicit GraphingProgram(const char* name)
      : root_(fs::temp_directory_path() /
              (std::string("km-graphing-bench-") + name + "-" + std::to_string(::getpid()))) {
    fs::create_directories(root_ / "start");
    fs::create_directories(root_ / "home" / "Leak");
    std::ofstream(root_ / "start" / "testconfig.txt", std::ios::binary)
        << "2,10,8,1,1\r\n14,0,8,9,10,11,12,13\r\n";
    files_ = std::make_unique<core::LocalFileSystem>((root_ / "start").string(),
                                                     (root_ / "home").string());
    program_ =
        std::make_unique<app::Program>(app::Platform{port_, chart, clock_, dialogs_, *files_, picture_, printer_});
    program_->Form_Load();
    for (int i = 0; i < kFiles; ++i) {
      std::string name = "1208A1." + std::to_string(i + 1);
      std::ofstream(root_ / "home" / "Leak" / name, std::ios::binary) << FullTest(i);
      program_->loadForm.List1.AddItem(name);
      program_->selectedFiles[static_cast<std::size_t>(i)] =
          (root_ / "home" / "Leak" / name).string();
    }
  }
  ~GraphingProgram() {
    program_.reset();
    fs::remove_all(root_);
  }

  app::Program& Program() { return *program_; }
  bool DrewEverything() const {
    return dialogs_.Messages().empty() && program_->chartMemory.ChartX[770] == 0 &&
           program_->chartMemory.ChartX[769] == 769 && !program_->plotState.GraphingStoredFile;
  }

  Surface chart;

 private:
  fs::path root_;
  doubles::ScriptedSerialPort port_;
  doubles::FakeClock clock_;
  doubles::ScriptedDialogs dialogs_;
  doubles::RecordingSurface picture_{777, 465};
  doubles::RecordingPrinter printer_;
  std::unique_ptr<core::LocalFileSystem> files_;
  std::unique_ptr<app::Program> program_;
};

void BM_GraphEightFullFilesOnDoubles(benchmark::State& state) {
  GraphingProgram<qtui::RasterSurface> graphing("doubles");
  for (auto _ : state) graphing.Program().mainForm.Graph.Click();
  if (!graphing.DrewEverything()) state.SkipWithError("the files were not graphed");
  state.SetLabel("target at most 20 ms");
}
BENCHMARK(BM_GraphEightFullFilesOnDoubles)->Unit(benchmark::kMillisecond);

// Counts the paints of the chart widget.
class PaintCount : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
  int count = 0;
};

void BM_GraphEightFullFilesInQtProgram(benchmark::State& state) {
  GraphingProgram<qtui::RasterSurface> graphing("qt");
  qtui::PictureSurface picture;
  qtui::ProgramViews views(graphing.Program(), graphing.chart, picture);
  graphing.Program().mainForm.Show();
  QCoreApplication::processEvents();
  QWidget* chartView = views.MainWindow()->findChild<QWidget*>("LeftRightScreen");
  PaintCount paints;
  if (chartView) chartView->installEventFilter(&paints);
  QAction* graph = views.MainWindow()->findChild<QAction*>("Graph");
  for (auto _ : state) graph->trigger();
  if (!chartView || !graphing.DrewEverything()) state.SkipWithError("the files were not graphed");
  state.counters["chart_paints_per_graphing"] =
      static_cast<double>(paints.count) / static_cast<double>(state.iterations());
  state.SetLabel("target at most 100 ms");
}
BENCHMARK(BM_GraphEightFullFilesInQtProgram)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench_files::RunQtBenchmarks(argc, argv); }
