#pragma once

#include <QRect>
#include <QTimer>
#include <QWidget>

namespace qtui {

class RasterSurface;

// The live chart: shows the raster surface's image and nothing else. After each batch of
// events it collects what the surface changed and repaints just that, at most at the
// display's rate, so a fast stream of packets never queues paint work.
class ChartView : public QWidget {
  Q_OBJECT

 public:
  ChartView(RasterSurface& surface, QWidget& parent);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void CollectChanges();
  void Repaint();

  RasterSurface& surface_;
  QRect pending_;  // image pixels changed and not yet repainted
  QTimer frame_;
};

}  // namespace qtui
