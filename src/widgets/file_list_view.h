#pragma once

#include <QPoint>
#include <QTreeView>

#include "widgets/file_list_model.h"
#include "widgets/sort_header.h"

namespace tunelot {

// A file list shown as rows under a header. It keeps the view's selection and the
// entries' selected flags in step both ways, and runs its own drags between lists, started
// from plain mouse events, so that a drag begins only after a set distance.
class FileListView : public QTreeView {
  Q_OBJECT

 public:
  explicit FileListView(FileList& list, QWidget* parent = nullptr);
  ~FileListView() override;

  FileList& list() { return model_.list(); }
  SortHeader* sortHeader() const { return header_; }

  // Arms a drag that begins once the mouse, button held, is `distance` pixels away from
  // where the button went down, horizontally or vertically.
  void ArmDrag(int distance);
  bool Dragging() const { return dragging_; }

  static constexpr int kRowHeight = 13;

 signals:
  void mouseDown(Qt::MouseButton button);
  void mouseUp(Qt::MouseButton button);
  void doubleClicked();
  void headerClicked();
  void contextMenuWanted(const QPoint& globalPos);
  // Asked while a drag moves over this list; set `accept` to take it.
  void dragOver(FileListView* source, bool& accept);
  void dropped(FileListView* source);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void ShowListSelection();
  void TakeViewSelection(const QItemSelection& selected, const QItemSelection& deselected);
  void TakeViewCurrent(const QModelIndex& current);
  void ApplyColumnWidths();
  FileListView* DropTargetAt(const QPoint& globalPos) const;
  bool Accepts(FileListView* target) const;
  void EndDrag();

  FileListModel model_;
  SortHeader* header_;
  bool syncing_ = false;
  bool armed_ = false;
  bool dragging_ = false;
  int dragDistance_ = 0;
  QPoint pressPos_;
};

}  // namespace tunelot
