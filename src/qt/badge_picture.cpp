#include "qt/badge_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace qtui {
namespace {

// A test seen on the chart: fill rise, stabilisation and a flat read phase.
QPainterPath TestTrace(const QRectF& area) {
  QPainterPath trace;
  qreal base = area.bottom();
  qreal top = area.top();
  trace.moveTo(area.left(), base);
  trace.lineTo(area.left() + area.width() * 0.12, base);
  trace.cubicTo(area.left() + area.width() * 0.18, top, area.left() + area.width() * 0.24, top,
                area.left() + area.width() * 0.32, top + area.height() * 0.15);
  trace.cubicTo(area.left() + area.width() * 0.45, top + area.height() * 0.5,
                area.left() + area.width() * 0.6, base - area.height() * 0.3, area.right(),
                base - area.height() * 0.28);
  return trace;
}

}  // namespace

BadgePicture::BadgePicture(QWidget& parent) : QWidget(&parent) {
  setObjectName("Picture1");
  setFixedSize(kSize);
}

void BadgePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint(painter);
}

void BadgePicture::Paint(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  QRectF frame = QRectF(QPointF(0, 0), QSizeF(kSize)).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient shade(frame.topLeft(), frame.bottomLeft());
  shade.setColorAt(0, QColor(54, 82, 122));
  shade.setColorAt(1, QColor(22, 36, 58));
  painter.setPen(QColor(120, 140, 170));
  painter.setBrush(shade);
  painter.drawRoundedRect(frame, 5, 5);

  QRectF screen(frame.left() + 5, frame.top() + 5, 44, frame.height() - 10);
  painter.setPen(QColor(90, 110, 90));
  painter.setBrush(QColor(16, 30, 20));
  painter.drawRect(screen);
  painter.setPen(QPen(QColor(120, 240, 140), 1.4));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(TestTrace(screen.adjusted(3, 4, -3, -4)));

  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(13);
  painter.setFont(font);
  painter.setPen(QColor(235, 240, 250));
  painter.drawText(
      QRectF(screen.right() + 2, frame.top(), frame.right() - screen.right() - 4, frame.height()),
      Qt::AlignCenter, QStringLiteral("KM\n4400"));
}

}  // namespace qtui
