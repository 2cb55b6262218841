#pragma once

#include <optional>
#include <string>

#include "core/rgb.h"

namespace core {

// The drawing operations shared by the live chart, the preview picture and the printer page.
// Coordinates are user units set by Scale; drawing accumulates until Cls.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // (x1, y1) becomes the top-left, (x2, y2) the bottom-right corner; y2 < y1 makes y grow up.
  virtual void Scale(float x1, float y1, float x2, float y2) = 0;
  // A clipped line in `colour` or else ForeColor; afterwards the text position is (x2, y2).
  virtual void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}) = 0;
  virtual void SetForeColor(Rgb colour) = 0;
  virtual Rgb ForeColor() const = 0;
  // Restores the background and puts the text position at the top-left corner.
  virtual void Cls() = 0;
  virtual void SetCurrentX(float x) = 0;
  virtual void SetCurrentY(float y) = 0;
  virtual float CurrentX() const = 0;
  virtual float CurrentY() const = 0;
  // Draws at the current position; afterwards the position is at the start of the next line.
  virtual void Print(const std::string& text) = 0;
  virtual float TextWidth(const std::string& text) const = 0;
  virtual float TextHeight(const std::string& text) const = 0;
  virtual void SetFontSize(float points) = 0;
  virtual float FontSize() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

}  // namespace core
