#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "widgets/dialogs.h"

namespace tunelot::testing {

// Records every box the window shows and answers from a script; an unscripted question
// is answered No, and an unscripted file dialog is cancelled.
class FakeDialogs : public Dialogs {
 public:
  struct Shown {
    QString kind;  // "information", "error", "confirm", "report"
    QString text;
  };

  void Information(const QString& text) override { shown.push_back({"information", text}); }
  void Error(const QString& text) override { shown.push_back({"error", text}); }
  bool Confirm(const QString& text) override {
    shown.push_back({"confirm", text});
    return Next(answers, false);
  }
  std::optional<QString> OpenFile(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return Next(openAnswers, std::optional<QString>());
  }
  std::optional<QString> SaveFile(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return Next(saveAnswers, std::optional<QString>());
  }
  std::optional<QString> PickFolder(const QString& startFolder, const QRect&) override {
    pickerStarts.push_back(startFolder);
    return Next(folderAnswers, std::optional<QString>());
  }
  ErrorReportChoice ReportError(const QString& message) override {
    shown.push_back({"report", message});
    return ErrorReportChoice::Continue;
  }

  // The texts shown, in order, each as "kind: text".
  QStringList Log() const {
    QStringList log;
    for (const Shown& box : shown) log << box.kind + ": " + box.text;
    return log;
  }

  std::deque<bool> answers;
  std::deque<std::optional<QString>> openAnswers;
  std::deque<std::optional<QString>> saveAnswers;
  std::deque<std::optional<QString>> folderAnswers;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;
  QStringList pickerStarts;
  std::vector<Shown> shown;

 private:
  template <typename T>
  static T Next(std::deque<T>& script, T fallback) {
    if (script.empty()) return fallback;
    T next = script.front();
    script.pop_front();
    return next;
  }
};

}  // namespace tunelot::testing
