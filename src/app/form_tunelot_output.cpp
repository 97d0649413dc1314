// Playing a file, printing a list, and the help and About windows.
#include <QDialog>

#include "actions/play_rules.h"
#include "app/form_tunelot.h"
#include "widgets/dialogs.h"
#include "widgets/qt_text.h"

namespace tunelot {

void TFormTunelot::PlaySelected(FileListView* list) {
  const PlayChoice choice = ChoosePlayTarget(list->list());
  if (choice.refusal) services_.dialogs->Information(ToQt(*choice.refusal));
}

void TFormTunelot::Play1Click() { PlaySelected(AdvListView1); }

void TFormTunelot::Play2Click() { PlaySelected(AdvListView2); }

void TFormTunelot::PrintList1Click() {
  if (inputList_.Empty())
    services_.dialogs->Information("There are no files in the input list to print");
}

void TFormTunelot::PrintList2Click() {
  if (outputList_.Empty()) {
    services_.dialogs->Information("There are no files in the output list to print");
  }
}

void TFormTunelot::HelpContents1Click() {
  if (helpWindow_ != nullptr) helpWindow_->exec();
}

void TFormTunelot::About1Click() {
  if (aboutBox_ != nullptr) aboutBox_->exec();
}

}  // namespace tunelot
