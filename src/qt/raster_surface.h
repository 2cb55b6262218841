#pragma once

#include <QImage>
#include <QRect>
#include <optional>
#include <string>

#include "core/platform/drawing_surface.h"

namespace qtui {

// The live chart's drawing surface: an image whose background is the grid picture. User
// coordinates map to the 771 x 458 grid pixels (one chart position per pixel column; the top
// edge of the scale on the first row, the bottom edge on the last), each grid pixel drawn as a
// ratio x ratio block so the chart stays crisp on high-density screens. Needs no display; text
// needs a QGuiApplication for its font.
class RasterSurface : public core::DrawingSurface {
 public:
  explicit RasterSurface(qreal devicePixelRatio = 1.0);

  void Scale(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2, std::optional<core::Rgb> colour = {}) override;
  void SetForeColor(core::Rgb colour) override { foreColor_ = colour; }
  core::Rgb ForeColor() const override { return foreColor_; }
  void Cls() override;
  void SetCurrentX(float x) override { currentX_ = x; }
  void SetCurrentY(float y) override { currentY_ = y; }
  float CurrentX() const override { return currentX_; }
  float CurrentY() const override { return currentY_; }
  void Print(const std::string& text) override;
  float TextWidth(const std::string& text) const override;
  float TextHeight(const std::string& text) const override;
  void SetFontSize(float points) override { fontSize_ = points; }
  float FontSize() const override { return fontSize_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Visible() const { return visible_; }

  // The image, (771, 458) x ratio pixels, with its device-pixel ratio set.
  const QImage& Image() const { return image_; }
  // The image pixels changed since the last call; empty when nothing changed.
  QRect TakeDirtyRect();
  // Moves to a screen of another density; what is drawn stays, resampled.
  void SetDevicePixelRatio(qreal ratio);

 private:
  // User coordinates to grid pixels, unrounded: x 0..770, y 0..457 inside the scale.
  double GridX(float x) const;
  double GridY(float y) const;
  struct Changes;
  void DrawGridLine(double u1, double v1, double u2, double v2, QRgb colour);
  void Fill(int x0, int x1, int y0, int y1, QRgb colour, Changes& changes);
  QFont Font() const;

  qreal ratio_;
  int brush_;  // image pixels per grid pixel, across the line
  QImage background_;
  QImage image_;
  QRect dirty_;
  float x1_ = 0, y1_ = 0, x2_ = 770, y2_ = 457;
  core::Rgb foreColor_ = 0;
  float currentX_ = 0, currentY_ = 0;
  float fontSize_ = 8.25f;
  bool visible_ = false;
};

}  // namespace qtui
