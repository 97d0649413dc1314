// Saving and loading the output list, and paths through the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/form_tunelot.h"
#include "exchange/clipboard_text.h"
#include "exchange/list_file.h"
#include "platform/errors.h"
#include "widgets/dialogs.h"
#include "widgets/qt_text.h"

namespace tunelot {
namespace {

constexpr char kListFilter[] = "Text Files|*.txt";
constexpr char kListOrAnyFilter[] = "Text Files|*.txt|All Files|*.*";
constexpr char kLoadFailed[] = "File could not be loaded.\r\n";
constexpr char kPasteFailed[] = "Invalid information to PASTE";

}  // namespace

void TFormTunelot::Savelisttofile1Click() {
  FileDialogRequest request{kListFilter, lastSaveName_, true};
  const std::optional<QString> chosen = services_.dialogs->SaveFile(request);
  if (!chosen) return;
  lastSaveName_ = *chosen;
  WriteListFile(outputList_, FromQt(*chosen));
}

void TFormTunelot::Loadlistfromfile1Click() {
  FileDialogRequest request{kListOrAnyFilter, lastOpenName_, false};
  const std::optional<QString> chosen = services_.dialogs->OpenFile(request);
  if (!chosen) return;
  lastOpenName_ = *chosen;
  try {
    UpdateBracket bracket(outputList_);
    outputList_.Clear();
    ReadListFile(outputList_, FromQt(*chosen));
    outputList_.SetColumnCaption(0, "File");
  } catch (const ListFileError& error) {
    services_.dialogs->Error(kLoadFailed + QString::fromLocal8Bit(error.what()));
    return;
  }
  try {
    RefreshStatusLine(AdvListView2);
  } catch (const FileOpenError& error) {
    services_.dialogs->Error(kLoadFailed + QString::fromLocal8Bit(error.what()));
  }
}

void TFormTunelot::Copy1Click() {
  QGuiApplication::clipboard()->setText(ToQt(CopyText(inputList_)));
}

void TFormTunelot::Paste1Click() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  try {
    if (data != nullptr && data->hasText()) {
      if (PasteIntoList(outputList_, FromQt(data->text())) > 0) AdvListView2->scrollToBottom();
    }
    RefreshStatusLine(AdvListView2);
  } catch (const PasteError&) {
    services_.dialogs->Error(kPasteFailed);
  } catch (const FileOpenError&) {
    services_.dialogs->Error(kPasteFailed);
  }
}

}  // namespace tunelot
