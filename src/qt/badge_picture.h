#pragma once

#include <QWidget>

class QPainter;

namespace qtui {

// Picture1, the small decorative picture of the main window: an instrument badge with a
// leak-test trace.
class BadgePicture : public QWidget {
  Q_OBJECT

 public:
  explicit BadgePicture(QWidget& parent);

  static constexpr QSize kSize{102, 42};
  QSize sizeHint() const override { return kSize; }
  // Draws the badge on a kSize picture; scale the painter for other sizes (the desktop icon).
  static void Paint(QPainter& painter);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qtui
