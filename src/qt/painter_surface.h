#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <optional>
#include <string>

#include "core/platform/drawing_surface.h"

namespace qtui {

// A drawing surface painted with QPainter on a paint device: user coordinates map onto a
// target rectangle of the device, lines are clipped to it, and text is measured with the
// device's own font metrics. The preview picture and the printer page are made of it.
class PainterSurface : public core::DrawingSurface {
 public:
  void Scale(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2, std::optional<core::Rgb> colour = {}) override;
  void SetForeColor(core::Rgb colour) override { foreColor_ = colour; }
  core::Rgb ForeColor() const override { return foreColor_; }
  void SetCurrentX(float x) override { currentX_ = x; }
  void SetCurrentY(float y) override { currentY_ = y; }
  float CurrentX() const override { return currentX_; }
  float CurrentY() const override { return currentY_; }
  void Print(const std::string& text) override;
  float TextWidth(const std::string& text) const override;
  float TextHeight(const std::string& text) const override;
  void SetFontSize(float points) override { fontSize_ = points; }
  float FontSize() const override { return fontSize_; }

 protected:
  // The painter on the device, begun when needed; nullptr when the device takes no painting.
  virtual QPainter* Painter() = 0;
  virtual QPaintDevice& Device() const = 0;
  // Where the user area lies on the device, and the width of a line, in device pixels.
  void SetTarget(const QRectF& target, qreal penWidth);
  void HomeTextPosition();
  QFont Font() const;

 private:
  QPointF ToDevice(float x, float y) const;

  QRectF target_;
  qreal penWidth_ = 0;
  float x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
  core::Rgb foreColor_ = 0;
  float currentX_ = 0, currentY_ = 0;
  float fontSize_ = 8.25f;
};

}  // namespace qtui
