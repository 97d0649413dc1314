#include "widgets/svg_icon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tunelot {

QPixmap SvgPixmap(const QString& file, const QSize& size) {
  QSvgRenderer renderer(file);
  if (!renderer.isValid()) return {};
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  renderer.render(&painter);
  return pixmap;
}

QIcon SvgIcon(const QString& file) {
  QIcon icon;
  for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QPixmap pixmap = SvgPixmap(file, QSize(side, side));
    if (!pixmap.isNull()) icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace tunelot
