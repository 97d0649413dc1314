#pragma once

#include <QWidget>

namespace tunelot {

// A horizontal progress bar, black on white, with its percentage in the middle.
class Gauge : public QWidget {
  Q_OBJECT

 public:
  explicit Gauge(QWidget* parent = nullptr);

  int minValue() const { return min_; }
  int maxValue() const { return max_; }
  int progress() const { return progress_; }
  void setMinValue(int value);
  void setMaxValue(int value);
  void setProgress(int value);
  void addProgress(int step) { setProgress(progress_ + step); }
  // The whole percentage done, 0 when the bounds are equal.
  int percentDone() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int min_ = 0;
  int max_ = 100;
  int progress_ = 0;
};

}  // namespace tunelot
