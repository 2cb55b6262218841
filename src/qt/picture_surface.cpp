#include "qt/picture_surface.h"

#include <QGuiApplication>
#include <QPalette>

namespace qtui {

PictureSurface::PictureSurface(qreal devicePixelRatio)
    : image_(qRound(kWidth * devicePixelRatio), qRound(kHeight * devicePixelRatio),
             QImage::Format_RGB32),
      background_(QGuiApplication::palette().color(QPalette::Window)) {
  image_.setDevicePixelRatio(devicePixelRatio);
  image_.fill(background_);
  QColor text = QGuiApplication::palette().color(QPalette::WindowText);
  SetForeColor(core::MakeRgb(text.red(), text.green(), text.blue()));
  SetTarget(QRectF(0, 0, kWidth, kHeight), 0);
}

PictureSurface::~PictureSurface() = default;

QPainter* PictureSurface::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    Changed();
  }
  return painter_.get();
}

const QImage& PictureSurface::Image() {
  painter_.reset();
  return image_;
}

void PictureSurface::Cls() {
  painter_.reset();
  image_.fill(background_);
  HomeTextPosition();
  Changed();
}

void PictureSurface::Changed() const {
  if (changed_) changed_();
}

}  // namespace qtui
