#include "doubles/recording_surface.h"

#include <cmath>
#include <cstdio>

#include "core/numbers.h"

namespace doubles {
namespace {
// Most coordinates are whole numbers; those are written directly, the same text SingleText
// gives, so that long recordings stay cheap.
std::string Num(float value) {
  if (value == std::trunc(value) && std::fabs(value) < 1e7f) return std::to_string(static_cast<long>(value));
  return core::SingleText(value);
}
}  // namespace

std::string RecordingSurface::FormatColour(core::Rgb colour) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", core::RedOf(colour), core::GreenOf(colour),
                core::BlueOf(colour));
  return buffer;
}

void RecordingSurface::Scale(float x1, float y1, float x2, float y2) {
  x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
  calls_.push_back("Scale " + Num(x1) + "," + Num(y1) + "-" + Num(x2) + "," + Num(y2));
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, std::optional<core::Rgb> colour) {
  calls_.push_back("Line " + Num(x1) + "," + Num(y1) + "-" + Num(x2) + "," + Num(y2) + " " +
                   FormatColour(colour.value_or(foreColor_)));
  currentX_ = x2;
  currentY_ = y2;
}

void RecordingSurface::SetForeColor(core::Rgb colour) {
  foreColor_ = colour;
  calls_.push_back("ForeColor " + FormatColour(colour));
}

void RecordingSurface::Cls() {
  calls_.push_back("Cls");
  currentX_ = x1_;
  currentY_ = y1_;
}

void RecordingSurface::Print(const std::string& text) {
  calls_.push_back("Print " + Num(currentX_) + "," + Num(currentY_) + " \"" + text + "\"");
  currentX_ = x1_;
  currentY_ += TextHeight(text);
}

float RecordingSurface::UnitsPerPixelX() const { return (x2_ - x1_) / static_cast<float>(widthPixels_); }
float RecordingSurface::UnitsPerPixelY() const { return (y2_ - y1_) / static_cast<float>(heightPixels_); }

// A fixed pitch of 0.6 em per character, the height 1.2 em, at 96 pixels per inch.
float RecordingSurface::TextWidth(const std::string& text) const {
  float em = fontSize_ * 96.0f / 72.0f;
  return static_cast<float>(text.size()) * 0.6f * em * std::fabs(UnitsPerPixelX());
}

float RecordingSurface::TextHeight(const std::string&) const {
  float em = fontSize_ * 96.0f / 72.0f;
  return 1.2f * em * UnitsPerPixelY();
}

void RecordingSurface::SetFontSize(float points) {
  fontSize_ = points;
  calls_.push_back("FontSize " + Num(points));
}

void RecordingSurface::SetVisible(bool visible) { calls_.push_back(visible ? "Visible" : "Hidden"); }

std::vector<std::string> RecordingSurface::LinesSinceCls() const {
  std::vector<std::string> lines;
  for (const auto& call : calls_) {
    if (call == "Cls") lines.clear();
    else if (call.rfind("Line ", 0) == 0) lines.push_back(call);
  }
  return lines;
}

}  // namespace doubles
