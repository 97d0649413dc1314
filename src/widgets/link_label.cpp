#include "widgets/link_label.h"

#include <QMouseEvent>

namespace tunelot {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  // An own role, so the colour holds whatever background the parent gives its children.
  QPalette blue = palette();
  blue.setColor(QPalette::Link, QColor(0, 0, 255));
  setPalette(blue);
  setForegroundRole(QPalette::Link);
  setTextFormat(Qt::PlainText);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace tunelot
