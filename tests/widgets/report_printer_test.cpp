#include "widgets/report_printer.h"

#include <QPdfWriter>
#include <QtTest>
#include <stdexcept>

#include "support/gui/fake_report.h"
#include "support/gui/pdf_text.h"
#include "support/gui/qtest_main.h"
#include "support/temp_dir.h"
#include "widgets/report_options_dialog.h"
#include "widgets/report_preview.h"
#include "widgets/report_render.h"

namespace tunelot::testing {
namespace {

QString Path(const TempDir& dir, const std::string& name) {
  return QString::fromStdString(dir / name);
}

ReportSettings Titled(const QString& title) {
  ReportSettings settings;
  settings.memos[kReportTitle].text = title;
  return settings;
}

void RenderToPdf(const QString& file, const QStringList& lines, const ReportSettings& settings) {
  QPdfWriter writer(file);
  ApplyPageSettings(writer, settings);
  QVERIFY(RenderReport(writer, lines, settings));
}

QStringList Numbered(int count) {
  QStringList lines;
  for (int i = 1; i <= count; ++i) lines << QString("Song %1").arg(i, 3, 10, QChar('0'));
  return lines;
}

double TopOf(const QList<PdfWord>& words, const QString& text) {
  for (const PdfWord& word : words) {
    if (word.text == text) return word.box.top();
  }
  return -1;
}

}  // namespace

class ReportPrinterTest : public QObject {
  Q_OBJECT

 private slots:
  void EachPageStartsWithTheTitleAndRowsKeepTheirOrder() {
    TempDir dir;
    const QString pdf = Path(dir, "report.pdf");
    const QStringList lines = Numbered(150);
    RenderToPdf(pdf, lines, Titled("E:\\Music"));
    const QList<QStringList> pages = PdfPageLines(pdf);
    QVERIFY(pages.size() >= 3);
    QStringList rows;
    for (const QStringList& page : pages) {
      QCOMPARE(page.first(), QString("E:\\Music"));
      rows << page.mid(1);
    }
    QCOMPARE(rows, lines);
  }

  void MemosStandInTheirPlaces() {
    TempDir dir;
    const QString pdf = Path(dir, "memos.pdf");
    ReportSettings settings = Titled("Title");
    settings.memos[kReportSubtitle].text = "Subtitle";
    settings.memos[kPageHeaderLeft].text = "HeadLeft";
    settings.memos[kPageHeaderRight].text = "HeadRight";
    settings.memos[kPageFooterLeft].text = "FootLeft";
    settings.memos[kPageFooterRight].text = "FootRight";
    settings.memos[kReportHeader].text = "Opening";
    settings.memos[kReportFooter].text = "Closing";
    RenderToPdf(pdf, Numbered(120), settings);
    const QList<PdfWord> words = PdfWords(pdf);
    QMap<int, QStringList> perPage;
    QMap<int, QMap<QString, double>> top;
    for (const PdfWord& word : words) {
      perPage[word.page] << word.text;
      top[word.page][word.text] = word.box.top();
    }
    QVERIFY(perPage.size() >= 2);
    for (int page : perPage.keys()) {
      for (const char* each :
           {"HeadLeft", "HeadRight", "Title", "Subtitle", "FootLeft", "FootRight"}) {
        QVERIFY2(perPage[page].contains(each), each);
      }
      QVERIFY(top[page]["HeadLeft"] < top[page]["Title"]);
      QVERIFY(top[page]["Title"] < top[page]["Subtitle"]);
      QVERIFY(top[page]["Subtitle"] < top[page]["FootLeft"]);
    }
    for (const char* once : {"Opening", "Closing"}) {
      QCOMPARE(std::count_if(words.begin(), words.end(),
                             [once](const PdfWord& word) { return word.text == once; }),
               1);
    }
    QCOMPARE(perPage.first().indexOf("Opening"), perPage.first().indexOf("Subtitle") + 1);
    QVERIFY(perPage.last().indexOf("Closing") > perPage.last().indexOf("120"));
  }

  void AnEmptyLineStillTakesItsRow() {
    TempDir dir;
    RenderToPdf(Path(dir, "two.pdf"), {"first", "second"}, Titled("T"));
    RenderToPdf(Path(dir, "gap.pdf"), {"first", "", "second"}, Titled("T"));
    const QList<PdfWord> two = PdfWords(Path(dir, "two.pdf"));
    const QList<PdfWord> gap = PdfWords(Path(dir, "gap.pdf"));
    const double step = TopOf(two, "second") - TopOf(two, "first");
    QVERIFY(step > 0);
    QVERIFY(qAbs(TopOf(gap, "second") - TopOf(gap, "first") - 2 * step) < 0.5);
  }

  void MarginsAreMeasuredFromThePaperEdge() {
    TempDir dir;
    const QString pdf = Path(dir, "margins.pdf");
    ReportSettings settings = Titled("Title");
    settings.margins = QMarginsF(30, 40, 10, 10);
    RenderToPdf(pdf, {"Left"}, settings);
    const QList<PdfWord> words = PdfWords(pdf);
    QCOMPARE(words.size(), qsizetype(2));
    const double left = 30 / 25.4 * 72;
    const double top = 40 / 25.4 * 72;
    QVERIFY(qAbs(words[1].box.left() - left) < 2);
    QVERIFY(words[0].box.top() >= top - 1 && words[0].box.top() < top + 10);
  }

  void WritesTheChosenOutput() {
    TempDir dir;
    ReportSettings settings = Titled("Title");
    settings.memos[kReportSubtitle].text = "Sub";
    settings.output = ReportOutput::TextFile;
    settings.outputFile = Path(dir, "report.txt");
    WriteReport({"a", "", "b"}, settings, "Job");
    QCOMPARE(QString::fromStdString(ReadFile(dir / "report.txt")), QString("Title\nSub\na\n\nb\n"));

    settings.output = ReportOutput::PdfFile;
    settings.outputFile = Path(dir, "report.pdf");
    WriteReport({"a", "b"}, settings, "Job");
    QCOMPARE(PdfPageLines(settings.outputFile),
             QList<QStringList>({QStringList({"Title", "Sub", "a", "b"})}));
  }

  void AnOutputThatCannotBeHadThrows() {
    TempDir dir;
    WriteFile(dir / "file", "x");
    struct Case {
      ReportOutput output;
      QString file;
      QString printer;
      const char* message;
    };
    const Case cases[] = {
        {ReportOutput::PdfFile, "", "", "No file is chosen for the report"},
        {ReportOutput::TextFile, "", "", "No file is chosen for the report"},
        {ReportOutput::PdfFile, Path(dir, "file/below.pdf"), "", "could not be written"},
        {ReportOutput::TextFile, Path(dir, "missing/r.txt"), "", "could not be written"},
        {ReportOutput::Printer, "", "No Such Printer", "\"No Such Printer\" is not installed"},
    };
    for (const Case& c : cases) {
      ReportSettings settings = Titled("T");
      settings.output = c.output;
      settings.outputFile = c.file;
      settings.printerName = c.printer;
      try {
        WriteReport({"a"}, settings, "Job");
        QFAIL(c.message);
      } catch (const std::runtime_error& error) {
        QVERIFY2(QString(error.what()).contains(c.message), error.what());
      }
    }
  }

  void OptionsAreStoredUnderTheirReportId() {
    TempDir dir;
    const QString file = Path(dir, "config/options.ini");
    ReportSettings settings = Titled("Saved title");
    settings.memos[kReportFooter].text = "Footer; with = signs";
    settings.font = QFont("Courier New", 12);
    settings.margins = QMarginsF(11, 12, 13, 14.5);
    settings.output = ReportOutput::TextFile;
    settings.printerName = "Office";
    settings.outputFile = "/tmp/out.txt";
    SaveReportOptions(file, "(418.662)", settings);
    SaveReportOptions(file, "other", Titled("Other"));

    const ReportSettings loaded = LoadReportOptions(file, "(418.662)");
    for (std::size_t i = 0; i < kReportMemoCount; ++i) {
      QCOMPARE(loaded.memos[i].text, settings.memos[i].text);
    }
    QCOMPARE(loaded.font.family(), QString("Courier New"));
    QCOMPARE(loaded.font.pointSize(), 12);
    QCOMPARE(loaded.margins, settings.margins);
    QCOMPARE(loaded.output, ReportOutput::TextFile);
    QCOMPARE(loaded.printerName, QString("Office"));
    QCOMPARE(loaded.outputFile, QString("/tmp/out.txt"));
    QCOMPARE(LoadReportOptions(file, "other").memos[kReportTitle].text, QString("Other"));

    const ReportSettings fresh = LoadReportOptions(file, "never saved");
    QVERIFY(fresh.memos[kReportTitle].text.isEmpty());
    QCOMPARE(fresh.output, ReportOutput::Printer);
    QCOMPARE(fresh.margins, ReportSettings().margins);

    WriteFile(dir / "plain", "x");
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             SaveReportOptions(Path(dir, "plain/options.ini"), "id", settings));
  }

  void PrintLoadsTheStoredOptionsThenLetsTheProgramAdjustThem() {
    TempDir dir;
    const QString options = Path(dir, "options.ini");
    ReportSettings stored = Titled("Saved title");
    stored.memos[kReportSubtitle].text = "Saved subtitle";
    SaveReportOptions(options, "(1.2)", stored);

    DirectReportOutput output;
    output.during = [](ReportJob& job) { job.settings.output = ReportOutput::TextFile; };
    ReportPrinter printer(nullptr);
    printer.SetInteraction(&output);
    printer.ReportId = "(1.2)";
    printer.OptionsFile = options;
    printer.ObjectToPrint = {"one", "two"};
    QStringList seen;
    printer.AfterOptionsLoaded = [&](ReportPrinter& sender, ReportSettings& settings) {
      seen << settings.memos[kReportTitle].text;
      QCOMPARE(&sender, &printer);
      settings.memos[kReportTitle].text = "Program title";
      settings.outputFile = Path(dir, "out.txt");
      sender.ReportId = "changed";
    };
    printer.Print();
    QCOMPARE(seen, QStringList({"Saved title"}));
    QCOMPARE(output.jobs.size(), std::size_t{1});
    const ReportJob& job = output.jobs.front();
    QCOMPARE(job.reportId, QString("(1.2)"));
    QCOMPARE(job.lines, QStringList({"one", "two"}));
    QCOMPARE(job.settings.memos[kReportTitle].text, QString("Program title"));
    QCOMPARE(job.settings.memos[kReportSubtitle].text, QString("Saved subtitle"));
    QCOMPARE(QString::fromStdString(ReadFile(dir / "out.txt")),
             QString("Program title\nSaved subtitle\none\ntwo\n"));
  }

  void TheOptionsWindowShowsChangesAndSavesTheOptions() {
    TempDir dir;
    ReportJob job{"(9)", {}, Titled("Old title"), Path(dir, "options.ini"), nullptr};
    job.settings.margins = QMarginsF(5, 6, 7, 8);
    ReportOptionsDialog dialog(job);
    QCOMPARE(dialog.windowTitle(), QString("Report Options"));
    QCOMPARE(dialog.memos[kReportTitle]->text(), QString("Old title"));
    QCOMPARE(dialog.margins[1]->value(), 6.0);
    QVERIFY(dialog.toPrinter->isChecked());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    dialog.memos[kReportTitle]->selectAll();
    QTest::keyClicks(dialog.memos[kReportTitle], "New title");
    QTest::keyClicks(dialog.memos[kReportFooter], "The end");
    dialog.toPdfFile->click();
    dialog.outputFile->setText(Path(dir, "list.pdf"));
    QTest::mouseClick(dialog.saveButton, Qt::LeftButton);

    const ReportSettings saved = LoadReportOptions(job.optionsFile, "(9)");
    QCOMPARE(saved.memos[kReportTitle].text, QString("New title"));
    QCOMPARE(saved.memos[kReportFooter].text, QString("The end"));
    QCOMPARE(saved.output, ReportOutput::PdfFile);
    QCOMPARE(saved.outputFile, Path(dir, "list.pdf"));
    QCOMPARE(saved.margins, QMarginsF(5, 6, 7, 8));
    QCOMPARE(dialog.Settings().memos[kReportTitle].text, QString("New title"));
  }

  void ThePreviewShowsThePagesAndPrintsThem() {
    TempDir dir;
    ReportJob job{"(9)", Numbered(150), Titled("Title"), Path(dir, "options.ini"), nullptr};
    job.settings.output = ReportOutput::PdfFile;
    job.settings.outputFile = Path(dir, "printed.pdf");
    ReportPreviewDialog preview(job);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QTRY_VERIFY(preview.preview->pageCount() >= 3);
    QTest::mouseClick(preview.printButton, Qt::LeftButton);
    const QList<QStringList> pages = PdfPageLines(job.settings.outputFile);
    QCOMPARE(pages.size(), qsizetype(preview.preview->pageCount()));
    QCOMPARE(pages.first().mid(0, 2), QStringList({"Title", "Song 001"}));
    QTest::mouseClick(preview.closeButton, Qt::LeftButton);
    QVERIFY(!preview.isVisible());
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::ReportPrinterTest)
#include "report_printer_test.moc"
