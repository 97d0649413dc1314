#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace tunelot {

// A text of a further column (1, 2, ...) and its image index.
struct Cell {
  std::string text;
  int image = -1;
};

// One file of a list: its path exactly as formed, the image index of column 0, the texts
// of further columns (subItems[0] is column 1), and the flags that travel with it.
struct Entry {
  Entry() = default;
  explicit Entry(std::string entryPath, int imageIndex = 0)
      : path(std::move(entryPath)), image(imageIndex) {}

  std::string path;
  int image = 0;
  std::vector<Cell> subItems;
  bool selected = false;
  bool focused = false;
};

struct Column {
  std::string caption;
  int width = 100;
  int minWidth = 10;
  int maxWidth = 500;
  bool autoSize = false;
};

// Told of changes once per update bracket, or at once outside a bracket.
class FileListObserver {
 public:
  virtual ~FileListObserver() = default;
  // Entries were added, removed, reordered or their texts changed.
  virtual void EntriesChanged() = 0;
  // Only selected flags or the focus mark changed.
  virtual void SelectionChanged() = 0;
  virtual void ColumnsChanged() = 0;
};

inline constexpr std::ptrdiff_t kNone = -1;

// An ordered list of file entries: the one source of truth, selection included, for a
// list view.
class FileList {
 public:
  explicit FileList(std::string firstCaption = "Files");

  std::size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  const Entry& At(std::size_t index) const { return entries_.at(index); }
  const std::vector<Entry>& Entries() const { return entries_; }

  void Append(Entry entry);
  void Insert(std::size_t index, Entry entry);
  Entry Take(std::size_t index);
  void Replace(std::size_t index, Entry entry);
  void RemoveSelected();
  void Clear();
  // Puts the entries in the order of `order`, a permutation of the indexes.
  void Reorder(const std::vector<std::size_t>& order);

  void SetSelected(std::size_t index, bool selected);
  void SelectAll();
  void ClearSelection();
  std::size_t SelectedCount() const;
  // The first selected entry, or kNone.
  std::ptrdiff_t CurrentIndex() const;
  std::ptrdiff_t FocusedIndex() const;
  // kNone takes the focus mark away.
  void SetFocused(std::ptrdiff_t index);

  std::size_t ColumnCount() const { return columns_.size(); }
  const Column& ColumnAt(std::size_t index) const { return columns_.at(index); }
  void AddColumn(std::string caption = {});
  void SetColumnCaption(std::size_t index, std::string caption);
  // The width as given; the clamps of a list file load are the reader's.
  void SetColumnWidth(std::size_t index, int width);

  bool SubImages() const { return subImages_; }
  void SetSubImages(bool on) { subImages_ = on; }

  // Holds back notifications until the outermost EndUpdate, which sends each kind once.
  void BeginUpdate();
  void EndUpdate();

  void AddObserver(FileListObserver* observer);
  void RemoveObserver(FileListObserver* observer);

 private:
  enum Change : unsigned { kEntries = 1, kSelection = 2, kColumns = 4 };
  void Changed(unsigned change);
  void Notify(unsigned change);

  std::vector<Entry> entries_;
  std::vector<Column> columns_;
  bool subImages_ = false;
  int updateDepth_ = 0;
  unsigned pending_ = 0;
  std::vector<FileListObserver*> observers_;
};

// Opens an update bracket for the lifetime of the guard, also when an error ends it early.
class UpdateBracket {
 public:
  explicit UpdateBracket(FileList& list) : list_(list) { list_.BeginUpdate(); }
  ~UpdateBracket() { list_.EndUpdate(); }
  UpdateBracket(const UpdateBracket&) = delete;
  UpdateBracket& operator=(const UpdateBracket&) = delete;

 private:
  FileList& list_;
};

}  // namespace tunelot
