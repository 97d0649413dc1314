#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <functional>
#include <memory>

#include "app/form_services.h"
#include "lists/file_list.h"
#include "lists/list_order.h"
#include "lists/status_line.h"
#include "platform/collation.h"
#include "widgets/arrow_button.h"
#include "widgets/directory_edit.h"
#include "widgets/file_list_view.h"
#include "widgets/gauge.h"
#include "widgets/report_printer.h"

namespace tunelot {

// The program's working window: the input list on the left, the output list on the right,
// a path box above each, the arrow buttons between them and the copy progress below.
class TFormTunelot : public QMainWindow {
  Q_OBJECT

 public:
  TFormTunelot(FormServices services, const QString& versionString, QWidget* parent = nullptr);
  ~TFormTunelot() override;

  FileList& inputList() { return inputList_; }
  FileList& outputList() { return outputList_; }

  // Controls, named as the program's documents name them.
  DirectoryEdit* ReadFrom;
  QPushButton* BitBtnSelect;
  DirectoryEdit* SaveTo;
  QPushButton* BitBtnCopy;
  QLabel* LabelSize;
  FileListView* AdvListView1;
  ArrowButton* fcShapeBtnMoveToOutput;
  ArrowButton* fcShapeBtnMoveToInput;
  FileListView* AdvListView2;
  ArrowButton* fcShapeBtnUp;
  ArrowButton* fcShapeBtnDown;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label1;
  Gauge* Gauge1;

  QMenu* File1;
  QAction* Open1;
  QAction* Save1;
  QAction* Play3;
  QAction* Exit1;
  QMenu* Edit1;
  QAction* SelectAll1;
  QAction* Copy1;
  QAction* Paste1;
  QMenu* Help1;
  QAction* HelpContents1;
  QAction* About1;

  QMenu* PopupMenu1;
  QAction* Selectallfiles1;
  QAction* RemoveSelectedInputList;
  QAction* ClearList1;
  QAction* PrintList1;
  QAction* N1;
  QAction* Play1;
  QAction* RandomizeSelection1;

  QMenu* PopupMenu2;
  QAction* RemoveSelectedOutputList;
  QAction* ClearList2;
  QAction* PrintList2;
  QAction* N3;
  QAction* Loadlistfromfile1;
  QAction* Savelisttofile1;
  QAction* N2;
  QAction* Play2;
  QAction* Randomize1;

  ReportPrinter* PdtPrintDAT1;

  // Event handlers.
  void FormCreate();
  void FormShow();
  void BitBtnSelectClick();
  void ReadFromKeyPress(int key);
  void SaveToChange();
  void BitBtnCopyClick();
  void fcShapeBtnMoveToOutputClick();
  void fcShapeBtnMoveToInputClick();
  void fcShapeBtnUpClick();
  void fcShapeBtnDownClick();
  void AdvListView1DblClick();
  void AdvListView2DblClick();
  void AdvListView1MouseDown(FileListView* list, Qt::MouseButton button);
  void AdvListView1MouseUp(Qt::MouseButton button);
  void AdvListView1DragOver(FileListView* source, bool& accept);
  void AdvListView2DragOver(FileListView* source, bool& accept);
  void AdvListView1DragDrop(FileListView* source);
  void AdvListView2DragDrop(FileListView* source);
  void AdvListView1ColumnClick();
  void AdvListView2ColumnClick();
  void PopupMenu1Popup();
  void PopupMenu2Popup();
  void Selectallfiles1Click();
  void RemoveSelectedInputListClick();
  void ClearList1Click();
  void PrintList1Click();
  void Play1Click();
  void RandomizeSelection1Click();
  void RemoveSelectedOutputListClick();
  void ClearList2Click();
  void PrintList2Click();
  void Loadlistfromfile1Click();
  void Savelisttofile1Click();
  void Play2Click();
  void Randomize1Click();
  void Exit1Click();
  void Copy1Click();
  void Paste1Click();
  void HelpContents1Click();
  void About1Click();

  // Operations behind the handlers.
  void GetFiles();
  void MoveSelected(FileListView* giving, FileListView* receiving);
  void RefreshStatusLine(FileListView* list);
  void PlaySelected(FileListView* list);
  void PlayFile(const std::string& path);
  // True when an application was started; otherwise `errorText` holds the message.
  bool OpenWithAssociation(const std::string& path, const std::string& argument,
                           QString& errorText);
  void PdtPrintDAT1AfterOptionsLoaded(ReportPrinter& sender, ReportSettings& settings);

  void SetHelpWindow(QDialog* help) { helpWindow_ = help; }
  void SetAboutBox(QDialog* about) { aboutBox_ = about; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateMenus();
  void CreateContextMenus();
  void SetTabOrder();
  void ConnectHandlers();
  void KeepWindowShortcuts();
  // Runs a handler; an error that it does not handle goes to the error report.
  void Run(const std::function<void()>& handler);
  void ReportError(const std::exception& error);
  void SortInputList();
  void AppendFoundPaths(const std::string& folderPath);
  void RemoveSelectedAfterConfirmation(FileListView* list);
  void ClearAfterConfirmation(FileListView* list);
  void SortByHeader(FileListView* list, HeaderSortState& state);
  void RefreshStatusLines(FileListView* first, FileListView* second);
  FileListView* FocusedList() const;
  ReportPrinter* CreatePdtPrintDAT1();
  void PrintList(const FileList& list, const QString& emptyMessage);

  FormServices services_;
  QString versionString_;
  FileList inputList_;
  FileList outputList_;
  Collator collator_;
  HeaderSortState inputSort_;
  HeaderSortState outputSort_;
  bool copyRunning_ = false;
  bool closeRequested_ = false;
  QString lastOpenName_;
  QString lastSaveName_;
  QDialog* helpWindow_ = nullptr;
  QDialog* aboutBox_ = nullptr;
};

}  // namespace tunelot
