#include "widgets/file_list_model.h"

#include "widgets/qt_text.h"

namespace tunelot {

FileListModel::FileListModel(FileList& list, QObject* parent)
    : QAbstractTableModel(parent),
      list_(list),
      shownColumns_(static_cast<int>(list.ColumnCount())) {
  list_.AddObserver(this);
}

FileListModel::~FileListModel() { list_.RemoveObserver(this); }

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.Count());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownColumns_;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  const std::size_t row = static_cast<std::size_t>(index.row());
  if (row >= list_.Count()) return {};
  const Entry& entry = list_.At(row);
  if (index.column() == 0) return ToQt(entry.path);
  const std::size_t sub = static_cast<std::size_t>(index.column() - 1);
  return sub < entry.subItems.size() ? ToQt(entry.subItems[sub].text) : QString();
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || static_cast<std::size_t>(section) >= list_.ColumnCount()) return {};
  return ToQt(list_.ColumnAt(static_cast<std::size_t>(section)).caption);
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void FileListModel::EntriesChanged() {
  beginResetModel();
  shownColumns_ = static_cast<int>(list_.ColumnCount());
  endResetModel();
  emit listSelectionChanged();
}

void FileListModel::SelectionChanged() { emit listSelectionChanged(); }

void FileListModel::ColumnsChanged() {
  if (shownColumns_ != static_cast<int>(list_.ColumnCount())) {
    EntriesChanged();
  } else {
    emit headerDataChanged(Qt::Horizontal, 0, shownColumns_ - 1);
  }
  emit columnsChanged();
}

}  // namespace tunelot
