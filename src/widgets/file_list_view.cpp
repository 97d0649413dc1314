#include "widgets/file_list_view.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <vector>

#include "widgets/screen_cursor.h"

namespace tunelot {
namespace {

std::vector<FileListView*>& AllViews() {
  static std::vector<FileListView*> views;
  return views;
}

class RowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(FileListView::kRowHeight);
    return size;
  }
};

}  // namespace

FileListView::FileListView(FileList& list, QWidget* parent)
    : QTreeView(parent), model_(list), header_(new SortHeader(this)) {
  setHeader(header_);
  setModel(&model_);
  setItemDelegate(new RowDelegate(this));
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  header_->setFixedHeight(kRowHeight + 4);
  header_->setSectionsClickable(true);  // the tree view turns it off with sorting off

  connect(&model_, &FileListModel::listSelectionChanged, this, &FileListView::ShowListSelection);
  connect(&model_, &FileListModel::columnsChanged, this, &FileListView::ApplyColumnWidths);
  connect(&model_, &QAbstractItemModel::modelReset, this, &FileListView::ApplyColumnWidths);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &FileListView::TakeViewSelection);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          &FileListView::TakeViewCurrent);
  connect(header_, &QHeaderView::sectionClicked, this, [this] { emit headerClicked(); });
  connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &FileListView::ApplyColumnWidths);
  AllViews().push_back(this);
  ApplyColumnWidths();
}

FileListView::~FileListView() {
  auto& views = AllViews();
  views.erase(std::remove(views.begin(), views.end(), this), views.end());
}

void FileListView::ArmDrag(int distance) {
  armed_ = true;
  dragging_ = false;
  dragDistance_ = distance;
}

void FileListView::ShowListSelection() {
  if (syncing_) return;
  syncing_ = true;
  const FileList& entries = model_.list();
  QItemSelection selection;
  const int lastColumn = std::max(0, model_.columnCount() - 1);
  std::size_t row = 0;
  while (row < entries.Count()) {
    if (!entries.At(row).selected) {
      ++row;
      continue;
    }
    const std::size_t first = row;
    while (row < entries.Count() && entries.At(row).selected) ++row;
    selection.select(model_.index(static_cast<int>(first), 0),
                     model_.index(static_cast<int>(row - 1), lastColumn));
  }
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  const std::ptrdiff_t focused = entries.FocusedIndex();
  selectionModel()->setCurrentIndex(
      focused == kNone ? QModelIndex() : model_.index(static_cast<int>(focused), 0),
      QItemSelectionModel::NoUpdate);
  syncing_ = false;
}

void FileListView::TakeViewSelection(const QItemSelection& selected,
                                     const QItemSelection& deselected) {
  if (syncing_) return;
  syncing_ = true;
  FileList& entries = model_.list();
  {
    UpdateBracket bracket(entries);
    for (const QItemSelectionRange& range : deselected) {
      for (int row = range.top(); row <= range.bottom(); ++row) {
        entries.SetSelected(static_cast<std::size_t>(row), false);
      }
    }
    for (const QItemSelectionRange& range : selected) {
      for (int row = range.top(); row <= range.bottom(); ++row) {
        entries.SetSelected(static_cast<std::size_t>(row), true);
      }
    }
  }
  syncing_ = false;
}

void FileListView::TakeViewCurrent(const QModelIndex& current) {
  if (syncing_) return;
  syncing_ = true;
  model_.list().SetFocused(current.isValid() ? current.row() : kNone);
  syncing_ = false;
}

void FileListView::ApplyColumnWidths() {
  const FileList& entries = model_.list();
  for (std::size_t i = 0; i < entries.ColumnCount() && i < std::size_t(model_.columnCount()); ++i) {
    const Column& column = entries.ColumnAt(i);
    const int width = column.autoSize
                          ? std::clamp(viewport()->width(), column.minWidth, column.maxWidth)
                          : column.width;
    header_->resizeSection(static_cast<int>(i), std::max(width, 0));
  }
}

void FileListView::resizeEvent(QResizeEvent* event) {
  QTreeView::resizeEvent(event);
  ApplyColumnWidths();
}

void FileListView::mousePressEvent(QMouseEvent* event) {
  armed_ = false;
  dragging_ = false;
  pressPos_ = event->globalPosition().toPoint();
  QTreeView::mousePressEvent(event);
  emit mouseDown(event->button());
}

void FileListView::mouseMoveEvent(QMouseEvent* event) {
  if (!armed_ || !(event->buttons() & Qt::LeftButton)) {
    if (!(event->buttons() & Qt::LeftButton)) QTreeView::mouseMoveEvent(event);
    return;
  }
  const QPoint moved = event->globalPosition().toPoint() - pressPos_;
  if (!dragging_ &&
      (std::abs(moved.x()) >= dragDistance_ || std::abs(moved.y()) >= dragDistance_)) {
    dragging_ = true;
  }
  if (dragging_) {
    FileListView* target = DropTargetAt(event->globalPosition().toPoint());
    SetScreenCursor(target != nullptr && Accepts(target) ? CursorShape::Drag : CursorShape::NoDrop);
  }
}

void FileListView::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasDragging = dragging_;
  EndDrag();
  if (wasDragging) {
    // A finished drag is not a click: the view's own release would select at the drop point.
    FileListView* target = DropTargetAt(event->globalPosition().toPoint());
    if (target != nullptr && Accepts(target)) emit target->dropped(this);
  } else {
    QTreeView::mouseReleaseEvent(event);
  }
  emit mouseUp(event->button());
}

void FileListView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeView::mouseDoubleClickEvent(event);
  emit doubleClicked();
}

void FileListView::contextMenuEvent(QContextMenuEvent* event) {
  emit contextMenuWanted(event->globalPos());
  event->accept();
}

FileListView* FileListView::DropTargetAt(const QPoint& globalPos) const {
  for (FileListView* view : AllViews()) {
    if (!view->isVisible() || !view->isEnabled() || view->window() != window()) continue;
    if (view->rect().contains(view->mapFromGlobal(globalPos))) return view;
  }
  return nullptr;
}

bool FileListView::Accepts(FileListView* target) const {
  bool accept = false;
  emit target->dragOver(const_cast<FileListView*>(this), accept);
  return accept;
}

void FileListView::EndDrag() {
  armed_ = false;
  dragging_ = false;
}

}  // namespace tunelot
