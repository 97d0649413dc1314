#pragma once

#include <QHeaderView>

namespace tunelot {

// A list's column header that draws the sort arrow at the left of the first column's text.
class SortHeader : public QHeaderView {
  Q_OBJECT

 public:
  enum class Arrow { None, Up, Down };

  explicit SortHeader(QWidget* parent = nullptr);
  void SetArrow(Arrow arrow);
  Arrow arrow() const { return arrow_; }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  Arrow arrow_ = Arrow::None;
};

}  // namespace tunelot
