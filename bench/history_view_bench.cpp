// The Test History window opened over ten thousand tests, built and first painted (target
// 200 ms): the view alone, and the whole way from the menu item in the program (the index
// read, the table filled, the files compared with the index); and the rows replaced in an
// open window, as a re-sort does.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "core/platform/local_file_system.h"
#include "history/test_history_window.h"
#include "qt/qt_program.h"
#include "qt/test_history_view.h"
#include "qt_benchmarks.h"
#include "records/test_file_writer.h"

namespace {

constexpr int kTests = 10000;

std::vector<core::TableBox::Row> Rows(int count) {
  std::vector<core::TableBox::Row> rows;
  rows.reserve(count);
  for (int i = 0; i < count; ++i) {
    std::string n = std::to_string(i);
    rows.push_back(
        {{"1208A" + n + ".1", "2003-12-08", "3:45:12 PM", "12", "Series " + n, "10.0", "10.6", "10",
          "5", "4." + n, "3." + n, i % 7 == 0 ? "Yes" : "", "612", "/home/operator/Leak", ""},
         i % 7 == 0});
  }
  return rows;
}

void BM_OpenHistoryWithTenThousandTests(benchmark::State& state) {
  history::TestHistoryWindow model;
  model.Tests.SetRows(Rows(kTests));
  for (auto _ : state) {
    std::unique_ptr<QWidget> window(qtui::BuildTestHistoryView(model));
    window->show();
    window->repaint();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_OpenHistoryWithTenThousandTests)->Unit(benchmark::kMillisecond);

void BM_ReplaceTenThousandRowsInTheOpenWindow(benchmark::State& state) {
  history::TestHistoryWindow model;
  std::unique_ptr<QWidget> window(qtui::BuildTestHistoryView(model));
  window->show();
  auto rows = Rows(kTests);
  for (auto _ : state) {
    model.Tests.SetRows(rows);
    window->repaint();
  }
}
BENCHMARK(BM_ReplaceTenThousandRowsInTheOpenWindow)->Unit(benchmark::kMillisecond);

// A short stored test: the opening's cost is in the number of tests, not in their lines.
std::string ShortTest(int i) {
  records::SavedTest test;
  test.header =
      "Part #12  ,Set Pressure: 10.0 PSI,  Cal Leak: 10.6 SCCM,  Monday, December 08, "
      "2003,  3:45:12 PM";
  test.scale = {1490, 390, 490, 1.6, 10};
  test.setUp = {12, 5, 5, 10, 1.03, 10, 10};
  test.limits = {5, 10.6, 490, 10, 20, 1};
  test.testSeries = "A1";
  test.data = {{0, 612, 0, "F"},
               {1, 640, 0, "S"},
               {2, static_cast<std::int16_t>(690 + i % 600), 0, "R"},
               {0, 0, 0, ""}};
  return records::FormatTestFile(test);
}

void BM_OpenTestHistoryFromTheMenuOverTenThousandIndexedTests(benchmark::State& state) {
  QTemporaryDir folder;
  QDir(folder.path()).mkpath("Leak");
  for (int i = 0; i < kTests; ++i) {
    QFile file(folder.path() + QString("/Leak/1208A1.%1").arg(i + 1));
    if (!file.open(QIODevice::WriteOnly)) return state.SkipWithError("cannot write the tests");
    file.write(QByteArray::fromStdString(ShortTest(i)));
  }
  std::string path = folder.path().toStdString();
  core::LocalFileSystem files(path, path);
  qtui::QtProgram qt(files, path + "/data");
  if (!qt.Start()) return state.SkipWithError("the program did not start");
  app::Program& program = qt.Program();
  QAction* item = qt.Views().MainWindow()->findChild<QAction*>("TestHistoryItem");
  item->trigger();  // the first opening indexes every file
  while (program.BackgroundStep()) {
  }
  for (auto _ : state) {
    program.testHistory.Hide();
    item->trigger();
    qt.Views().ViewOf(program.testHistory)->repaint();
    QCoreApplication::processEvents();
    state.PauseTiming();
    while (program.BackgroundStep()) {
    }
    state.ResumeTiming();
  }
  if (program.testHistory.Tests.RowCount() != kTests) state.SkipWithError("not every test shown");
  state.SetLabel("target 200 ms");
}
BENCHMARK(BM_OpenTestHistoryFromTheMenuOverTenThousandIndexedTests)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

int main(int argc, char** argv) { return bench_files::RunQtBenchmarks(argc, argv); }
