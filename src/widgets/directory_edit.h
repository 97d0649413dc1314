#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace tunelot {

class Dialogs;

// A one-line path box with its caption above it and a browse button at its right end that
// opens the folder picker (also on F4).
class DirectoryEdit : public QWidget {
  Q_OBJECT

 public:
  DirectoryEdit(const QString& caption, Dialogs& dialogs, QWidget* parent);

  QString text() const { return edit_->text(); }
  void setText(const QString& text) { edit_->setText(text); }
  QLineEdit* lineEdit() const { return edit_; }
  QToolButton* browseButton() const { return browse_; }
  QLabel* captionLabel() const { return caption_; }

  // Opens the folder picker at the box's folder and takes the chosen folder when it differs.
  void Browse();

  static constexpr int kButtonWidth = 18;
  static constexpr int kCaptionGap = 4;

 signals:
  // Every change of the text, typed or picked.
  void changed();
  // Each character typed, as its code; Enter gives 13.
  void keyPressed(int code);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceCaption();

  Dialogs& dialogs_;
  QLabel* caption_;
  QLineEdit* edit_;
  QToolButton* browse_;
};

// Where the folder picker starts: the box's folder without a trailing separator, or the
// current folder when the box is empty.
QString FolderPickerStart(const QString& boxText);

}  // namespace tunelot
