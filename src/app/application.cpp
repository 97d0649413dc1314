#include "app/application.h"

#include "app/about_box.h"
#include "app/form_tunelot.h"
#include "app/help_window.h"
#include "platform/file_copy.h"
#include "platform/version_record.h"
#include "platform/volume_space.h"
#include "widgets/dialogs.h"

namespace tunelot {

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
  const QString version = QString::fromStdString(ReadVersionString(RunningProgramPath()));

  QtDialogs dialogs;
  application.SetErrorReport(&dialogs);
  SystemFileCopier copier;
  SystemSpaceQuery spaceQuery;
  TFormTunelot form(FormServices{&dialogs, &copier, &spaceQuery}, version);
  dialogs.SetOwner(&form);
  TAboutBox about(version, &form);
  TFormTunelotHelp help(&form);
  form.SetAboutBox(&about);
  form.SetHelpWindow(&help);

  form.show();
  return application.exec();
}

}  // namespace tunelot
