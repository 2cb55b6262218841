#include "qt/chart_view.h"

#include <QAbstractEventDispatcher>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "qt/raster_surface.h"

namespace qtui {
namespace {

constexpr int kFrameMilliseconds = 16;  // about 60 repaints a second at most

// Image pixels to widget (logical) pixels, rounded outwards.
QRect ToLogical(const QRect& pixels, qreal ratio) {
  if (ratio == 1.0) return pixels;
  QRectF logical(pixels.x() / ratio, pixels.y() / ratio, pixels.width() / ratio,
                 pixels.height() / ratio);
  return logical.toAlignedRect();
}

}  // namespace

ChartView::ChartView(RasterSurface& surface, QWidget& parent)
    : QWidget(&parent), surface_(surface) {
  setObjectName("LeftRightScreen");
  setAttribute(Qt::WA_OpaquePaintEvent);
  frame_.setSingleShot(true);
  frame_.setInterval(kFrameMilliseconds);
  connect(&frame_, &QTimer::timeout, this, &ChartView::Repaint);
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &ChartView::CollectChanges);
  // Graphing a stored file lets the pending events run between its lines without ever waiting.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, this,
          &ChartView::CollectChanges);
}

QSize ChartView::sizeHint() const {
  const QImage& image = surface_.Image();
  return ToLogical(image.rect(), image.devicePixelRatio()).size();
}

void ChartView::CollectChanges() {
  pending_ |= surface_.TakeDirtyRect();
  if (!pending_.isEmpty() && !frame_.isActive()) frame_.start();
}

void ChartView::Repaint() {
  update(ToLogical(pending_, surface_.Image().devicePixelRatio()));
  pending_ = QRect();
}

void ChartView::paintEvent(QPaintEvent* event) {
  // On a screen of another density the surface redraws its pixels for it, so lines stay crisp.
  if (surface_.Image().devicePixelRatio() != devicePixelRatioF()) {
    surface_.SetDevicePixelRatio(devicePixelRatioF());
  }
  const QImage& image = surface_.Image();
  qreal ratio = image.devicePixelRatio();
  QPainter painter(this);
  for (const QRect& area : event->region()) {
    QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
    painter.drawImage(QRectF(area), image, source);
  }
}

}  // namespace qtui
