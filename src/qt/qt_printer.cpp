#include "qt/qt_printer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace qtui {

using Kind = core::PrintOutcome::Kind;

QString QtPrinter::PdfPathFor(const std::string& documentPath) {
  QFileInfo file(QString::fromStdString(documentPath));
  return QDir::toNativeSeparators(file.absoluteFilePath() + ".pdf");
}

core::PrintOutcome QtPrinter::StartDoc(const std::string& documentPath) {
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_->setPageOrientation(QPageLayout::Landscape);
  printer_->setDocName(QFileInfo(QString::fromStdString(documentPath)).fileName());
  QString pdf = PdfPathFor(documentPath);
  QPrinterInfo installed = QPrinterInfo::defaultPrinter();
  if (askOperator_ && !installed.isNull()) {
    printer_->setPrinterName(installed.printerName());
    QPrintDialog dialog(printer_.get(), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
      return {Kind::Cancelled, "the print dialog was cancelled"};
  } else {
    printer_->setOutputFormat(QPrinter::PdfFormat);
  }
  // A PDF goes beside the test files, whatever file the dialog proposed.
  if (printer_->outputFormat() == QPrinter::PdfFormat) printer_->setOutputFileName(pdf);
  bool toFile = printer_->outputFormat() == QPrinter::PdfFormat;
  where_ = toFile ? "saved as " + pdf : "sent to the printer " + printer_->printerName();
  if (!page_.Begin(*printer_)) {
    return {Kind::Failed, toFile ? "the file " + pdf.toStdString() + " cannot be written"
                                 : "the printer " + printer_->printerName().toStdString() +
                                       " does not take the job"};
  }
  return {Kind::Printed, where_.toStdString()};
}

core::PrintOutcome QtPrinter::EndDoc() {
  bool ended = page_.End();
  bool toFile = printer_ && printer_->outputFormat() == QPrinter::PdfFormat;
  std::string name = printer_ ? printer_->printerName().toStdString() : std::string();
  printer_.reset();
  if (!ended) {
    return {Kind::Failed, toFile ? "the file could not be completed"
                                 : "the printer " + name + " refused the job"};
  }
  return {Kind::Printed, where_.toStdString()};
}

}  // namespace qtui
