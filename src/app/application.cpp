#include "app/application.h"

#include "app/about_box.h"
#include "app/form_tunelot.h"
#include "app/help_window.h"
#include "app/program_resources.h"
#include "platform/file_copy.h"
#include "platform/version_record.h"
#include "platform/volume_space.h"
#include "widgets/dialogs.h"
#include "widgets/print_target.h"
#include "widgets/shell.h"

namespace tunelot {
namespace {

// A benchmarking aid: with TUNELOT_QUIT_AFTER_SHOW set, the program ends once its window
// has been painted for the first time, so that start-up can be timed from outside.
class QuitAfterFirstPaint : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) QCoreApplication::exit(0);
    return false;
  }
};

}  // namespace

TunelotApplication::TunelotApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TunelotApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    if (dialogs_ == nullptr) throw;
    if (dialogs_->ReportError(QString::fromLocal8Bit(error.what())) ==
        ErrorReportChoice::CloseProgram) {
      quit();
    }
    return true;
  }
}

int RunTunelot(int argc, char** argv) {
  TunelotApplication application(argc, argv);
  TunelotApplication::setApplicationName("tunelot");
  TunelotApplication::setDesktopFileName("tunelot");
  TunelotApplication::setWindowIcon(ProgramIcon());
  const QString version = QString::fromStdString(ReadVersionString(RunningProgramPath()));

  QtDialogs dialogs;
  application.SetErrorReport(&dialogs);
  SystemFileCopier copier;
  SystemSpaceQuery spaceQuery;
  DesktopShell shell;
  TFormTunelot form(FormServices{&dialogs, &copier, &spaceQuery, &shell}, version);
  dialogs.SetOwner(&form);
  shell.SetOwner(&form);
  SystemPrintTarget printTarget;
  TAboutBox about(version, shell, &form);
  TFormTunelotHelp help(printTarget, &form);
  form.SetAboutBox(&about);
  form.SetHelpWindow(&help);

  QuitAfterFirstPaint quitAfterFirstPaint;
  if (qEnvironmentVariableIsSet("TUNELOT_QUIT_AFTER_SHOW")) {
    form.installEventFilter(&quitAfterFirstPaint);
  }
  form.show();
  return application.exec();
}

}  // namespace tunelot
