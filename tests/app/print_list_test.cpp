#include <QContextMenuEvent>
#include <QListWidget>
#include <QtTest>
#include <stdexcept>

#include "support/gui/form_fixture.h"
#include "support/gui/pdf_text.h"
#include "support/gui/qtest_main.h"
#include "support/temp_dir.h"

namespace tunelot::testing {
namespace {

// Right-clicks the list and picks `item` from its context menu.
void ChooseFromContextMenu(FileListView* view, QMenu* menu, QAction* item) {
  const QPoint at(10, 10);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
  QApplication::sendEvent(view->viewport(), &event);
  QVERIFY(QTest::qWaitForWindowExposed(menu));
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

void Fill(FileList& list, const std::vector<std::string>& paths) {
  for (const std::string& path : paths) list.Append(Entry(path));
}

// A main window whose prints go to a PDF file through options stored for the report.
struct PrintFixture {
  explicit PrintFixture(ReportSettings stored = {}) {
    stored.output = ReportOutput::PdfFile;
    stored.outputFile = pdf;
    SaveReportOptions(options, "(418.662)", stored);
    fixture.form->PdtPrintDAT1->OptionsFile = options;
    fixture.form->AdvListView1->setEnabled(true);
  }

  TFormTunelot& form() { return *fixture.form; }
  void PrintOutputList() {
    ChooseFromContextMenu(form().AdvListView2, form().PopupMenu2, form().PrintList2);
  }
  void PrintInputList() {
    ChooseFromContextMenu(form().AdvListView1, form().PopupMenu1, form().PrintList1);
  }
  QList<QStringList> Printed() const { return PdfPageLines(pdf); }

  TempDir dir;
  const QString options = QString::fromStdString(dir / "config/options.ini");
  const QString pdf = QString::fromStdString(dir / "list.pdf");
  FormFixture fixture;
};

}  // namespace

class PrintListTest : public QObject {
  Q_OBJECT

 private slots:
  void PrintsTheFileNamesUnderTheOutputPathText() {
    PrintFixture print;
    Fill(print.form().outputList(),
         {"/m/b/Song.mp3", "/m/a/Live.At.Home.MP3", "/x/.MP3", "/x/Song.", "/y/Song.mp3"});
    print.form().SaveTo->setText(" E:\\Music ");
    print.PrintOutputList();
    QCOMPARE(print.fixture.reportOutput.jobs.size(), std::size_t{1});
    const ReportJob& job = print.fixture.reportOutput.jobs.front();
    QCOMPARE(job.reportId, QString("(418.662)"));
    QCOMPARE(job.settings.memos[kReportTitle].text, QString(" E:\\Music "));
    QCOMPARE(job.lines, QStringList({"Song", "Live.At.Home", "", "Song", "Song"}));
    QCOMPARE(print.Printed(),
             QList<QStringList>({{"E:\\Music", "Song", "Live.At.Home", "Song", "Song"}}));
    QVERIFY(print.fixture.dialogs.shown.empty());
  }

  void AnEmptyOutputPathGivesAnEmptyTitle() {
    PrintFixture print;
    Fill(print.form().outputList(), {"/m/one.mp3", "/m/two.mp3"});
    print.PrintOutputList();
    QVERIFY(print.fixture.reportOutput.jobs.front().settings.memos[kReportTitle].text.isEmpty());
    QCOMPARE(print.Printed(), QList<QStringList>({{"one", "two"}}));
  }

  void TheInputListPrintsInItsOrderOfFullPaths() {
    PrintFixture print;
    Fill(print.form().inputList(), {"/A/zebra.mp3", "/B/apple.mp3"});
    Fill(print.form().outputList(), {"/C/other.mp3"});
    print.form().SaveTo->setText("/media/stick");
    print.PrintInputList();
    QCOMPARE(print.Printed(), QList<QStringList>({{"/media/stick", "zebra", "apple"}}));
  }

  void TwoPrintsInARowShareNoLines() {
    PrintFixture print;
    TFormTunelot& form = print.form();
    Fill(form.outputList(), {"/m/first.mp3", "/m/second.mp3"});
    print.PrintOutputList();
    QVERIFY(form.PdtPrintDAT1->ObjectToPrint.isEmpty());
    form.outputList().Clear();
    Fill(form.outputList(), {"/m/third.mp3"});
    print.PrintOutputList();
    QCOMPARE(print.fixture.reportOutput.jobs.size(), std::size_t{2});
    QCOMPARE(print.fixture.reportOutput.jobs.back().lines, QStringList({"third"}));
    QCOMPARE(print.Printed(), QList<QStringList>({{"third"}}));
  }

  void StoredOptionsHoldButTheTitleIsTheOutputPath() {
    ReportSettings stored;
    stored.memos[kReportTitle].text = "Stored title";
    stored.memos[kReportSubtitle].text = "Stored subtitle";
    PrintFixture print(stored);
    Fill(print.form().inputList(), {"/in/a.mp3"});
    Fill(print.form().outputList(), {"/out/b.mp3"});
    print.form().SaveTo->setText("/media/stick");
    print.PrintInputList();
    print.PrintOutputList();
    for (const ReportJob& job : print.fixture.reportOutput.jobs) {
      QCOMPARE(job.reportId, QString("(418.662)"));
      QCOMPARE(job.settings.memos[kReportTitle].text, QString("/media/stick"));
      QCOMPARE(job.settings.memos[kReportSubtitle].text, QString("Stored subtitle"));
    }
    QCOMPARE(print.Printed(), QList<QStringList>({{"/media/stick", "Stored subtitle", "b"}}));
    QCOMPARE(LoadReportOptions(print.options, "(418.662)").memos[kReportTitle].text,
             QString("Stored title"));
  }

  void AnEmptyListIsRefusedWithoutPrinting() {
    PrintFixture print;
    print.form().PrintList1Click();
    print.form().PrintList2Click();
    QCOMPARE(print.fixture.dialogs.Log(),
             QStringList({"information: There are no files in the input list to print",
                          "information: There are no files in the output list to print"}));
    QVERIFY(print.fixture.reportOutput.jobs.empty());
  }

  void ThePrintLinesLiveInAHiddenListForThePrintOnly() {
    PrintFixture print;
    TFormTunelot& form = print.form();
    Fill(form.outputList(), {"/m/a.mp3", "/m/b.mp3"});
    QStringList inside;
    bool hidden = false;
    print.fixture.reportOutput.during = [&](ReportJob&) {
      const auto* box = form.findChild<QListWidget*>("LListBox");
      QVERIFY(box != nullptr);
      hidden = box->isHidden();
      for (int row = 0; row < box->count(); ++row) inside << box->item(row)->text();
    };
    print.PrintOutputList();
    QCOMPARE(inside, QStringList({"a", "b"}));
    QVERIFY(hidden);
    QVERIFY(form.findChild<QListWidget*>("LListBox") == nullptr);
  }

  void AnErrorInThePrintReachesTheReportAndTheLinesGo() {
    PrintFixture print;
    TFormTunelot& form = print.form();
    Fill(form.outputList(), {"/m/a.mp3"});
    print.fixture.reportOutput.during = [](ReportJob&) {
      throw std::runtime_error("The printer is on fire");
    };
    print.PrintOutputList();
    QCOMPARE(print.fixture.dialogs.Log(), QStringList({"report: The printer is on fire"}));
    QVERIFY(form.findChild<QListWidget*>("LListBox") == nullptr);
    QVERIFY(form.PdtPrintDAT1->ObjectToPrint.isEmpty());
    QVERIFY(form.isVisible());
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::PrintListTest)
#include "print_list_test.moc"
