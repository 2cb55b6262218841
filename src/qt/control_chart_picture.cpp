#include "qt/control_chart_picture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>

namespace qtui {
namespace {

std::string CannotWrite(const QString& path) {
  return "Cannot write " + QDir::toNativeSeparators(path).toStdString() + ".";
}

std::string WritePdf(QWidget& widget, const QString& path) {
  QPdfWriter pdf(path);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageOrientation(QPageLayout::Landscape);
  pdf.setResolution(150);
  QPainter painter;
  if (!painter.begin(&pdf)) return CannotWrite(path);
  // The widget as shown, scaled to the page with its proportions kept.
  QSize size = widget.size().scaled(pdf.width(), pdf.height(), Qt::KeepAspectRatio);
  double scale = static_cast<double>(size.width()) / std::max(1, widget.width());
  painter.scale(scale, scale);
  widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  if (!painter.end()) return CannotWrite(path);
  return {};
}

}  // namespace

std::string WritePicture(QWidget& widget, const std::string& path, const std::string& format) {
  QString file = QString::fromStdString(path);
  if (!QFileInfo(file).absoluteDir().exists()) {
    return "The folder of " + QDir::toNativeSeparators(file).toStdString() + " does not exist.";
  }
  if (format == "pdf") return WritePdf(widget, file);
  if (format != "png") return "Pictures are saved as PNG or PDF, not as " + format + ".";
  if (!widget.grab().toImage().save(file, "PNG")) return CannotWrite(file);
  return {};
}

}  // namespace qtui
