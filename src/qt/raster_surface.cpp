#include "qt/raster_surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "trend/grid_picture.h"

namespace qtui {
namespace {

constexpr int kWidth = trend::GridPicture::kWidth;
constexpr int kHeight = trend::GridPicture::kHeight;
constexpr double kLastColumn = kWidth - 1;
constexpr double kLastRow = kHeight - 1;
// Absorbs rounding in the user-to-grid mapping, so position 10 never lands on column 9.
constexpr double kSnap = 1e-6;

QRgb ToQRgb(core::Rgb colour) {
  return qRgb(core::RedOf(colour), core::GreenOf(colour), core::BlueOf(colour));
}

QImage GridImage(qreal ratio) {
  std::vector<core::Rgb> pixels = trend::GridPicture::Build();
  QImage grid(kWidth, kHeight, QImage::Format_RGB32);
  for (int y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(grid.scanLine(y));
    for (int x = 0; x < kWidth; ++x)
      row[x] = ToQRgb(pixels[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)]);
  }
  if (ratio != 1.0) {
    grid = grid.scaled(qRound(kWidth * ratio), qRound(kHeight * ratio), Qt::IgnoreAspectRatio,
                       Qt::FastTransformation);
  }
  grid.setDevicePixelRatio(ratio);
  return grid;
}

// Liang-Barsky: cuts the segment to the grid rectangle; false when nothing of it is inside.
bool ClipToGrid(double& u1, double& v1, double& u2, double& v2) {
  double du = u2 - u1, dv = v2 - v1;
  double enter = 0, leave = 1;
  const double p[4] = {-du, du, -dv, dv};
  const double q[4] = {u1 + kSnap, kLastColumn + kSnap - u1, v1 + kSnap, kLastRow + kSnap - v1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    double t = q[i] / p[i];
    if (p[i] < 0)
      enter = std::max(enter, t);
    else
      leave = std::min(leave, t);
  }
  if (enter > leave) return false;
  double su = u1, sv = v1;
  u1 = su + enter * du, v1 = sv + enter * dv;
  u2 = su + leave * du, v2 = sv + leave * dv;
  return true;
}

int Snap(double grid, double last) {
  return static_cast<int>(std::clamp(std::floor(grid + kSnap), 0.0, last));
}

}  // namespace

RasterSurface::RasterSurface(qreal devicePixelRatio)
    : ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0),
      brush_(std::max(1, qRound(ratio_))),
      background_(GridImage(ratio_)),
      image_(background_.copy()) {
  image_.setDevicePixelRatio(ratio_);
}

void RasterSurface::Scale(float x1, float y1, float x2, float y2) {
  x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
}

double RasterSurface::GridX(float x) const {
  return (static_cast<double>(x) - x1_) * kLastColumn / (static_cast<double>(x2_) - x1_);
}

double RasterSurface::GridY(float y) const {
  return (static_cast<double>(y) - y1_) * kLastRow / (static_cast<double>(y2_) - y1_);
}

void RasterSurface::Line(float x1, float y1, float x2, float y2, std::optional<core::Rgb> colour) {
  currentX_ = x2;
  currentY_ = y2;
  double u1 = GridX(x1), v1 = GridY(y1), u2 = GridX(x2), v2 = GridY(y2);
  // A degenerate scale or a non-finite coordinate draws nothing.
  if (!std::isfinite(u1) || !std::isfinite(v1) || !std::isfinite(u2) || !std::isfinite(v2)) return;
  if (!ClipToGrid(u1, v1, u2, v2)) return;
  DrawGridLine(u1, v1, u2, v2, ToQRgb(colour.value_or(foreColor_)));
}

// The extent of the pixels that actually changed colour, so redrawing a line that is already
// there (the leak-limit line, once per segment) marks nothing for repainting.
struct RasterSurface::Changes {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  QRect Rect() const {
    return right < left ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
  }
};

// Pixels [x0, x1) of rows [y0, y1), already inside the image.
void RasterSurface::Fill(int x0, int x1, int y0, int y1, QRgb colour, Changes& changes) {
  uchar* bits = image_.bits();
  qsizetype bytesPerLine = image_.bytesPerLine();
  for (int y = y0; y < y1; ++y) {
    auto* row = reinterpret_cast<QRgb*>(bits + y * bytesPerLine);
    for (int x = x0; x < x1; ++x) {
      if (row[x] == colour) continue;
      row[x] = colour;
      changes.left = std::min(changes.left, x), changes.right = std::max(changes.right, x);
      changes.top = std::min(changes.top, y), changes.bottom = std::max(changes.bottom, y);
    }
  }
}

// Bresenham between the image pixels of the two grid pixels, a brush-wide stamp per step;
// straight runs are filled in one go.
void RasterSurface::DrawGridLine(double u1, double v1, double u2, double v2, QRgb colour) {
  int x0 = static_cast<int>(std::floor(Snap(u1, kLastColumn) * ratio_));
  int y0 = static_cast<int>(std::floor(Snap(v1, kLastRow) * ratio_));
  int x1 = static_cast<int>(std::floor(Snap(u2, kLastColumn) * ratio_));
  int y1 = static_cast<int>(std::floor(Snap(v2, kLastRow) * ratio_));
  const int width = image_.width(), height = image_.height();
  Changes changes;
  auto stamp = [&](int left, int top, int right, int bottom) {
    Fill(left, std::min(right + brush_, width), top, std::min(bottom + brush_, height), colour,
         changes);
  };
  if (x0 == x1 || y0 == y1) {
    stamp(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1));
  } else {
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (int x = x0, y = y0;;) {
      stamp(x, y, x, y);
      if (x == x1 && y == y1) break;
      int twice = 2 * error;
      if (twice >= dy) error += dy, x += sx;
      if (twice <= dx) error += dx, y += sy;
    }
  }
  dirty_ |= changes.Rect();
}

void RasterSurface::Cls() {
  // Copied into the same buffer, so the image is never shared and never detaches later.
  std::memcpy(image_.bits(), background_.constBits(),
              static_cast<std::size_t>(image_.sizeInBytes()));
  dirty_ = image_.rect();
  currentX_ = x1_;
  currentY_ = y1_;
}

QFont RasterSurface::Font() const {
  QFont font;
  font.setPointSizeF(fontSize_);
  return font;
}

void RasterSurface::Print(const std::string& text) {
  double u = GridX(currentX_), v = GridY(currentY_);
  if (std::isfinite(u) && std::isfinite(v)) {
    QString line = QString::fromStdString(text);
    QPainter painter(&image_);
    painter.setFont(Font());
    painter.setPen(QColor(ToQRgb(foreColor_)));
    QFontMetricsF metrics(painter.font(), &image_);
    QPointF baseline(u, v + metrics.ascent());
    painter.drawText(baseline, line);
    // Glyphs may reach past the advance; one more pixel takes in the smoothed edges.
    QRectF area = metrics.boundingRect(line).translated(baseline) |
                  QRectF(u, v, metrics.horizontalAdvance(line), metrics.height());
    area.adjust(-1, -1, 1, 1);
    dirty_ |= QRectF(area.topLeft() * ratio_, area.bottomRight() * ratio_).toAlignedRect() &
              image_.rect();
  }
  currentY_ += TextHeight(text);
  currentX_ = x1_;
}

float RasterSurface::TextWidth(const std::string& text) const {
  if (x2_ == x1_) return 0;
  QFontMetricsF metrics(Font(), &image_);
  double unitsPerPixel = std::fabs(static_cast<double>(x2_) - x1_) / kLastColumn;
  return static_cast<float>(metrics.horizontalAdvance(QString::fromStdString(text)) *
                            unitsPerPixel);
}

float RasterSurface::TextHeight(const std::string&) const {
  if (y2_ == y1_) return 0;
  QFontMetricsF metrics(Font(), &image_);
  return static_cast<float>(metrics.height() * (static_cast<double>(y2_) - y1_) / kLastRow);
}

QRect RasterSurface::TakeDirtyRect() {
  QRect taken = dirty_;
  dirty_ = QRect();
  return taken;
}

void RasterSurface::SetDevicePixelRatio(qreal ratio) {
  if (ratio <= 0 || ratio == ratio_) return;
  QImage drawn = image_;
  ratio_ = ratio;
  brush_ = std::max(1, qRound(ratio_));
  background_ = GridImage(ratio_);
  image_ = background_.copy();
  image_.setDevicePixelRatio(ratio_);
  QPainter painter(&image_);
  painter.drawImage(QRectF(0, 0, kWidth, kHeight), drawn);
  painter.end();
  dirty_ = image_.rect();
}

}  // namespace qtui
