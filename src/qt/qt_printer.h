#pragma once

#include <QPrinter>
#include <QString>
#include <memory>

#include "core/platform/printer.h"
#include "qt/printer_page.h"

namespace qtui {

// The printer on QPrinter: the system's default printer when one is installed, chosen in the
// standard print dialog; without one, or when the operator picks printing to a file there, a
// PDF file beside the report's last test file, named after it ("1208A1.3.pdf").
class QtPrinter : public core::Printer {
 public:
  // `askOperator` false skips the dialog (tests and benchmarks print to the PDF file).
  explicit QtPrinter(bool askOperator = true) : askOperator_(askOperator) {}

  core::PrintOutcome StartDoc(const std::string& documentPath) override;
  core::DrawingSurface& Page() override { return page_; }
  core::PrintOutcome EndDoc() override;

  // The PDF file a report on `documentPath` goes to.
  static QString PdfPathFor(const std::string& documentPath);

 private:
  bool askOperator_;
  std::unique_ptr<QPrinter> printer_;
  QString where_;  // "saved as ...", "sent to the printer ..."
  PrinterPage page_;
};

}  // namespace qtui
