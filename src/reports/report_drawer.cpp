#include "reports/report_drawer.h"

#include <algorithm>
#include <functional>

#include "core/numbers.h"
#include "core/step_failure.h"

namespace reports {
namespace {

// 2, 3, ... 9, then 2 again: the plot numbers of successive files.
std::int32_t NextPlotNumber(std::int32_t plot) {
  if (plot == 0) return 2;
  return plot > 8 ? 2 : plot + 1;
}

// The header from its first comma on, with the character before it ("  3:45:12 PM" of a
// header ending in the time); a header without a comma gives its last character.
std::string CaptionOf(const std::string& header) {
  std::size_t comma = header.find(',');
  std::size_t c = comma == std::string::npos ? 0 : comma + 1;
  std::size_t take = std::min(c + 1, header.size());
  return header.substr(header.size() - take);
}

// A step of the report that fails (a value past the 16-bit range, a colour code out of the
// palette) ends that step with a message naming the file; the report goes on.
void Try(core::Dialogs& dialogs, const std::string& path, const std::function<void()>& step) {
  try {
    step();
  } catch (const core::StepFailure& failure) {
    dialogs.MessageBox(path + " cannot be reported in full: " + failure.what() + ".");
  }
}

}  // namespace

bool ReportDrawer::AnySelected(const records::SelectedFiles& selected) {
  return std::any_of(selected.begin(), selected.end(),
                     [](const auto& name) { return !name.empty(); });
}

std::string ReportDrawer::LastSelected(const records::SelectedFiles& selected) {
  auto last = std::find_if(selected.rbegin(), selected.rend(),
                           [](const auto& name) { return !name.empty(); });
  return last == selected.rend() ? std::string() : *last;
}

int ReportDrawer::Draw(core::DrawingSurface& surface, trend::ChartFrame* frame) {
  axesDrawn_ = false;
  if (frame) frame->ChartXMax = kXMax;
  int drawn = 0;
  ReportLimits last;
  for (std::size_t k = 0; k < selected_.size(); ++k) {
    const std::string& path = selected_[k];
    if (path.empty()) continue;
    std::optional<records::StoredScale> scale = reader_.Read(path, tables_);
    if (!scale) continue;
    last = {scale->chartMax, scale->chartMin, scale->flowZeroYaxisValue};
    secPerDiv_ = scale->secPerDiv;
    if (frame) {
      frame->ChartYTop = last.yTop;
      frame->ChartYBottom = last.yBottom;
    }
    Try(dialogs_, path, [&] { DrawAxes(surface, kXMax, last); });
    axesDrawn_ = true;
    Try(dialogs_, path, [&] { DrawTrace(surface, kXMax, last); });
    DrawCaption(surface, k, kXMax, last);
    ++drawn;
  }
  axesDrawn_ = false;
  if (drawn > 0) Try(dialogs_, LastSelected(selected_), [&] { DrawFooter(surface, kXMax, last); });
  return drawn;
}

// Every file sets the frame to its own limits; the axes come from the first file drawn. On
// paper the limits are mirrored first, so the axes stand where the preview has them.
void ReportDrawer::DrawAxes(core::DrawingSurface& s, std::int16_t xMax, ReportLimits chart) {
  if (style_.paper) {
    chart = {chart.yBottom, chart.yTop,
             core::RoundToInt16(static_cast<double>(chart.yBottom) + (chart.yTop - chart.yZero))};
  }
  const float x0 = core::RoundToInt16(xMax * -0.1);
  const double margin = (static_cast<double>(chart.yTop) - chart.yBottom) / 20;
  s.Scale(x0, static_cast<float>(chart.yTop + margin), static_cast<float>(xMax + xMax / 10.0),
          static_cast<float>(chart.yBottom - margin));
  if (axesDrawn_) return;
  s.Line(0, chart.yTop, 0, chart.yBottom);
  if (style_.paper)
    s.Line(xMax, chart.yZero, x0, chart.yZero);
  else
    s.Line(x0, chart.yZero, xMax, chart.yZero);
  const float m = static_cast<float>(xMax) / 50;
  const float a = static_cast<float>(chart.yTop - chart.yZero) / 50;
  DrawFlowTicks(s, m, chart.yTop, chart.yZero);
  DrawTimeTicks(s, xMax, a, chart.yZero);
  s.Line(xMax, chart.yZero + a, xMax, chart.yZero - a);
}

// Ticks every tenth of the range from the 0 % line up, each label ending one blank before
// its tick; the full-scale label goes on the top line when the rounded step falls short. A
// range too small for a step gives the 0 % tick alone.
void ReportDrawer::DrawFlowTicks(core::DrawingSurface& s, float m, std::int16_t yTop,
                                 std::int16_t yZero) {
  const double fullScale = core::NumericValue(stored_.FullScaleFlow);
  const int step = core::RoundToInt16((static_cast<double>(yTop) - yZero) / 10);
  int i = 0;
  auto tick = [&](int v) {
    s.Line(-m, static_cast<float>(v), m, static_cast<float>(v));
    std::string label = core::FixedText(i * fullScale / 10, 1);
    s.SetCurrentX(-m - s.TextWidth(" " + label));
    s.SetCurrentY(static_cast<float>(v) - s.TextHeight(" ") / 2);
    s.Print(label);
  };
  for (int v = yZero; step >= 0 ? v <= yTop : v >= yTop; v += step) {
    tick(v);
    ++i;
    if (step == 0) break;
  }
  if (i < 11) tick(yTop);
}

// A tick every ten divisions, its time label hanging under it.
void ReportDrawer::DrawTimeTicks(core::DrawingSurface& s, std::int16_t xMax, float a,
                                 std::int16_t yZero) {
  for (int p = 0; p <= xMax; p += 100) {
    s.Line(static_cast<float>(p), yZero + a, static_cast<float>(p), yZero - a);
    std::string label = core::FixedText(static_cast<float>(p) * secPerDiv_ / 10.0f, 1);
    s.SetCurrentX(static_cast<float>(p) - s.TextWidth(" " + label) * 0.25f);
    s.Print(label);
  }
}

// The curve of the file's own data lines up to the first that does not advance, with the
// compensated curve in the read phase and the leak-limit line when it is asked for.
void ReportDrawer::DrawTrace(core::DrawingSurface& s, std::int16_t xMax,
                             const ReportLimits& chart) {
  plotNumber_ = NextPlotNumber(plotNumber_);
  const core::Rgb curve = colours_.PlotColour(plotNumber_);
  const core::Rgb compensated = colours_.PlotColour(plotNumber_ + style_.compensatedColourStep);
  const core::Rgb leakColour = colours_.PlotColour(plotNumber_ + style_.leakLimitColourStep);
  const double fullScale = core::NumericValue(stored_.FullScaleFlow);
  // A full scale of 0 gives the leak limit no level: the line is left out.
  const bool leakLine = graphSetup_.LeakLimitCheckBox.Value() == 1 && fullScale != 0;
  const double leak =
      leakLine ? stored_.LeakLimit / fullScale * (chart.yTop - chart.yZero) + chart.yZero : 0;
  auto y = [&](double v) {
    return static_cast<float>(style_.paper ? chart.yBottom + chart.yTop - v : v);
  };
  auto& X = tables_.X;
  auto& Y = tables_.Y;
  for (std::size_t i = 0;
       i + 1 < tables_.lines && i + 1 < static_cast<std::size_t>(xMax) && X[i + 1] > X[i]; ++i) {
    if (style_.paper) {
      Y[i] = std::min(Y[i], chart.yTop);
      Y[i + 1] = std::min(Y[i + 1], chart.yTop);
    }
    const float x1 = X[i], x2 = X[i + 1];
    s.Line(x1, y(Y[i]), x2, y(Y[i + 1]), curve);
    if (tables_.ReportStatus[i] == "R") {
      std::int16_t c1 = core::RoundToInt16(static_cast<double>(Y[i]) + offset_);
      std::int16_t c2 = core::RoundToInt16(static_cast<double>(Y[i + 1]) + offset_);
      s.Line(x1, y(c1), x2, y(c2), compensated);
    }
    if (leakLine) s.Line(x1, y(leak), x2, y(leak), leakColour);
  }
}

// Caption line k, for the file of selection entry k.
void ReportDrawer::DrawCaption(core::DrawingSurface& s, std::size_t k, std::int16_t xMax,
                               const ReportLimits& chart) {
  const double down = (static_cast<double>(chart.yTop) - chart.yZero) / style_.captionLineDivisor *
                      static_cast<double>(k);
  s.SetFontSize(style_.captionFontSize);
  s.SetCurrentX(xMax / style_.captionXDivisor);
  s.SetCurrentY(static_cast<float>(style_.paper ? chart.yBottom + down : chart.yTop - down));
  s.Print(CaptionOf(stored_.Header) + style_.captionSeparator + selected_[k]);
  s.SetFontSize(8);
}

// The last file's header between the 0 % line and the -20 % level, and its parameter block
// at the top of the chart.
void ReportDrawer::DrawFooter(core::DrawingSurface& s, std::int16_t xMax,
                              const ReportLimits& chart) {
  const std::int16_t y0 =
      core::RoundToInt16(chart.yZero - (static_cast<double>(chart.yTop) - chart.yZero) * 0.2);
  const std::int16_t x0 = core::RoundToInt16(xMax * -0.1);
  const double half = (static_cast<double>(chart.yZero) - y0) / 2;
  s.SetFontSize(style_.headerFontSize);
  s.SetCurrentX(0);
  s.SetCurrentY(static_cast<float>(style_.paper ? chart.yTop - half : half + y0));
  s.Print(stored_.Header);
  if (style_.paper) {
    s.SetFontSize(8);
    block_.PrintParameterBlock(s, xMax, x0, y0);
  } else {
    block_.PreviewParameterBlock(s, xMax, x0, chart.yTop);
  }
  s.SetFontSize(8);
}

}  // namespace reports
