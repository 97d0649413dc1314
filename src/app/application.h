#pragma once

#include <QApplication>

namespace tunelot {

class Dialogs;

// The application object. An error that escapes every handler ends up here and is shown
// in the error report; the event loop then goes on.
class TunelotApplication : public QApplication {
 public:
  TunelotApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
  void SetErrorReport(Dialogs* dialogs) { dialogs_ = dialogs; }

 private:
  Dialogs* dialogs_ = nullptr;
};

// Start-up: the version string, the main window, the About box and the help window, then
// the event loop until the main window closes.
int RunTunelot(int argc, char** argv);

}  // namespace tunelot
