#include "widgets/shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "actions/play_rules.h"
#include "platform/desktop_apps.h"
#include "platform/mime_types.h"
#include "platform/path_style.h"
#include "widgets/open_with_dialog.h"
#include "widgets/qt_text.h"

namespace tunelot {
namespace {

constexpr int kNoAssociationCode = 31;
constexpr int kUnknownCode = 0;

}  // namespace

std::optional<int> StartApplication(const DesktopApp& app, const std::string& path,
                                    const std::string& argument) {
  std::vector<std::string> arguments = ExecArguments(app, path);
  if (arguments.empty()) return kNoAssociationCode;
  if (!argument.empty()) arguments.push_back(argument);
  // The process start only says that it failed; the cause is found out before.
  if (const int problem = ProgramProblem(arguments.front())) return ShellCodeForErrno(problem);
  QProcess process;
  process.setProgram(ToQt(arguments.front()));
  QStringList rest;
  for (std::size_t i = 1; i < arguments.size(); ++i) rest << ToQt(arguments[i]);
  process.setArguments(rest);
  process.setStandardInputFile(QProcess::nullDevice());
  if (!process.startDetached()) return kUnknownCode;
  return std::nullopt;
}

bool DesktopShell::HasAssociation(const std::string& path) {
  return AssociatedApp(XdgDirs::FromEnvironment(), path).has_value();
}

bool DesktopShell::OpenWithAssociation(const std::string& path, const std::string& argument,
                                       QString& errorText) {
  const std::optional<DesktopApp> app = AssociatedApp(XdgDirs::FromEnvironment(), path);
  const std::optional<int> failure =
      app ? StartApplication(*app, path, argument) : std::optional<int>(kNoAssociationCode);
  if (failure) errorText = ToQt(ShellErrorText(*failure));
  return !failure;
}

bool DesktopShell::OpenWithChooser(const std::string& path, QString& errorText) {
  errorText.clear();
  const XdgDirs dirs = XdgDirs::FromEnvironment();
  const std::optional<DesktopApp> chosen =
      AskForApplication(ChooserApps(dirs, MimeTypesForFileName(dirs, path)), path);
  if (!chosen) return true;
  const std::optional<int> failure = StartApplication(*chosen, path);
  if (failure) errorText = ToQt(ChooserErrorText(*failure));
  return !failure;
}

void DesktopShell::OpenDocument(const QString& address) {
  QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

std::optional<DesktopApp> DesktopShell::AskForApplication(const std::vector<DesktopApp>& apps,
                                                          const std::string& path) {
  OpenWithDialog dialog(apps, ToQt(FileNamePart(path)), owner_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace tunelot
