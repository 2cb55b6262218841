#include "qt/picture_view.h"

#include <QPainter>

#include "qt/picture_surface.h"

namespace qtui {

PictureView::PictureView(PictureSurface& picture, QWidget& parent)
    : QWidget(&parent), picture_(picture) {
  setObjectName("picEnroll");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(PictureSurface::kWidth, PictureSurface::kHeight);
  picture_.OnChange([this] { update(); });
}

PictureView::~PictureView() { picture_.OnChange({}); }

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPointF(0, 0), picture_.Image());
}

}  // namespace qtui
