#include "qt/printer_page.h"

namespace qtui {

PrinterPage::PrinterPage() : measuring_(QPrinter::HighResolution), device_(&measuring_) {}

bool PrinterPage::Begin(QPrinter& printer) {
  if (!painter_.begin(&printer)) return false;
  device_ = &printer;
  QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  SetTarget(QRectF(0, 0, page.width(), page.height()), printer.resolution() / 288.0);
  HomeTextPosition();
  return true;
}

bool PrinterPage::End() {
  bool ended = painter_.end();
  device_ = &measuring_;
  return ended;
}

}  // namespace qtui
