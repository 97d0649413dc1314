#pragma once

#include <QAbstractTableModel>

#include "lists/file_list.h"

namespace tunelot {

// Presents a core FileList to a view. An update bracket of the list becomes one model
// reset, so a change of 100,000 rows redraws once.
class FileListModel : public QAbstractTableModel, private FileListObserver {
  Q_OBJECT

 public:
  explicit FileListModel(FileList& list, QObject* parent = nullptr);
  ~FileListModel() override;

  FileList& list() { return list_; }
  const FileList& list() const { return list_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 signals:
  // The entries' selected flags or focus mark may differ from the view's.
  void listSelectionChanged();
  // Column captions or widths changed without a change of the column count.
  void columnsChanged();

 private:
  void EntriesChanged() override;
  void SelectionChanged() override;
  void ColumnsChanged() override;

  FileList& list_;
  int shownColumns_;
};

}  // namespace tunelot
