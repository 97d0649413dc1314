#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>

namespace tunelot {

// How the user answered the error report.
enum class ErrorReportChoice { Continue, CloseProgram };

// What a file dialog shows and proposes.
struct FileDialogRequest {
  QString filter;        // "Text Files|*.txt|All Files|*.*"
  QString proposedName;  // the name last confirmed in this dialog
  bool confirmOverwrite = false;
};

// Every modal box and dialog of the program, so tests can answer them from a script.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Information(const QString& text) = 0;
  virtual void Error(const QString& text) = 0;
  // True for Yes.
  virtual bool Confirm(const QString& text) = 0;
  virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
  // Opens at `startFolder`, placed by `anchor` (the box's rectangle on the screen).
  virtual std::optional<QString> PickFolder(const QString& startFolder, const QRect& anchor) = 0;
  // The application-wide report of an error that no operation handles.
  virtual ErrorReportChoice ReportError(const QString& message) = 0;
};

// The real boxes: QMessageBox and QFileDialog with the program's titles and buttons.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }

  void Information(const QString& text) override;
  void Error(const QString& text) override;
  bool Confirm(const QString& text) override;
  std::optional<QString> OpenFile(const FileDialogRequest& request) override;
  std::optional<QString> SaveFile(const FileDialogRequest& request) override;
  std::optional<QString> PickFolder(const QString& startFolder, const QRect& anchor) override;
  ErrorReportChoice ReportError(const QString& message) override;

 private:
  QWidget* owner_;
};

// "Text Files|*.txt|All Files|*.*" as Qt writes filters: "Text Files (*.txt);;All Files (*)".
QString QtFileFilter(const QString& filter);

// Where the folder picker goes: below the box, moved left or above it at the screen's edges.
QRect FolderPickerPlace(const QRect& anchor, const QSize& size, const QRect& screen);

}  // namespace tunelot
