#include "widgets/arrow_button.h"

#include <QPainter>
#include <QPolygonF>
#include <QStyleOptionFocusRect>
#include <QTransform>

namespace tunelot {

const QColor ArrowButton::kFaceColor(211, 217, 193);

ArrowButton::ArrowButton(Direction direction, QWidget* parent)
    : QAbstractButton(parent), direction_(direction), face_(kFaceColor) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

namespace {

QPolygonF ArrowPointingRight(const QRectF& box) {
  // A shaft of half the height and a head of half the width.
  const qreal shaftTop = box.top() + box.height() * 0.25;
  const qreal shaftBottom = box.bottom() - box.height() * 0.25;
  const qreal headStart = box.left() + box.width() * 0.5;
  return QPolygonF({QPointF(box.left(), shaftTop), QPointF(headStart, shaftTop),
                    QPointF(headStart, box.top()), QPointF(box.right(), box.center().y()),
                    QPointF(headStart, box.bottom()), QPointF(headStart, shaftBottom),
                    QPointF(box.left(), shaftBottom)});
}

}  // namespace

QPolygonF ArrowButton::Outline() const {
  const QRectF box = QRectF(rect()).adjusted(1, 1, -2, -2);
  const bool vertical = direction_ == Direction::Up || direction_ == Direction::Down;
  // Draw a right arrow in a box of the turned shape, then turn it into place.
  const QRectF turned =
      vertical ? QRectF(0, 0, box.height(), box.width()) : QRectF(0, 0, box.width(), box.height());
  const QPolygonF right = ArrowPointingRight(turned);
  QTransform place;
  place.translate(box.center().x(), box.center().y());
  switch (direction_) {
    case Direction::Right:
      break;
    case Direction::Left:
      place.rotate(180);
      break;
    case Direction::Up:
      place.rotate(-90);
      break;
    case Direction::Down:
      place.rotate(90);
      break;
  }
  place.translate(-turned.center().x(), -turned.center().y());
  return place.map(right);
}

void ArrowButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QPolygonF outline = Outline();
  const QPointF pressedShift = isDown() ? QPointF(1, 1) : QPointF(0, 0);
  const QPolygonF shape = outline.translated(pressedShift);
  painter.setPen(QPen(QColor(96, 96, 96), 1));
  painter.setBrush(face_);
  painter.drawPolygon(shape);
  // The highlight shading: a lighter band along the upper left and white dithering.
  painter.setClipRegion(QRegion(shape.toPolygon()));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QBrush(Qt::white, Qt::Dense6Pattern));
  painter.drawRect(QRectF(rect()).adjusted(0, 0, 0, -height() * 0.55));
  painter.setClipping(false);
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

}  // namespace tunelot
