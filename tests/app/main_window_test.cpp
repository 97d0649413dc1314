#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QMenuBar>
#include <QtTest>

#include "support/gui/form_fixture.h"
#include "support/gui/qtest_main.h"
#include "support/temp_dir.h"

namespace tunelot::testing {

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void TitleCarriesTheVersionString() {
    FormFixture fixture("1.10.0.300");
    QCOMPARE(fixture.form->windowTitle(), QString("Tunelot 1.10.0.300"));
    FormFixture unversioned("");
    QCOMPARE(unversioned.form->windowTitle(), QString("Tunelot "));
  }

  void StartsWithEmptyListsAndInitialStatusLines() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    QCOMPARE(form.inputList().Count(), 0u);
    QCOMPARE(form.outputList().Count(), 0u);
    QCOMPARE(form.Label2->text(), QString("0 file(s) in input list ( 0 bytes )"));
    QCOMPARE(form.Label3->text(), QString("0 file(s) in output list ( 0 bytes )"));
    QVERIFY(!form.AdvListView1->isEnabled());
    QVERIFY(form.AdvListView2->isEnabled());
    QVERIFY(form.ReadFrom->text().isEmpty());
    QVERIFY(form.SaveTo->text().isEmpty());
    QVERIFY(form.LabelSize->text().isEmpty());
    QVERIFY(form.Label1->isHidden());
    QVERIFY(form.Gauge1->isHidden());
    QCOMPARE(form.Gauge1->progress(), 0);
  }

  void EveryControlStandsAtItsPlace() {
    FormFixture fixture;
    const TFormTunelot& form = *fixture.form;
    QCOMPARE(form.centralWidget()->size(), QSize(981, 472));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.pos(), QPoint(6, 132));
    struct Place {
      const char* name;
      QRect geometry;
      const char* hint;
    };
    const Place places[] = {
        {"ReadFrom", {7, 24, 341, 21}, "Select input location"},
        {"BitBtnSelect", {359, 22, 73, 25}, "List MP3 files in selected path"},
        {"SaveTo", {520, 24, 315, 21}, "Select output location"},
        {"BitBtnCopy", {844, 22, 73, 25}, "Copy files in list to selected location"},
        {"AdvListView1", {7, 59, 426, 366}, "Right click for more options"},
        {"fcShapeBtnMoveToOutput", {464, 200, 39, 33}, "Move selected files to output list"},
        {"fcShapeBtnMoveToInput", {464, 240, 39, 33}, "Unpick selected files"},
        {"AdvListView2", {519, 59, 402, 366}, "Right click for more options"},
        {"fcShapeBtnUp", {936, 200, 25, 33}, "Move file Up"},
        {"fcShapeBtnDown", {936, 240, 25, 33}, "Move file Down"},
        {"Label1", {8, 456, 920, 13}, ""},
    };
    for (const Place& place : places) {
      const auto* control = form.findChild<QWidget*>(place.name);
      QVERIFY2(control != nullptr, place.name);
      QCOMPARE(control->geometry(), place.geometry);
      QCOMPARE(control->toolTip(), QString(place.hint));
      QVERIFY(!control->accessibleName().isEmpty());
    }
    QCOMPARE(form.Label2->pos(), QPoint(16, 442));
    QCOMPARE(form.Label3->pos(), QPoint(520, 440));
    QCOMPARE(form.LabelSize->pos(), QPoint(632, 7));
    QCOMPARE(form.Gauge1->size(), QSize(920, 15));
    QCOMPARE(form.BitBtnSelect->text(), QString("Get files"));
    QCOMPARE(form.BitBtnCopy->text(), QString("Copy files"));
    QCOMPARE(form.ReadFrom->captionLabel()->text(), QString("Input path"));
    QCOMPARE(form.SaveTo->captionLabel()->text(), QString("Output path"));
    QCOMPARE(form.ReadFrom->lineEdit()->accessibleName(), QString("Input path"));
    QCOMPARE(form.fcShapeBtnUp->faceColor(), QColor(211, 217, 193));
  }

  void TabOrderFollowsTheLayoutTable() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.AdvListView1->setEnabled(true);
    const QList<QWidget*> expected = {form.BitBtnSelect,           form.fcShapeBtnUp,
                                      form.fcShapeBtnDown,         form.BitBtnCopy,
                                      form.SaveTo->lineEdit(),     form.AdvListView1,
                                      form.fcShapeBtnMoveToOutput, form.fcShapeBtnMoveToInput,
                                      form.ReadFrom->lineEdit(),   form.AdvListView2};
    expected.first()->setFocus();
    for (int i = 1; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), expected[i]);
    }
  }

  void MenusCarryTheirItemsAndShortcuts() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    QCOMPARE(form.File1->title(), QString("&File"));
    QCOMPARE(form.Save1->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(form.SelectAll1->shortcut(), QKeySequence("Ctrl+A"));
    QCOMPARE(form.Copy1->shortcut(), QKeySequence("Ctrl+C"));
    QCOMPARE(form.Paste1->shortcut(), QKeySequence("Ctrl+P"));
    QStringList popup1;
    for (QAction* action : form.PopupMenu1->actions()) popup1 << action->objectName();
    QCOMPARE(popup1, QStringList({"Selectallfiles1", "RemoveSelectedInputList", "ClearList1",
                                  "PrintList1", "N1", "Play1", "RandomizeSelection1"}));
    QStringList popup2;
    for (QAction* action : form.PopupMenu2->actions()) popup2 << action->objectName();
    QCOMPARE(popup2,
             QStringList({"RemoveSelectedOutputList", "ClearList2", "PrintList2", "N3",
                          "Loadlistfromfile1", "Savelisttofile1", "N2", "Play2", "Randomize1"}));
  }

  void ShortcutsActForTheWindowWhileAPathBoxHasFocus() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.inputList().Append(Entry("/music/a.mp3"));
    form.outputList().Append(Entry("/music/b.mp3"));
    form.SaveTo->setText("/media/stick");
    QLineEdit* box = form.SaveTo->lineEdit();
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(form.inputList().SelectedCount(), 0u);
    QCOMPARE(form.outputList().SelectedCount(), 0u);

    QGuiApplication::clipboard()->setText("untouched");
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("/music/a.mp3\n"));
    QCOMPARE(box->text(), QString("/media/stick"));
  }

  void SelectAllActsOnTheFocusedList() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.outputList().Append(Entry("/music/a.mp3"));
    form.outputList().Append(Entry("/music/b.mp3"));
    form.AdvListView2->setFocus();
    QTest::keyClick(form.AdvListView2, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(form.outputList().SelectedCount(), 2u);
    QCOMPARE(form.AdvListView2->selectionModel()->selectedRows().size(), 2);
  }

  void HeaderClicksSortAscendingDescendingAscending() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    for (const char* path : {"b", "C", "a"}) form.outputList().Append(Entry(path));
    QHeaderView* header = form.AdvListView2->header();
    auto clickHeader = [&] {
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(20, header->height() / 2));
    };
    auto order = [&] {
      QString text;
      for (const Entry& entry : form.outputList().Entries())
        text += QString::fromStdString(entry.path);
      return text;
    };
    clickHeader();
    QCOMPARE(order(), QString("Cab"));
    QCOMPARE(form.AdvListView2->sortHeader()->arrow(), SortHeader::Arrow::Up);
    clickHeader();
    QCOMPARE(order(), QString("baC"));
    QCOMPARE(form.AdvListView2->sortHeader()->arrow(), SortHeader::Arrow::Down);
    clickHeader();
    QCOMPARE(order(), QString("Cab"));

    form.AdvListView1->setEnabled(true);
    for (const char* path : {"y", "x"}) form.inputList().Append(Entry(path));
    QHeaderView* inputHeader = form.AdvListView1->header();
    QTest::mouseClick(inputHeader->viewport(), Qt::LeftButton, {},
                      QPoint(20, inputHeader->height() / 2));
    QCOMPARE(form.inputList().At(0).path, std::string("x"));
  }

  void FolderPickerChangesTheBoxOnlyForAnotherFolder() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.SaveTo->setText("/media/stick/");
    fixture.space.asked.clear();
    fixture.dialogs.folderAnswers = {QString("/media/stick/"), QString("/media/other"),
                                     std::nullopt};
    QTest::mouseClick(form.SaveTo->browseButton(), Qt::LeftButton);
    QCOMPARE(fixture.dialogs.pickerStarts.last(), QString("/media/stick"));
    QCOMPARE(form.SaveTo->text(), QString("/media/stick/"));
    QCOMPARE(fixture.space.asked.size(), std::size_t{0});  // the same folder: no change
    form.SaveTo->lineEdit()->setFocus();
    QTest::keyClick(form.SaveTo->lineEdit(), Qt::Key_F4);
    QCOMPARE(form.SaveTo->text(), QString("/media/other"));
    QCOMPARE(fixture.space.asked.size(), std::size_t{1});
    QTest::mouseClick(form.SaveTo->browseButton(), Qt::LeftButton);  // cancelled
    QCOMPARE(form.SaveTo->text(), QString("/media/other"));
    QCOMPARE(fixture.space.asked.size(), std::size_t{1});
    form.SaveTo->setText("");
    QTest::mouseClick(form.SaveTo->browseButton(), Qt::LeftButton);
    QCOMPARE(fixture.dialogs.pickerStarts.last(), QDir::currentPath());
  }

  void AnErrorInAHandlerReachesTheReportAndTheWindowGoesOn() {
    TempDir dir;
    WriteFile(dir / "a.mp3", "a");
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.outputList().Append(Entry(dir / "a.mp3"));
    form.outputList().Append(Entry(dir / "gone.mp3"));
    fixture.dialogs.answers = {false};
    form.RemoveSelectedOutputList->trigger();
    QCOMPARE(fixture.dialogs.Log(),
             QStringList({"confirm: Remove selected files from List",
                          "report: Cannot open file \"" + QString::fromStdString(dir / "gone.mp3") +
                              "\". No such file or directory"}));
    QCOMPARE(form.Label3->text(), QString("0 file(s) in output list ( 0 bytes )"));
    QVERIFY(form.isVisible());
    fixture.dialogs.shown.clear();
    form.outputList().SetSelected(1, true);
    fixture.dialogs.answers = {true};
    form.RemoveSelectedOutputList->trigger();
    QCOMPARE(form.outputList().Count(), 1u);
    QVERIFY(form.Label3->text().startsWith("1 file(s) in output list ( 1.00 bytes )"));
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::MainWindowTest)
#include "main_window_test.moc"
