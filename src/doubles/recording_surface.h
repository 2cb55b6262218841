#pragma once

#include <string>
#include <vector>

#include "core/platform/drawing_surface.h"

namespace doubles {

// A drawing surface that logs every call as one line of text, the oracle of chart and report
// tests. Lines read "Line x1,y1-x2,y2 #rrggbb"; numbers are written with up to 7 digits.
// Text metrics are those of a fixed-pitch font on a surface of the given pixel size.
class RecordingSurface : public core::DrawingSurface {
 public:
  RecordingSurface(int widthPixels = 771, int heightPixels = 458)
      : widthPixels_(widthPixels), heightPixels_(heightPixels) {}

  void Scale(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2, std::optional<core::Rgb> colour = {}) override;
  void SetForeColor(core::Rgb colour) override;
  core::Rgb ForeColor() const override { return foreColor_; }
  void Cls() override;
  void SetCurrentX(float x) override { currentX_ = x; }
  void SetCurrentY(float y) override { currentY_ = y; }
  float CurrentX() const override { return currentX_; }
  float CurrentY() const override { return currentY_; }
  void Print(const std::string& text) override;
  float TextWidth(const std::string& text) const override;
  float TextHeight(const std::string& text) const override;
  void SetFontSize(float points) override;
  float FontSize() const override { return fontSize_; }
  void SetVisible(bool visible) override;

  const std::vector<std::string>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  // Logs a call the surface itself does not make (a printer's end of document).
  void Note(std::string call) { calls_.push_back(std::move(call)); }
  // The lines drawn since the last Cls, as logged.
  std::vector<std::string> LinesSinceCls() const;

  static std::string FormatColour(core::Rgb colour);

 private:
  float UnitsPerPixelX() const;
  float UnitsPerPixelY() const;

  int widthPixels_;
  int heightPixels_;
  float x1_ = 0, y1_ = 0, x2_ = 771, y2_ = 458;
  core::Rgb foreColor_ = 0;
  float currentX_ = 0, currentY_ = 0;
  float fontSize_ = 8.25f;
  std::vector<std::string> calls_;
};

}  // namespace doubles
