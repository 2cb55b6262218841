#include "history/control_chart_window.h"

#include "core/guard.h"

namespace history {

ControlChartWindow::ControlChartWindow() : core::Window("ControlChart", kTitle) {
  RegisterAll(Caption, Limits, SavePng, SavePdf, CloseButton);
}

void ControlChartWindow::SetChart(ControlChart chart) {
  chart_ = std::move(chart);
  for (const auto& observer : chartObservers_) observer();
}

void ControlChartWindow::ClickPoint(int index) {
  if (index < 0 || index >= static_cast<int>(chart_.points.size())) return;
  if (pointClick_) core::Guarded([&] { pointClick_(index); });
}

}  // namespace history
