#include "widgets/gauge.h"

#include <QPainter>
#include <algorithm>

namespace tunelot {

Gauge::Gauge(QWidget* parent) : QWidget(parent) {}

void Gauge::setMinValue(int value) {
  min_ = value;
  update();
}

void Gauge::setMaxValue(int value) {
  max_ = value;
  update();
}

void Gauge::setProgress(int value) {
  progress_ = value;
  update();
}

int Gauge::percentDone() const {
  if (max_ <= min_) return 0;
  const long long done = std::clamp(progress_, min_, max_) - static_cast<long long>(min_);
  return static_cast<int>(done * 100 / (static_cast<long long>(max_) - min_));
}

void Gauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect inner = rect().adjusted(1, 1, -1, -1);
  painter.fillRect(rect(), Qt::white);
  const int filled = inner.width() * percentDone() / 100;
  const QRect done(inner.left(), inner.top(), filled, inner.height());
  painter.fillRect(done, Qt::black);
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const QString text = QString::number(percentDone()) + "%";
  // The text reads black on white and white on the filled share.
  painter.setClipRect(done);
  painter.setPen(Qt::white);
  painter.drawText(inner, Qt::AlignCenter, text);
  painter.setClipRect(QRect(done.right() + 1, inner.top(), inner.width() - filled, inner.height()));
  painter.setPen(Qt::black);
  painter.drawText(inner, Qt::AlignCenter, text);
}

}  // namespace tunelot
