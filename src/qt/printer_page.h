#pragma once

#include <QPainter>
#include <QPrinter>

#include "qt/painter_surface.h"

namespace qtui {

// The printer page: the user area is the printable area of the page, lines a quarter point
// wide. Drawing between Begin and End goes to the printer; outside them it is measured only.
class PrinterPage : public PainterSurface {
 public:
  PrinterPage();

  bool Begin(QPrinter& printer);
  // False when the printer did not take the page.
  bool End();

  void Cls() override {}
  void SetVisible(bool) override {}

 protected:
  QPainter* Painter() override { return painter_.isActive() ? &painter_ : nullptr; }
  QPaintDevice& Device() const override { return *device_; }

 private:
  QPainter painter_;
  QPrinter measuring_;  // stands in for the device until a page begins
  QPaintDevice* device_;
};

}  // namespace qtui
