#include "qt/painter_surface.h"

#include <QFontMetricsF>
#include <cmath>

namespace qtui {
namespace {

QColor ToQColor(core::Rgb colour) {
  return QColor(core::RedOf(colour), core::GreenOf(colour), core::BlueOf(colour));
}

bool Finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

}  // namespace

void PainterSurface::SetTarget(const QRectF& target, qreal penWidth) {
  target_ = target;
  penWidth_ = penWidth;
}

void PainterSurface::HomeTextPosition() {
  currentX_ = x1_;
  currentY_ = y1_;
}

void PainterSurface::Scale(float x1, float y1, float x2, float y2) {
  x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
}

// A degenerate scale maps to no finite point, so nothing is drawn rather than everything.
QPointF PainterSurface::ToDevice(float x, float y) const {
  double u = target_.left() +
             (static_cast<double>(x) - x1_) / (static_cast<double>(x2_) - x1_) * target_.width();
  double v = target_.top() +
             (static_cast<double>(y) - y1_) / (static_cast<double>(y2_) - y1_) * target_.height();
  return {u, v};
}

QFont PainterSurface::Font() const {
  QFont font("Arial");
  font.setPointSizeF(fontSize_);
  return font;
}

void PainterSurface::Line(float x1, float y1, float x2, float y2, std::optional<core::Rgb> colour) {
  currentX_ = x2;
  currentY_ = y2;
  QPointF from = ToDevice(x1, y1), to = ToDevice(x2, y2);
  QPainter* painter = Painter();
  if (!painter || !Finite(from) || !Finite(to)) return;
  painter->setClipRect(target_);
  painter->setPen(QPen(ToQColor(colour.value_or(foreColor_)), penWidth_));
  painter->drawLine(from, to);
}

void PainterSurface::Print(const std::string& text) {
  QPointF at = ToDevice(currentX_, currentY_);
  QPainter* painter = Painter();
  if (painter && Finite(at)) {
    painter->setClipRect(target_);
    painter->setFont(Font());
    painter->setPen(ToQColor(foreColor_));
    QFontMetricsF metrics(painter->font(), &Device());
    painter->drawText(QPointF(at.x(), at.y() + metrics.ascent()), QString::fromStdString(text));
  }
  currentY_ += TextHeight(text);
  currentX_ = x1_;
}

float PainterSurface::TextWidth(const std::string& text) const {
  if (target_.width() == 0) return 0;
  QFontMetricsF metrics(Font(), &Device());
  double unitsPerPixel = std::fabs(static_cast<double>(x2_) - x1_) / target_.width();
  return static_cast<float>(metrics.horizontalAdvance(QString::fromStdString(text)) *
                            unitsPerPixel);
}

// Signed like the scale: negative where y grows upwards.
float PainterSurface::TextHeight(const std::string&) const {
  if (target_.height() == 0) return 0;
  QFontMetricsF metrics(Font(), &Device());
  return static_cast<float>(metrics.height() * (static_cast<double>(y2_) - y1_) / target_.height());
}

}  // namespace qtui
