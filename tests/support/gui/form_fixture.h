#pragma once

#include <QApplication>
#include <QTest>
#include <memory>

#include "app/form_tunelot.h"
#include "platform/file_copy.h"
#include "platform/volume_space.h"
#include "support/gui/fake_dialogs.h"
#include "support/gui/fake_report.h"
#include "support/gui/fake_shell.h"

namespace tunelot::testing {

// A space query that answers with fixed values and records what it was asked.
class FakeSpaceQuery : public SpaceQuery {
 public:
  VolumeSpace Query(const std::string& outputPath) override {
    asked.push_back(outputPath);
    return space;
  }
  VolumeSpace space{1000, 2000};
  std::vector<std::string> asked;
};

// A fresh main window with fake boxes, shown and ready for events.
struct FormFixture {
  explicit FormFixture(const QString& version = "1.0.0.3")
      : form(std::make_unique<TFormTunelot>(
            FormServices{&dialogs, &copier, &space, &shell, &reportOutput}, version)) {
    form->show();
    QApplication::setActiveWindow(form.get());
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(form.get());
  }

  FakeDialogs dialogs;
  SystemFileCopier copier;
  FakeSpaceQuery space;
  FakeShell shell;
  DirectReportOutput reportOutput;
  std::unique_ptr<TFormTunelot> form;
};

}  // namespace tunelot::testing
