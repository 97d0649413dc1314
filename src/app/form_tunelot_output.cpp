// Playing a file, printing a list, and the help and About windows.
#include <QDialog>
#include <QListWidget>
#include <memory>

#include "actions/play_rules.h"
#include "app/form_tunelot.h"
#include "exchange/print_lines.h"
#include "lists/text_rules.h"
#include "widgets/dialogs.h"
#include "widgets/qt_text.h"
#include "widgets/screen_cursor.h"
#include "widgets/shell.h"

namespace tunelot {
namespace {

constexpr char kReportId[] = "(418.662)";

QStringList ItemTexts(const QListWidget& list) {
  QStringList texts;
  texts.reserve(list.count());
  for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
  return texts;
}

// The component keeps no rows of a print once it is over, also when an error ends it.
class RowsOfThisPrint {
 public:
  RowsOfThisPrint(ReportPrinter& printer, QStringList rows) : printer_(printer) {
    printer_.ObjectToPrint = std::move(rows);
  }
  ~RowsOfThisPrint() { printer_.ObjectToPrint.clear(); }
  RowsOfThisPrint(const RowsOfThisPrint&) = delete;
  RowsOfThisPrint& operator=(const RowsOfThisPrint&) = delete;

 private:
  ReportPrinter& printer_;
};

}  // namespace

void TFormTunelot::PlaySelected(FileListView* list) {
  const PlayChoice choice = ChoosePlayTarget(list->list());
  if (choice.refusal) {
    services_.dialogs->Information(ToQt(*choice.refusal));
    return;
  }
  PlayFile(choice.path);
}

void TFormTunelot::PlayFile(const std::string& path) {
  if (IsBlank(path)) {
    services_.dialogs->Information(kNoFileSelectedMessage);
    return;
  }
  QString errorText;
  if (OpenWithAssociation(path, {}, errorText)) return;
  // An empty error box would tell the user nothing.
  services_.dialogs->Error(errorText.isEmpty() ? ToQt(ShellErrorText(0)) : errorText);
}

bool TFormTunelot::OpenWithAssociation(const std::string& path, const std::string& argument,
                                       QString& errorText) {
  Shell& shell = *services_.shell;
  if (!shell.HasAssociation(path)) return shell.OpenWithChooser(path, errorText);
  const bool started = shell.OpenWithAssociation(path, argument, errorText);
  SetScreenCursor(CursorShape::Default);
  return started;
}

void TFormTunelot::Play1Click() { PlaySelected(AdvListView1); }

void TFormTunelot::Play2Click() { PlaySelected(AdvListView2); }

ReportPrinter* TFormTunelot::CreatePdtPrintDAT1() {
  auto* printer = new ReportPrinter(this);
  printer->setObjectName("PdtPrintDAT1");
  printer->ReportId = kReportId;
  printer->SetInteraction(services_.reportInteraction);
  printer->AfterOptionsLoaded = [this](ReportPrinter& sender, ReportSettings& settings) {
    PdtPrintDAT1AfterOptionsLoaded(sender, settings);
  };
  return printer;
}

void TFormTunelot::PrintList(const FileList& list, const QString& emptyMessage) {
  if (list.Empty()) {
    services_.dialogs->Information(emptyMessage);
    return;
  }
  const auto LListBox = std::make_unique<QListWidget>(this);
  LListBox->setObjectName("LListBox");
  LListBox->hide();
  for (const std::string& line : PrintLines(list)) LListBox->addItem(ToQt(line));
  const RowsOfThisPrint rows(*PdtPrintDAT1, ItemTexts(*LListBox));
  PdtPrintDAT1->Print();
}

void TFormTunelot::PrintList1Click() {
  PrintList(inputList_, "There are no files in the input list to print");
}

void TFormTunelot::PrintList2Click() {
  PrintList(outputList_, "There are no files in the output list to print");
}

void TFormTunelot::PdtPrintDAT1AfterOptionsLoaded(ReportPrinter&, ReportSettings& settings) {
  settings.memos[kReportTitle].text = SaveTo->text();
}

void TFormTunelot::HelpContents1Click() {
  if (helpWindow_ != nullptr) helpWindow_->exec();
}

void TFormTunelot::About1Click() {
  if (aboutBox_ != nullptr) aboutBox_->exec();
}

}  // namespace tunelot
