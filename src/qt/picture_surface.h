#pragma once

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>

#include "qt/painter_surface.h"

namespace qtui {

// The preview picture picEnroll: an image of 777 x 465 pixels in the window colour, drawn in
// the window-text colour. Drawing goes into the image through one painter kept open until the
// image is shown, so a report of thousands of lines costs no painter set-up per line.
class PictureSurface : public PainterSurface {
 public:
  static constexpr int kWidth = 777;
  static constexpr int kHeight = 465;

  explicit PictureSurface(qreal devicePixelRatio = 1.0);
  ~PictureSurface() override;

  void Cls() override;
  void SetVisible(bool) override {}

  // The picture as drawn so far.
  const QImage& Image();
  // Told when the picture starts to change, so a view can schedule a repaint.
  void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

 protected:
  QPainter* Painter() override;
  QPaintDevice& Device() const override { return const_cast<QImage&>(image_); }

 private:
  void Changed() const;

  QImage image_;
  QColor background_;
  std::unique_ptr<QPainter> painter_;
  std::function<void()> changed_;
};

}  // namespace qtui
