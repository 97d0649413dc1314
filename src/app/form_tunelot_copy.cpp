// The copy job, and the output drive's free space with the random fill.
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <thread>

#include "actions/copy_job.h"
#include "app/form_tunelot.h"
#include "lists/random_fill.h"
#include "lists/random_source.h"
#include "platform/file_copy.h"
#include "platform/volume_space.h"
#include "widgets/dialogs.h"
#include "widgets/qt_text.h"
#include "widgets/screen_cursor.h"

namespace tunelot {
namespace {

std::vector<std::string> PathsOf(const FileList& list) {
  std::vector<std::string> paths;
  paths.reserve(list.Count());
  for (const Entry& entry : list.Entries()) paths.push_back(entry.path);
  return paths;
}

// Copies one file on a worker thread while the window goes on handling its events, so it
// repaints during a long copy; the job still waits for each file before the next.
void CopyWhileWindowRuns(CopyJob& job, std::size_t index, FileCopier& copier) {
  QEventLoop loop;
  std::thread worker([&] {
    job.CopyOne(index, copier);
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
}

}  // namespace

// The job copies the output list as it stood when the job started: the window stays usable
// between files, and changes made meanwhile apply to the next job. A second click while a
// job runs does nothing, and closing the window lets the current file finish first.
void TFormTunelot::BitBtnCopyClick() {
  if (copyRunning_) return;
  const std::string outputPath = FromQt(SaveTo->text());
  if (const auto refusal = CopyRefusal(outputPath)) {
    services_.dialogs->Information(ToQt(*refusal));
    return;
  }
  copyRunning_ = true;
  SetScreenCursor(CursorShape::Hourglass);
  CopyJob job(PathsOf(outputList_), outputPath);
  Gauge1->setMinValue(0);
  Gauge1->setMaxValue(static_cast<int>(job.Count()));
  Gauge1->setProgress(0);
  Label1->show();
  Gauge1->show();
  QApplication::processEvents();
  for (std::size_t i = 0; i < job.Count() && !closeRequested_; ++i) {
    Label1->setText(ToQt(job.LabelText(i)));
    QApplication::processEvents();
    CopyWhileWindowRuns(job, i, *services_.copier);
    Gauge1->addProgress(1);
  }
  const CopyEndMessage end = job.Finish(*services_.copier);
  Label1->hide();
  Gauge1->hide();
  SetScreenCursor(CursorShape::Default);
  copyRunning_ = false;
  if (closeRequested_) {
    close();
    return;
  }
  if (end.isError) {
    services_.dialogs->Error(ToQt(end.text));
  } else {
    services_.dialogs->Information(ToQt(end.text));
  }
}

void TFormTunelot::closeEvent(QCloseEvent* event) {
  if (copyRunning_) {
    closeRequested_ = true;
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void TFormTunelot::SaveToChange() {
  LabelSize->setText(ToQt(FreeSpaceLabelText(services_.spaceQuery->Query(FromQt(SaveTo->text())))));
  LabelSize->adjustSize();
}

void TFormTunelot::RandomizeSelection1Click() {
  ClockSeededRandom random;
  if (const auto refusal = RandomizeSelection(inputList_, outputList_, FromQt(SaveTo->text()),
                                              *services_.spaceQuery, random)) {
    services_.dialogs->Information(ToQt(*refusal));
  }
}

}  // namespace tunelot
