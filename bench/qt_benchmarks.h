#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

namespace bench_files {

// Runs the benchmarks of a program that needs a Qt application, offscreen unless told.
inline int RunQtBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench_files
