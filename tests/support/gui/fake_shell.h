#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "actions/play_rules.h"
#include "widgets/shell.h"

namespace tunelot::testing {

// Records what is handed to the shell and answers as scripted: an association or none, and
// a start that works or fails with a shell code.
class FakeShell : public Shell {
 public:
  bool HasAssociation(const std::string& path) override {
    asked.push_back(path);
    return hasAssociation;
  }
  bool OpenWithAssociation(const std::string& path, const std::string& argument,
                           QString& errorText) override {
    started.push_back(path);
    arguments.push_back(argument);
    if (!associationFailure) return true;
    errorText = QString::fromStdString(ShellErrorText(*associationFailure));
    return false;
  }
  bool OpenWithChooser(const std::string& path, QString& errorText) override {
    chosen.push_back(path);
    errorText.clear();
    if (!chooserFailure) return true;
    errorText = QString::fromStdString(ChooserErrorText(*chooserFailure));
    return false;
  }
  void OpenDocument(const QString& address) override { documents << address; }

  bool hasAssociation = true;
  std::optional<int> associationFailure;  // the shell code of a failed start
  std::optional<int> chooserFailure;
  std::vector<std::string> asked;
  std::vector<std::string> started;
  std::vector<std::string> arguments;
  std::vector<std::string> chosen;
  QStringList documents;
};

}  // namespace tunelot::testing
