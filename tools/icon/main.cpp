// km4400-icon OUTPUT_DIR SIZE...: the main window's badge picture as the desktop icon, one
// square PNG per size in OUTPUT_DIR/<size>x<size>/apps/km4400-daq.png (an icon theme's layout).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "qt/badge_picture.h"

namespace {

// The badge is wider than high: scaled to the icon's width and centred, the rest transparent.
QImage Icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  const QSize badge = qtui::BadgePicture::kSize;
  qreal scale = static_cast<qreal>(size) / badge.width();
  painter.translate(0, (size - badge.height() * scale) / 2);
  painter.scale(scale, scale);
  qtui::BadgePicture::Paint(painter);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);  // the badge's lettering needs the fonts
  QStringList args = QGuiApplication::arguments();
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: km4400-icon OUTPUT_DIR SIZE...\n");
    return 2;
  }
  for (int i = 2; i < args.size(); ++i) {
    bool number = false;
    int size = args[i].toInt(&number);
    if (!number || size < 8 || size > 1024) {
      std::fprintf(stderr, "km4400-icon: not an icon size: %s\n", qPrintable(args[i]));
      return 2;
    }
    QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
    QString file = folder + "/km4400-daq.png";
    if (!QDir().mkpath(folder) || !Icon(size).save(file)) {
      std::fprintf(stderr, "km4400-icon: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
