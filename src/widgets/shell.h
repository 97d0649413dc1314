#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop_entry.h"

namespace tunelot {

// Hands files and web addresses to other applications. A seam, so tests see what was
// handed over and can make a start fail.
class Shell {
 public:
  virtual ~Shell() = default;
  // Whether the system names an application for the file; never for a missing file.
  virtual bool HasAssociation(const std::string& path) = 0;
  // Starts the file's application with the file, and `argument` when it is not empty, and
  // returns at once. On false `errorText` holds the message.
  virtual bool OpenWithAssociation(const std::string& path, const std::string& argument,
                                   QString& errorText) = 0;
  // Lets the user choose an application for the file and starts it; true also when the
  // user closes the chooser without a choice. On false `errorText` holds the message.
  virtual bool OpenWithChooser(const std::string& path, QString& errorText) = 0;
  // Opens a document or web address; whether that worked is not reported.
  virtual void OpenDocument(const QString& address) = 0;
};

// The desktop's shell: the XDG associations of the environment at each call, applications
// started detached, and our own "Open With" window as the chooser.
class DesktopShell : public Shell {
 public:
  explicit DesktopShell(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }

  bool HasAssociation(const std::string& path) override;
  bool OpenWithAssociation(const std::string& path, const std::string& argument,
                           QString& errorText) override;
  bool OpenWithChooser(const std::string& path, QString& errorText) override;
  void OpenDocument(const QString& address) override;

 protected:
  // The application the user picks from `apps` for `path`; nullopt when the user cancels.
  virtual std::optional<DesktopApp> AskForApplication(const std::vector<DesktopApp>& apps,
                                                      const std::string& path);

 private:
  QWidget* owner_;
};

// Starts `app` for `path`, followed by `argument` when it is not empty, without waiting for
// it. Nothing when it started; otherwise the shell code nearest to the cause, 31 when the
// application names no program to run.
std::optional<int> StartApplication(const DesktopApp& app, const std::string& path,
                                    const std::string& argument = {});

}  // namespace tunelot
