#pragma once

#include <QWidget>

namespace qtui {

class PictureSurface;

// picEnroll on screen: shows the preview picture and repaints when it changes.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  PictureView(PictureSurface& picture, QWidget& parent);
  ~PictureView() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PictureSurface& picture_;
};

}  // namespace qtui
