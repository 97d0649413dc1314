#include <QClipboard>
#include <QtTest>

#include "support/gui/form_fixture.h"
#include "support/gui/qtest_main.h"
#include "support/temp_dir.h"

namespace tunelot::testing {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QStringList Paths(const FileList& list) {
  QStringList paths;
  for (const Entry& entry : list.Entries()) paths << Q(entry.path);
  return paths;
}

}  // namespace

class ExchangeWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void SaveAndOpenGoThroughTheDialogsAndRoundTrip() {
    TempDir dir;
    WriteFile(dir / "a.mp3", "aa");
    WriteFile(dir / "b, c.mp3", "b");
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.outputList().Append(Entry(dir / "a.mp3"));
    form.outputList().Append(Entry(dir / "b, c.mp3"));
    fixture.dialogs.saveAnswers = {Q(dir / "list")};
    form.SaveTo->lineEdit()->setFocus();
    QTest::keyClick(form.SaveTo->lineEdit(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fixture.dialogs.saveRequests.size(), std::size_t{1});
    QCOMPARE(fixture.dialogs.saveRequests[0].filter, QString("Text Files|*.txt"));
    QVERIFY(fixture.dialogs.saveRequests[0].confirmOverwrite);
    QVERIFY(ReadFile(dir / "list").find("0,1,0," + dir.path() + "/b, c.mp3\r\n") !=
            std::string::npos);

    form.outputList().Clear();
    fixture.dialogs.openAnswers = {Q(dir / "list")};
    form.Open1->trigger();
    QCOMPARE(fixture.dialogs.openRequests[0].filter, QString("Text Files|*.txt|All Files|*.*"));
    QCOMPARE(Paths(form.outputList()), QStringList({Q(dir / "a.mp3"), Q(dir / "b, c.mp3")}));
    QCOMPARE(form.outputList().SelectedCount(), 0u);
    QCOMPARE(form.AdvListView2->model()->headerData(0, Qt::Horizontal).toString(), QString("File"));
    QCOMPARE(form.Label3->text(), QString("2 file(s) in output list ( 3.00 bytes )"));
    QVERIFY(fixture.dialogs.shown.empty());

    // Each dialog proposes the name last confirmed in it.
    form.Save1->trigger();
    form.Open1->trigger();
    QCOMPARE(fixture.dialogs.saveRequests.back().proposedName, Q(dir / "list"));
    QCOMPARE(fixture.dialogs.openRequests.back().proposedName, Q(dir / "list"));
  }

  void LoadFailuresShowTheirMessages() {
    TempDir dir;
    WriteFile(dir / "empty.txt", "");
    WriteFile(dir / "gone-entry.txt", "1,1\r\ncw 0,100\r\n0,0,0," + dir.path() + "/gone.mp3\r\n");
    const struct {
      std::string file;
      QString message;
    } cases[] = {
        {dir / "missing.txt", "File " + Q(dir / "missing.txt") + " not found"},
        {dir / "empty.txt", "File contains no data or corrupt file " + Q(dir / "empty.txt")},
        {dir / "gone-entry.txt",
         "Cannot open file \"" + Q(dir / "gone.mp3") + "\". No such file or directory"},
    };
    for (const auto& c : cases) {
      FormFixture fixture;
      TFormTunelot& form = *fixture.form;
      fixture.dialogs.openAnswers = {Q(c.file)};
      form.Loadlistfromfile1->trigger();
      QCOMPARE(fixture.dialogs.Log(),
               QStringList({"error: File could not be loaded.\r\n" + c.message}));
      QCOMPARE(form.Label3->text(), QString("0 file(s) in output list ( 0 bytes )"));
    }
  }

  void ACancelledDialogChangesNothing() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.outputList().Append(Entry("/a.mp3"));
    form.Loadlistfromfile1->trigger();
    form.Savelisttofile1->trigger();
    QCOMPARE(form.outputList().Count(), 1u);
    QCOMPARE(form.AdvListView2->model()->headerData(0, Qt::Horizontal).toString(),
             QString("Files"));
  }

  void ASaveThatFailsReachesTheErrorReport() {
    TempDir dir;
    WriteFile(dir / "file", "x");
    FormFixture fixture;
    fixture.form->outputList().Append(Entry("/a.mp3"));
    fixture.dialogs.saveAnswers = {Q(dir / "file/list.txt")};
    fixture.form->Save1->trigger();
    QCOMPARE(fixture.dialogs.shown.size(), std::size_t{1});
    QCOMPARE(fixture.dialogs.shown[0].kind, QString("report"));
  }

  void CopyAndPasteWhileAPathBoxHasFocus() {
    TempDir dir;
    WriteFile(dir / "a.mp3", "a");
    WriteFile(dir / "b c.mp3", "bc");
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.inputList().Append(Entry(dir / "a.mp3"));
    form.inputList().Append(Entry(dir / "b c.mp3"));
    form.outputList().Append(Entry(dir / "a.mp3"));
    form.ReadFrom->lineEdit()->setFocus();
    QTest::keyClick(form.ReadFrom->lineEdit(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             Q(dir / "a.mp3") + "\n" + Q(dir / "b c.mp3") + "\n");
    QTest::keyClick(form.ReadFrom->lineEdit(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(Paths(form.outputList()),
             QStringList({Q(dir / "a.mp3"), Q(dir / "a.mp3"), Q(dir / "b c.mp3")}));
    QCOMPARE(form.outputList().SelectedCount(), 2u);
    QCOMPARE(form.outputList().FocusedIndex(), 2);
    QCOMPARE(form.Label3->text(), QString("3 file(s) in output list ( 4.00 bytes )"));
    QVERIFY(form.ReadFrom->text().isEmpty());
    QVERIFY(fixture.dialogs.shown.empty());
  }

  void PasteRefusesTextsThatAreNoLines() {
    const QString texts[] = {"", "/one/path/without/line/end", "not\na\nfile\n"};
    for (const QString& text : texts) {
      FormFixture fixture;
      QGuiApplication::clipboard()->setText(text);
      fixture.form->Paste1->trigger();
      QCOMPARE(fixture.dialogs.Log(), QStringList({"error: Invalid information to PASTE"}));
      QCOMPARE(fixture.form->Label3->text(), QString("0 file(s) in output list ( 0 bytes )"));
    }
  }

  void CopyOfAnEmptyListLeavesAnEmptyText() {
    FormFixture fixture;
    QGuiApplication::clipboard()->setText("something");
    fixture.form->Copy1->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::ExchangeWindowTest)
#include "exchange_window_test.moc"
