// Whole-process helpers of the benchmark, each ending once its window has been shown:
//   bare            an empty main window: what any Qt Widgets program pays to start;
//   window ENTRIES  Tunelot's main window after its input list took that many found songs
//                   as "Get files" takes them (insert and sort), printing the peak memory
//                   in MiB of the lists, their model and view and the operation itself.
#include <QApplication>
#include <QMainWindow>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/form_tunelot.h"
#include "lists/folder_scan.h"
#include "lists/list_order.h"
#include "peak_memory.h"
#include "platform/collation.h"
#include "platform/file_copy.h"
#include "platform/volume_space.h"
#include "song_names.h"
#include "widgets/dialogs.h"

namespace {

// Ends the event loop once the window has been painted for the first time, as Tunelot
// does with TUNELOT_QUIT_AFTER_SHOW.
class QuitAfterFirstPaint : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) QCoreApplication::exit(0);
    return false;
  }
};

int ShowAndQuit(QApplication& application, QWidget& window) {
  QuitAfterFirstPaint quit;
  window.installEventFilter(&quit);
  window.show();
  const int result = application.exec();
  window.removeEventFilter(&quit);
  return result;
}

int BareWindow(QApplication& application) {
  QMainWindow window;
  return ShowAndQuit(application, window);
}

void TakeFoundSongs(tunelot::FileList& input, std::size_t count) {
  std::vector<std::string> found;
  for (std::size_t i = 0; i < count; ++i) {
    found.push_back(tunelot::bench::SongPath("/home/user/Music", i));
  }
  tunelot::UpdateBracket bracket(input);
  tunelot::AppendNewPaths(input, found);
  tunelot::SortByCollation(input, tunelot::Collator());
}

int FullWindow(QApplication& application, std::size_t entries) {
  tunelot::QtDialogs dialogs;
  tunelot::SystemFileCopier copier;
  tunelot::SystemSpaceQuery spaceQuery;
  tunelot::TFormTunelot form(tunelot::FormServices{&dialogs, &copier, &spaceQuery}, "0.0.0.0");
  TakeFoundSongs(form.inputList(), entries);
  const int result = ShowAndQuit(application, form);
  std::cout << tunelot::bench::PeakMebibytes() << "\n";
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc == 2 && std::strcmp(argv[1], "bare") == 0) return BareWindow(application);
  if (argc == 3 && std::strcmp(argv[1], "window") == 0) {
    return FullWindow(application, std::strtoul(argv[2], nullptr, 10));
  }
  std::cerr << "usage: bench_gui_helper bare | window ENTRIES\n";
  return 2;
}
