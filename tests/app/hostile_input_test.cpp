// Input no one types but anyone can paste, and what the window makes of it.
#include <QClipboard>
#include <QtTest>

#include "lists/status_line.h"
#include "support/gui/form_fixture.h"
#include "support/gui/qtest_main.h"
#include "support/temp_dir.h"

namespace tunelot::testing {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Path box texts no one types but anyone can paste: very long, full of control codes,
// with a NUL inside.
QStringList HostilePaths() {
  QString deep;
  for (int i = 0; i < 3000; ++i) deep += "/x";
  return {
      QString(10000, 'a'),
      deep,
      QString("\t\x01/music\x7f\x1b[2J\n\r  "),
      QString("/tmp") + QChar(0) + "/music",
      QString::fromUtf8("/\u00e9\u4e2d\U0001F3B5/") + QString(4000, QChar(0x00e9)),
  };
}

const QString kBlank = QString("\t\x01\x1f\r\n  ");

}  // namespace

class HostileInputTest : public QObject {
  Q_OBJECT

 private slots:
  void HostileInputPathsScanNothingAndTheWindowGoesOn() {
    TempDir dir;
    WriteFile(dir / "music/a.mp3", "a");
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    for (const QString& text : HostilePaths()) {
      form.ReadFrom->setText(text);
      QTest::mouseClick(form.BitBtnSelect, Qt::LeftButton);
      form.ReadFrom->lineEdit()->setFocus();
      QTest::keyClick(form.ReadFrom->lineEdit(), Qt::Key_Return);
      QCOMPARE(fixture.dialogs.Log(), QStringList());
      QCOMPARE(form.inputList().Count(), 0u);
      QCOMPARE(form.Label2->text(), QString("0 file(s) in source list ( 0.00 bytes )"));
    }
    form.ReadFrom->setText(kBlank);
    QTest::mouseClick(form.BitBtnSelect, Qt::LeftButton);
    QCOMPARE(fixture.dialogs.Log(), QStringList({"information: Input path must be selected"}));

    form.ReadFrom->setText(Q(dir / "music"));
    QTest::mouseClick(form.BitBtnSelect, Qt::LeftButton);
    QCOMPARE(form.inputList().Count(), 1u);
    QCOMPARE(form.Label2->text(), QString("1 file(s) in source list ( 1.00 bytes )"));
  }

  void HostileOutputPathsFailTheCopyAndTheWindowGoesOn() {
    TempDir dir;
    WriteFile(dir / "a.mp3", "song");
    WriteFile(dir / "notes.txt", "keep me");
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.outputList().Append(Entry(dir / "a.mp3"));
    QStringList outputs = HostilePaths();
    // Cut at the NUL, this would name a file to overwrite.
    outputs << Q(dir / "notes.txt") + QChar(0) + "/music";
    for (const QString& text : outputs) {
      fixture.dialogs.shown.clear();
      form.SaveTo->setText(text);
      QCOMPARE(Q(fixture.space.asked.back()), text);
      QVERIFY(!form.LabelSize->text().isEmpty());
      QTest::mouseClick(form.BitBtnCopy, Qt::LeftButton);
      const QString target = text + (text.endsWith('/') ? "" : "/") + "a.mp3";
      QCOMPARE(fixture.dialogs.Log(),
               QStringList({"error: Error File(s): \r\n" + target + "\r\n"}));
      QVERIFY(form.Label1->isHidden());
      QVERIFY(form.Gauge1->isHidden());
    }
    QCOMPARE(ReadFile(dir / "notes.txt"), std::string("keep me"));

    fixture.dialogs.shown.clear();
    form.SaveTo->setText(kBlank);
    QTest::mouseClick(form.BitBtnCopy, Qt::LeftButton);
    form.RandomizeSelection1->trigger();
    QCOMPARE(fixture.dialogs.Log(),
             QStringList({"information: Location to copy files must be selected",
                          "information: You must to select the output path in order to use "
                          "this feature."}));

    fixture.dialogs.shown.clear();
    WriteFile(dir / "out/.keep", "");
    form.SaveTo->setText(Q(dir / "out"));
    QTest::mouseClick(form.BitBtnCopy, Qt::LeftButton);
    QCOMPARE(fixture.dialogs.Log(),
             QStringList({"information: Copy completed. 1 file(s) copied."}));
    QCOMPARE(ReadFile(dir / "out/a.mp3"), std::string("song"));
  }

  void RandomSelectionWithHostileOutputPathsPicksByTheVolumeAnswer() {
    TempDir dir;
    WriteFile(dir / "small.mp3", std::string(10, 's'));
    WriteFile(dir / "large.mp3", std::string(5000, 'l'));
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.inputList().Append(Entry(dir / "large.mp3"));
    form.inputList().Append(Entry(dir / "small.mp3"));
    for (const QString& text : HostilePaths()) {
      form.SaveTo->setText(text);
      form.RandomizeSelection1->trigger();
      QCOMPARE(fixture.dialogs.Log(), QStringList());
      // The fake volume has 1000 bytes free: only the small file fits.
      QVERIFY(!form.inputList().At(0).selected);
      QVERIFY(form.inputList().At(1).selected);
    }
  }

  void MegabyteOfClipboardTextEndsInAMessageOrAList() {
    TempDir dir;
    WriteFile(dir / "a.mp3", "12345");
    const QString song = Q(dir / "a.mp3");
    const int megabyte = 1 << 20;
    QString songs;
    while (songs.size() < megabyte) songs += song + "\r\n";
    const int songCount = static_cast<int>(songs.size() / (song.size() + 2));
    QString prose;
    while (prose.size() < megabyte) prose += "Not a path at all, \x01\x7f\t\x1b[0m still not.\r\n";
    QString junk;
    for (int i = 0; i < megabyte; ++i)
      junk += QChar(static_cast<char16_t>((static_cast<unsigned>(i) * 7919u) % 0x180u));
    const struct {
      const char* name;
      QString text;
      QString message;  // empty: the paste goes through
    } cases[] = {
        {"paths of a real file", songs, ""},
        {"one line without an end", QString(megabyte, 'x'), "error: Invalid information to PASTE"},
        {"prose", prose, "error: Invalid information to PASTE"},
        {"every kind of character", junk, "error: Invalid information to PASTE"},
        // Each field adds a column; 65,536 columns keep the test quick, a million also pass.
        {"a line of tabs", QString(megabyte / 16, '\t') + "\r\n",
         "error: Invalid information to PASTE"},
    };
    for (const auto& c : cases) {
      FormFixture fixture;
      TFormTunelot& form = *fixture.form;
      QGuiApplication::clipboard()->setText(c.text);
      form.AdvListView2->setFocus();
      QTest::keyClick(form.AdvListView2, Qt::Key_P, Qt::ControlModifier);
      const QStringList expected = c.message.isEmpty() ? QStringList() : QStringList{c.message};
      QVERIFY2(fixture.dialogs.Log() == expected, c.name);
      if (c.message.isEmpty()) {
        QCOMPARE(form.outputList().Count(), static_cast<std::size_t>(songCount));
        QCOMPARE(form.Label3->text(), QString::number(songCount) + " file(s) in output list ( " +
                                          Q(FormatSize(5.0 * songCount)) + " )");
      } else {
        QCOMPARE(form.Label3->text(), QString("0 file(s) in output list ( 0 bytes )"));
      }

      // Still usable: clear what came in and paste one real path.
      fixture.dialogs.shown.clear();
      fixture.dialogs.answers = {true};
      form.ClearList2->trigger();
      QGuiApplication::clipboard()->setText(song + "\r\n");
      form.Paste1->trigger();
      QVERIFY2(fixture.dialogs.Log() == QStringList({"confirm: Clear List"}), c.name);
      QCOMPARE(form.Label3->text(), QString("1 file(s) in output list ( 5.00 bytes )"));
    }
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::HostileInputTest)
#include "hostile_input_test.moc"
