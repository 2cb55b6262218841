// The Test History window opened over ten thousand tests, built and first painted (target
// 200 ms), and the rows replaced in an open window, as a re-sort does.
#include <QCoreApplication>
#include <QWidget>
#include <memory>

#include "history/test_history_window.h"
#include "qt/test_history_view.h"
#include "qt_benchmarks.h"

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

}  // namespace

int main(int argc, char** argv) { return bench_files::RunQtBenchmarks(argc, argv); }
