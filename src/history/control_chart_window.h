#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/button.h"
#include "core/label.h"
#include "core/window.h"
#include "history/control_chart.h"

namespace history {

// ControlChartWindow, "Control Chart": the individuals chart of one part number's read-phase
// highest flows, with a caption of its centre line and limits. Clicking a point graphs that
// test; the view saves the picture as PNG or PDF.
class ControlChartWindow : public core::Window {
 public:
  ControlChartWindow();

  static constexpr const char* kTitle = "Control Chart";

  core::Label Caption{"Caption", ""};  // "Part #12: 25 tests, read-phase highest flow"
  core::Label Limits{"Limits", ""};    // "Centre 3.1  UCL 4.2  LCL 2.0  Leak limit 5"
  core::Button SavePng{"SavePng", "Save as P&NG..."};
  core::Button SavePdf{"SavePdf", "Save as P&DF..."};
  core::Button CloseButton{"CloseButton", "Close"};

  const ControlChart& Chart() const { return chart_; }
  // Shows a new chart; the chart's observers (its view) redraw.
  void SetChart(ControlChart chart);
  void ObserveChart(std::function<void()> observer) {
    chartObservers_.push_back(std::move(observer));
  }

  // The operator clicks point `index`: the owner graphs that test.
  void OnPointClick(std::function<void(int)> action) { pointClick_ = std::move(action); }
  void ClickPoint(int index);
  // How the view writes the picture to a file, "png" or "pdf": empty text when written,
  // else why not.
  using Renderer = std::function<std::string(const std::string& path, const std::string& format)>;
  void SetRenderer(Renderer renderer) { renderer_ = std::move(renderer); }
  const Renderer& PictureRenderer() const { return renderer_; }

 private:
  ControlChart chart_;
  std::function<void(int)> pointClick_;
  Renderer renderer_;
  std::vector<std::function<void()>> chartObservers_;
};

}  // namespace history
