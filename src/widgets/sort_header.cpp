#include "widgets/sort_header.h"

#include <QPainter>
#include <QPolygon>
#include <QStyleOptionHeader>

namespace tunelot {
namespace {

constexpr int kArrowWidth = 7;
constexpr int kArrowMargin = 4;

QPolygon ArrowPolygon(const QRect& rect, bool up) {
  const int left = rect.left() + kArrowMargin;
  const int middle = rect.center().y();
  const int half = kArrowWidth / 2;
  if (up) {
    return QPolygon({QPoint(left, middle + 2), QPoint(left + kArrowWidth - 1, middle + 2),
                     QPoint(left + half, middle - 2)});
  }
  return QPolygon({QPoint(left, middle - 2), QPoint(left + kArrowWidth - 1, middle - 2),
                   QPoint(left + half, middle + 2)});
}

}  // namespace

SortHeader::SortHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(true);
  setHighlightSections(false);
  setStretchLastSection(false);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SortHeader::SetArrow(Arrow arrow) {
  arrow_ = arrow;
  viewport()->update();
}

void SortHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (logicalIndex != 0 || arrow_ == Arrow::None) {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    return;
  }
  QStyleOptionHeader option;
  initStyleOption(&option);
  option.rect = rect;
  option.section = logicalIndex;
  option.text = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
  option.textAlignment = defaultAlignment();
  style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setPen(palette().color(QPalette::ButtonText));
  painter->setBrush(palette().color(QPalette::ButtonText));
  painter->drawPolygon(ArrowPolygon(rect, arrow_ == Arrow::Up));
  painter->restore();
  QStyleOptionHeader label = option;
  label.rect = rect.adjusted(kArrowMargin + kArrowWidth, 0, 0, 0);
  style()->drawControl(QStyle::CE_HeaderLabel, &label, painter, this);
}

}  // namespace tunelot
