// The reports of eight full stored tests (771 data lines each) through a program on the
// doubles with the Qt drawing pieces: the preview painted on the picture (target at most
// 50 ms) and the printout written as a PDF file (target at most 300 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/program.h"
#include "core/platform/local_file_system.h"
#include "doubles/fake_clock.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/scripted_serial_port.h"
#include "qt/picture_surface.h"
#include "qt/qt_printer.h"
#include "qt/raster_surface.h"
#include "full_test_file.h"
#include "qt_benchmarks.h"

namespace {
namespace fs = std::filesystem;

constexpr int kFiles = 8;

using bench_files::FullTest;

// A started program in a folder of its own with eight full tests selected.
class ReportProgram {
 public:
  ReportProgram()
      : root_(fs::temp_directory_path() / ("km-report-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(root_ / "start");
    fs::create_directories(root_ / "home" / "Leak");
    std::ofstream(root_ / "start" / "testconfig.txt", std::ios::binary)
        << "2,10,8,1,1\r\n14,0,8,9,10,11,12,13\r\n";
    for (int i = 0; i < kFiles; ++i) std::ofstream(Leak(i), std::ios::binary) << FullTest(i);
    files_ = std::make_unique<core::LocalFileSystem>((root_ / "start").string(),
                                                     (root_ / "home").string());
    program_ = std::make_unique<app::Program>(
        app::Platform{port_, chart_, clock_, dialogs_, *files_, picture_, printer_});
    program_->Form_Load();
    Select();
  }
  ~ReportProgram() { fs::remove_all(root_); }

  void Select() {
    for (int i = 0; i < kFiles; ++i)
      program_->selectedFiles[static_cast<std::size_t>(i)] = Leak(i).string();
  }
  fs::path Leak(int i) const {
    return root_ / "home" / "Leak" / ("1208A1." + std::to_string(i + 1));
  }

  app::Program& Program() { return *program_; }
  qtui::PictureSurface& Picture() { return picture_; }
  bool Quiet() const { return dialogs_.Messages().empty(); }

 private:
  fs::path root_;
  doubles::ScriptedSerialPort port_;
  qtui::RasterSurface chart_;
  doubles::FakeClock clock_;
  doubles::ScriptedDialogs dialogs_;
  qtui::PictureSurface picture_;
  qtui::QtPrinter printer_{false};
  std::unique_ptr<core::LocalFileSystem> files_;
  std::unique_ptr<app::Program> program_;
};

void BM_PreviewEightFullFiles(benchmark::State& state) {
  ReportProgram report;
  for (auto _ : state) {
    report.Program().mainForm.PrintPreview.Click();
    benchmark::DoNotOptimize(report.Picture().Image().constBits());  // the painting finished
  }
  if (!report.Quiet()) state.SkipWithError("the preview reported a problem");
  state.SetLabel("target at most 50 ms");
}
BENCHMARK(BM_PreviewEightFullFiles)->Unit(benchmark::kMillisecond);

void BM_PrintEightFullFilesToPdf(benchmark::State& state) {
  ReportProgram report;
  for (auto _ : state) {
    report.Program().mainForm.Print.Click();
    state.PauseTiming();
    report.Select();  // a printout empties the selection
    state.ResumeTiming();
  }
  fs::path pdf = report.Leak(kFiles - 1).string() + ".pdf";
  if (!report.Quiet() || !fs::exists(pdf)) state.SkipWithError("the PDF was not written");
  state.counters["pdf_bytes"] = static_cast<double>(fs::file_size(pdf));
  state.SetLabel("target at most 300 ms");
}
BENCHMARK(BM_PrintEightFullFilesToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench_files::RunQtBenchmarks(argc, argv); }
