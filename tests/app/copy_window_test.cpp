#include <QtTest>
#include <filesystem>
#include <functional>

#include "lists/random_fill.h"
#include "support/gui/form_fixture.h"
#include "support/gui/qtest_main.h"
#include "support/temp_dir.h"
#include "widgets/screen_cursor.h"

namespace tunelot::testing {
namespace {

// Copies for real and, for each file, reads the window on its own thread through a
// blocking call, since the copy runs on a worker thread.
class WatchingCopier : public FileCopier {
 public:
  bool CopyAndFlush(const std::string& source, const std::string& target) override {
    QMetaObject::invokeMethod(
        form,
        [this] {
          labels << form->Label1->text();
          progress << form->Gauge1->progress();
          shown << (form->Label1->isVisible() && form->Gauge1->isVisible());
          if (duringCopy) duringCopy();
        },
        Qt::BlockingQueuedConnection);
    return real_.CopyAndFlush(source, target);
  }
  bool FlushFolder(const std::string& folder) override { return real_.FlushFolder(folder); }

  QStringList labels;
  QList<int> progress;
  QList<bool> shown;
  std::function<void()> duringCopy;
  TFormTunelot* form = nullptr;

 private:
  SystemFileCopier real_;
};

struct CopyFixture {
  CopyFixture()
      : form(std::make_unique<TFormTunelot>(FormServices{&dialogs, &watcher, &space}, "1.0.0.3")) {
    watcher.form = form.get();
    form->show();
  }
  FakeDialogs dialogs;
  FakeSpaceQuery space;
  WatchingCopier watcher;
  std::unique_ptr<TFormTunelot> form;
};

}  // namespace

class CopyWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void RefusesABlankOutputPath() {
    FormFixture fixture;
    fixture.form->outputList().Append(Entry("/a.mp3"));
    fixture.form->SaveTo->setText("  ");
    QTest::mouseClick(fixture.form->BitBtnCopy, Qt::LeftButton);
    QCOMPARE(fixture.dialogs.Log(),
             QStringList({"information: Location to copy files must be selected"}));
    QVERIFY(fixture.form->Label1->isHidden());
  }

  void CopiesInOrderShowingTheFileAndTheProgress() {
    TempDir dir;
    const QStringList names = {"b.mp3", "a.mp3", "c.mp3"};
    CopyFixture fixture;
    TFormTunelot& form = *fixture.form;
    for (const QString& name : names) {
      const std::string source = dir / ("in/" + name.toStdString());
      WriteFile(source, name.toStdString());
      form.outputList().Append(Entry(source));
    }
    std::filesystem::create_directory(dir / "stick");
    form.SaveTo->setText(QString::fromStdString(dir / "stick"));
    QTest::mouseClick(form.BitBtnCopy, Qt::LeftButton);

    QCOMPARE(fixture.dialogs.Log(),
             QStringList({"information: Copy completed. 3 file(s) copied."}));
    QStringList expectedLabels;
    for (int i = 0; i < names.size(); ++i) {
      expectedLabels << "Copying file " + QString::fromStdString(dir / "in/") + names[i] +
                            "  ---------->  " + QString::number(i + 1) + " of 3";
      QCOMPARE(QString::fromStdString(ReadFile(dir / ("stick/" + names[i].toStdString()))),
               names[i]);
    }
    QCOMPARE(fixture.watcher.labels, expectedLabels);
    QCOMPARE(fixture.watcher.progress, QList<int>({0, 1, 2}));
    QCOMPARE(fixture.watcher.shown, QList<bool>({true, true, true}));
    QCOMPARE(form.Gauge1->maxValue(), 3);
    QCOMPARE(form.Gauge1->progress(), 3);
    QVERIFY(form.Label1->isHidden());
    QVERIFY(form.Gauge1->isHidden());
    QCOMPARE(ScreenCursor(), CursorShape::Default);
  }

  void AnEmptyListStillEndsWithTheCount() {
    TempDir dir;
    FormFixture fixture;
    fixture.form->SaveTo->setText(QString::fromStdString(dir.path()));
    QTest::mouseClick(fixture.form->BitBtnCopy, Qt::LeftButton);
    QCOMPARE(fixture.dialogs.Log(),
             QStringList({"information: Copy completed. 0 file(s) copied."}));
  }

  void FailedCopiesAreListedInTheErrorBox() {
    TempDir dir;
    WriteFile(dir / "in/a.mp3", "a");
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.outputList().Append(Entry(dir / "in/a.mp3"));
    form.outputList().Append(Entry(dir / "in/missing.mp3"));
    form.SaveTo->setText(QString::fromStdString(dir / "no-such-folder"));
    QTest::mouseClick(form.BitBtnCopy, Qt::LeftButton);
    const QString folder = QString::fromStdString(dir / "no-such-folder/");
    QCOMPARE(fixture.dialogs.Log(), QStringList({"error: Error File(s): \r\n" + folder +
                                                 "a.mp3\r\n" + folder + "missing.mp3\r\n"}));
  }

  void ChangesDuringTheJobDoNotChangeWhatItCopies() {
    TempDir dir;
    CopyFixture fixture;
    TFormTunelot& form = *fixture.form;
    for (const char* name : {"1.mp3", "2.mp3"}) {
      WriteFile(dir / name, name);
      form.outputList().Append(Entry(dir / name));
    }
    std::filesystem::create_directory(dir / "stick");
    form.SaveTo->setText(QString::fromStdString(dir / "stick"));
    int clicks = 0;
    fixture.watcher.duringCopy = [&] {
      form.outputList().Clear();
      if (clicks++ == 0) QTest::mouseClick(form.BitBtnCopy, Qt::LeftButton);
    };
    QTest::mouseClick(form.BitBtnCopy, Qt::LeftButton);
    QCOMPARE(fixture.watcher.labels.size(), 2);  // one job, both files
    QCOMPARE(fixture.dialogs.Log(),
             QStringList({"information: Copy completed. 2 file(s) copied."}));
    QVERIFY(std::filesystem::exists(dir / "stick/2.mp3"));
  }

  void ClosingDuringTheJobFinishesTheCurrentFileAndStops() {
    TempDir dir;
    CopyFixture fixture;
    TFormTunelot& form = *fixture.form;
    for (const char* name : {"1.mp3", "2.mp3", "3.mp3"}) {
      WriteFile(dir / name, name);
      form.outputList().Append(Entry(dir / name));
    }
    std::filesystem::create_directory(dir / "stick");
    form.SaveTo->setText(QString::fromStdString(dir / "stick"));
    fixture.watcher.duringCopy = [&] {
      if (fixture.watcher.labels.size() == 2) form.close();
    };
    QTest::mouseClick(form.BitBtnCopy, Qt::LeftButton);
    QCOMPARE(fixture.watcher.labels.size(), 2);
    QCOMPARE(ReadFile(dir / "stick/2.mp3"), std::string("2.mp3"));
    QVERIFY(!std::filesystem::exists(dir / "stick/3.mp3"));
    QVERIFY(!form.isVisible());
    QVERIFY(fixture.dialogs.shown.empty());
  }

  void TheFreeSpaceLabelFollowsTheTypedPath() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.SaveTo->lineEdit()->setFocus();
    QTest::keyClicks(form.SaveTo->lineEdit(), "/m");
    QCOMPARE(fixture.space.asked, (std::vector<std::string>{"/", "/m"}));
    QCOMPARE(form.LabelSize->text(), QString::fromStdString(FreeSpaceLabelText({1000, 2000})));
    fixture.space.space = {-1, -1};
    form.SaveTo->setText("");
    QCOMPARE(fixture.space.asked.back(), std::string());
    QCOMPARE(form.LabelSize->text(), QString::fromStdString(FreeSpaceLabelText({-1, -1})));
  }

  void RandomSelectionNeedsAnOutputPath() {
    FormFixture fixture;
    fixture.form->inputList().Append(Entry("/a.mp3"));
    fixture.form->RandomizeSelection1->trigger();
    QCOMPARE(
        fixture.dialogs.Log(),
        QStringList(
            {"information: You must to select the output path in order to use this feature."}));
  }

  void RandomSelectionPicksWhatFits() {
    TempDir dir;
    WriteFile(dir / "a.mp3", std::string(300, 'a'));
    WriteFile(dir / "b.mp3", std::string(300, 'b'));
    WriteFile(dir / "big.mp3", std::string(5000, 'c'));
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    for (const char* name : {"a.mp3", "b.mp3", "big.mp3"})
      form.inputList().Append(Entry(dir / name));
    form.SaveTo->setText(QString::fromStdString(dir.path()));
    fixture.space.space = {1000, 2000};
    form.RandomizeSelection1->trigger();
    QVERIFY(fixture.dialogs.shown.empty());
    QCOMPARE(form.inputList().SelectedCount(), 2u);
    QVERIFY(!form.inputList().At(2).selected);
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::CopyWindowTest)
#include "copy_window_test.moc"
