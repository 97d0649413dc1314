// Filling, moving and arranging the two lists, and how the lists react to the mouse.
#include <QApplication>

#include "app/form_tunelot.h"
#include "lists/folder_scan.h"
#include "lists/moving.h"
#include "lists/random_source.h"
#include "lists/text_rules.h"
#include "widgets/dialogs.h"
#include "widgets/qt_text.h"
#include "widgets/screen_cursor.h"

namespace tunelot {
namespace {

constexpr int kDragDistance = 100;
constexpr char kInputPathMissing[] = "Input path must be selected";
constexpr char kRemoveQuestion[] = "Remove selected files from List";
constexpr char kClearQuestion[] = "Clear List";

}  // namespace

void TFormTunelot::GetFiles() {
  const std::string boxText = FromQt(ReadFrom->text());
  if (IsBlank(boxText)) {
    services_.dialogs->Information(kInputPathMissing);
    return;
  }
  HourglassCursor hourglass;
  {
    UpdateBracket bracket(inputList_);
    AppendFoundPaths(ScanFolderPath(boxText));
    SortInputList();
  }
  RefreshStatusLine(AdvListView1);
}

// The found list goes before the sort, which needs room of its own on a large tree.
void TFormTunelot::AppendFoundPaths(const std::string& folderPath) {
  std::vector<std::string> found;
  ScanFolder(folderPath, ".MP3", found);
  AppendNewPaths(inputList_, found);
}

void TFormTunelot::BitBtnSelectClick() {
  GetFiles();
  AdvListView1->setEnabled(true);
}

void TFormTunelot::ReadFromKeyPress(int key) {
  if (key == 13) GetFiles();
}

void TFormTunelot::SortInputList() { SortByCollation(inputList_, collator_); }

void TFormTunelot::RefreshStatusLine(FileListView* list) {
  const bool input = list == AdvListView1;
  const std::string text = StatusLineText(list->list(), input ? ListRole::Input : ListRole::Output);
  QLabel* label = input ? Label2 : Label3;
  label->setText(ToQt(text));
  label->adjustSize();
}

void TFormTunelot::RefreshStatusLines(FileListView* first, FileListView* second) {
  RefreshStatusLine(first);
  RefreshStatusLine(second);
}

void TFormTunelot::MoveSelected(FileListView* giving, FileListView* receiving) {
  tunelot::MoveSelected(giving->list(), receiving->list());
  SortInputList();
  RefreshStatusLines(receiving, giving);
}

void TFormTunelot::fcShapeBtnMoveToOutputClick() {
  if (!inputList_.Empty()) MoveSelected(AdvListView1, AdvListView2);
}

void TFormTunelot::fcShapeBtnMoveToInputClick() {
  if (!outputList_.Empty()) MoveSelected(AdvListView2, AdvListView1);
  AdvListView1->setEnabled(!inputList_.Empty());
}

void TFormTunelot::AdvListView1DblClick() { MoveSelected(AdvListView1, AdvListView2); }

void TFormTunelot::AdvListView2DblClick() { MoveSelected(AdvListView2, AdvListView1); }

void TFormTunelot::fcShapeBtnUpClick() { MoveCurrentUp(outputList_); }

void TFormTunelot::fcShapeBtnDownClick() { MoveCurrentDown(outputList_); }

void TFormTunelot::Randomize1Click() {
  ClockSeededRandom random;
  if (const auto refusal = ShuffleList(outputList_, random)) {
    services_.dialogs->Information(ToQt(*refusal));
  }
}

FileListView* TFormTunelot::FocusedList() const {
  QWidget* focus = QApplication::focusWidget();
  if (focus == AdvListView1 || focus == AdvListView2) return static_cast<FileListView*>(focus);
  return nullptr;
}

void TFormTunelot::Selectallfiles1Click() {
  if (FileListView* list = FocusedList()) list->list().SelectAll();
}

void TFormTunelot::RemoveSelectedAfterConfirmation(FileListView* list) {
  if (services_.dialogs->Confirm(kRemoveQuestion)) {
    list->list().RemoveSelected();
    if (list == AdvListView1) SortInputList();
  }
  RefreshStatusLine(list);
}

void TFormTunelot::ClearAfterConfirmation(FileListView* list) {
  if (services_.dialogs->Confirm(kClearQuestion)) list->list().Clear();
  RefreshStatusLine(list);
}

void TFormTunelot::RemoveSelectedInputListClick() { RemoveSelectedAfterConfirmation(AdvListView1); }

void TFormTunelot::RemoveSelectedOutputListClick() {
  RemoveSelectedAfterConfirmation(AdvListView2);
}

void TFormTunelot::ClearList1Click() { ClearAfterConfirmation(AdvListView1); }

void TFormTunelot::ClearList2Click() { ClearAfterConfirmation(AdvListView2); }

void TFormTunelot::SortByHeader(FileListView* list, HeaderSortState& state) {
  const bool ascending = state.NextClick();
  SortByBytes(list->list(), ascending);
  list->sortHeader()->SetArrow(ascending ? SortHeader::Arrow::Up : SortHeader::Arrow::Down);
}

void TFormTunelot::AdvListView1ColumnClick() { SortByHeader(AdvListView1, inputSort_); }

void TFormTunelot::AdvListView2ColumnClick() { SortByHeader(AdvListView2, outputSort_); }

void TFormTunelot::PopupMenu1Popup() {
  const bool any = !inputList_.Empty();
  const bool selected = any && inputList_.SelectedCount() >= 1;
  Selectallfiles1->setEnabled(any);
  RemoveSelectedInputList->setEnabled(selected);
  ClearList1->setEnabled(any);
  PrintList1->setEnabled(any);
  Play1->setEnabled(selected);
  RandomizeSelection1->setEnabled(any);
}

void TFormTunelot::PopupMenu2Popup() {
  const std::size_t count = outputList_.Count();
  const bool selected = count >= 1 && outputList_.SelectedCount() >= 1;
  RemoveSelectedOutputList->setEnabled(selected);
  ClearList2->setEnabled(count >= 1);
  PrintList2->setEnabled(count >= 1);
  Savelisttofile1->setEnabled(count >= 2);
  Play2->setEnabled(selected);
  Randomize1->setEnabled(count >= 2);
}

void TFormTunelot::AdvListView1MouseDown(FileListView* list, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  SetScreenCursor(CursorShape::Drag);
  list->ArmDrag(kDragDistance);
}

void TFormTunelot::AdvListView1MouseUp(Qt::MouseButton) { SetScreenCursor(CursorShape::Arrow); }

void TFormTunelot::AdvListView1DragOver(FileListView* source, bool& accept) {
  accept = source == AdvListView1 || source == AdvListView2;
}

void TFormTunelot::AdvListView2DragOver(FileListView* source, bool& accept) {
  accept = source == AdvListView1 || source == AdvListView2;
}

void TFormTunelot::AdvListView1DragDrop(FileListView*) { MoveSelected(AdvListView2, AdvListView1); }

void TFormTunelot::AdvListView2DragDrop(FileListView*) { MoveSelected(AdvListView1, AdvListView2); }

}  // namespace tunelot
