#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <optional>
#include <vector>

#include "platform/desktop_entry.h"

namespace tunelot {

// The "Open With" window: the installed applications, in the order given, of which the
// user picks one for a file; the first is picked to begin with.
class OpenWithDialog : public QDialog {
  Q_OBJECT

 public:
  OpenWithDialog(std::vector<DesktopApp> apps, const QString& fileName, QWidget* parent = nullptr);

  // The application picked, while one is.
  std::optional<DesktopApp> Chosen() const;

  QLabel* prompt;
  QListWidget* applications;
  QPushButton* openButton;

 private:
  void UpdateOpenButton();

  std::vector<DesktopApp> apps_;
};

}  // namespace tunelot
