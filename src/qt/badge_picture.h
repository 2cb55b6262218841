#pragma once

#include <QWidget>

namespace qtui {

// Picture1, the small decorative picture of the main window: an instrument badge with a
// leak-test trace.
class BadgePicture : public QWidget {
  Q_OBJECT

 public:
  explicit BadgePicture(QWidget& parent);

  static constexpr QSize kSize{102, 42};
  QSize sizeHint() const override { return kSize; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qtui
