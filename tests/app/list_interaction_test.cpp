#include <QContextMenuEvent>
#include <QtTest>

#include "support/gui/form_fixture.h"
#include "support/gui/qtest_main.h"
#include "support/temp_dir.h"
#include "widgets/screen_cursor.h"

namespace tunelot::testing {
namespace {

QPoint RowCentre(FileListView* view, int row) {
  return view->visualRect(view->model()->index(row, 0)).center();
}

void ClickRow(FileListView* view, int row, Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, RowCentre(view, row));
}

void SendMove(QWidget* widget, const QPoint& local) {
  QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

// Presses on a row of `source`, moves by `offset` with the button held, releases there.
void DragBy(FileListView* source, int row, const QPoint& offset) {
  QWidget* viewport = source->viewport();
  const QPoint start = RowCentre(source, row);
  QTest::mousePress(viewport, Qt::LeftButton, {}, start);
  SendMove(viewport, start + offset / 2);
  SendMove(viewport, start + offset);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + offset);
}

QStringList Paths(const FileList& list) {
  QStringList paths;
  for (const Entry& entry : list.Entries()) paths << QString::fromStdString(entry.path);
  return paths;
}

QStringList EnabledItems(QMenu* menu) {
  QStringList enabled;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator() && action->isEnabled()) enabled << action->objectName();
  }
  return enabled;
}

// Opens a list's context menu as a right-click does and reads which items are enabled.
QStringList OpenContextMenu(FileListView* view, QMenu* menu) {
  const QPoint at(10, 10);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
  QApplication::sendEvent(view->viewport(), &event);
  const QStringList enabled = EnabledItems(menu);
  menu->hide();
  return enabled;
}

}  // namespace

class ListInteractionTest : public QObject {
  Q_OBJECT

  void Fill(FileList& list, const QStringList& paths) {
    for (const QString& path : paths) list.Append(Entry(path.toStdString()));
  }

 private slots:
  void GetFilesRefusesABlankPathButStillEnablesTheList() {
    FormFixture fixture;
    fixture.form->ReadFrom->setText(" \t ");
    QTest::mouseClick(fixture.form->BitBtnSelect, Qt::LeftButton);
    QCOMPARE(fixture.dialogs.Log(), QStringList({"information: Input path must be selected"}));
    QVERIFY(fixture.form->AdvListView1->isEnabled());
    QCOMPARE(fixture.form->Label2->text(), QString("0 file(s) in input list ( 0 bytes )"));
  }

  void EnterScansWithoutEnablingAndGetFilesEnables() {
    TempDir dir;
    WriteFile(dir / "b.mp3", "bb");
    WriteFile(dir / "sub/a.MP3", "a");
    WriteFile(dir / "c.wav", "c");
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.ReadFrom->lineEdit()->setFocus();
    QTest::keyClicks(form.ReadFrom->lineEdit(), QString::fromStdString(dir.path()));
    QTest::keyClick(form.ReadFrom->lineEdit(), Qt::Key_Return);
    QCOMPARE(form.inputList().Count(), 2u);
    QVERIFY(!form.AdvListView1->isEnabled());
    QCOMPARE(form.Label2->text(), QString("2 file(s) in source list ( 3.00 bytes )"));
    QCOMPARE(ScreenCursor(), CursorShape::Default);
    QTest::mouseClick(form.BitBtnSelect, Qt::LeftButton);
    QCOMPARE(form.inputList().Count(), 2u);
    QVERIFY(form.AdvListView1->isEnabled());
  }

  void ArrowButtonsMoveAndTheInputListStaysSorted() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.AdvListView1->setEnabled(true);
    TempDir dir;
    for (const char* name : {"a", "b", "c", "d", "e"}) WriteFile(dir / name, "x");
    Fill(form.inputList(), {QString::fromStdString(dir / "a"), QString::fromStdString(dir / "b"),
                            QString::fromStdString(dir / "c"), QString::fromStdString(dir / "d"),
                            QString::fromStdString(dir / "e")});
    ClickRow(form.AdvListView1, 1);
    ClickRow(form.AdvListView1, 3, Qt::ControlModifier);
    QCOMPARE(form.inputList().SelectedCount(), 2u);
    QTest::mouseClick(form.fcShapeBtnMoveToOutput, Qt::LeftButton);
    QCOMPARE(Paths(form.outputList()),
             QStringList({QString::fromStdString(dir / "b"), QString::fromStdString(dir / "d")}));
    QCOMPARE(form.inputList().Count(), 3u);
    QVERIFY(form.inputList().At(2).selected);  // E: the last index, clamped
    QCOMPARE(form.Label3->text(), QString("2 file(s) in output list ( 2.00 bytes )"));
    QCOMPARE(form.Label2->text(), QString("3 file(s) in source list ( 3.00 bytes )"));

    ClickRow(form.AdvListView2, 1);
    QTest::mouseClick(form.fcShapeBtnMoveToInput, Qt::LeftButton);
    QCOMPARE(Paths(form.inputList()),
             QStringList({QString::fromStdString(dir / "a"), QString::fromStdString(dir / "c"),
                          QString::fromStdString(dir / "d"), QString::fromStdString(dir / "e")}));
  }

  void LeftArrowSetsTheEnabledFlagFromTheInputList() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    QTest::mouseClick(form.fcShapeBtnMoveToInput, Qt::LeftButton);
    QVERIFY(!form.AdvListView1->isEnabled());
    form.inputList().Append(Entry("/x.mp3"));
    QTest::mouseClick(form.fcShapeBtnMoveToInput, Qt::LeftButton);
    QVERIFY(form.AdvListView1->isEnabled());
  }

  void UpAndDownMoveTheCurrentOutputEntry() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    Fill(form.outputList(), {"A", "B", "C"});
    QTest::mouseClick(form.fcShapeBtnDown, Qt::LeftButton);  // nothing selected: select first
    QCOMPARE(Paths(form.outputList()), QStringList({"A", "B", "C"}));
    QVERIFY(form.outputList().At(0).selected);
    QTest::mouseClick(form.fcShapeBtnDown, Qt::LeftButton);
    QTest::mouseClick(form.fcShapeBtnDown, Qt::LeftButton);
    QCOMPARE(Paths(form.outputList()), QStringList({"B", "C", "A"}));
    QTest::mouseClick(form.fcShapeBtnDown, Qt::LeftButton);
    QCOMPARE(Paths(form.outputList()), QStringList({"B", "C", "A"}));
    QTest::mouseClick(form.fcShapeBtnUp, Qt::LeftButton);
    QCOMPARE(Paths(form.outputList()), QStringList({"B", "A", "C"}));
    QCOMPARE(form.AdvListView2->selectionModel()->selectedRows().first().row(), 1);
  }

  void ShuffleRefusesShortListsAndExchangesTwo() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    Fill(form.outputList(), {"A"});
    form.Randomize1->trigger();
    QCOMPARE(fixture.dialogs.Log(),
             QStringList({"information: There are no files to Randomize Order"}));
    Fill(form.outputList(), {"B"});
    form.Randomize1->trigger();
    QCOMPARE(Paths(form.outputList()), QStringList({"B", "A"}));
  }

  void RemoveAndClearAskFirstAndRefreshEitherWay() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    TempDir dir;
    WriteFile(dir / "a", "1");
    WriteFile(dir / "b", "22");
    Fill(form.outputList(), {QString::fromStdString(dir / "a"), QString::fromStdString(dir / "b")});
    form.outputList().SetSelected(0, true);
    fixture.dialogs.answers = {false, true, false, true};
    form.RemoveSelectedOutputList->trigger();
    QCOMPARE(form.outputList().Count(), 2u);
    QCOMPARE(form.Label3->text(), QString("2 file(s) in output list ( 3.00 bytes )"));
    form.RemoveSelectedOutputList->trigger();
    QCOMPARE(Paths(form.outputList()), QStringList({QString::fromStdString(dir / "b")}));
    form.ClearList2->trigger();
    QCOMPARE(form.outputList().Count(), 1u);
    form.ClearList2->trigger();
    QCOMPARE(form.outputList().Count(), 0u);
    QCOMPARE(form.Label3->text(), QString("0 file(s) in output list ( 0.00 bytes )"));
    QCOMPARE(fixture.dialogs.Log(), QStringList({"confirm: Remove selected files from List",
                                                 "confirm: Remove selected files from List",
                                                 "confirm: Clear List", "confirm: Clear List"}));
  }

  void ContextMenusEnableByTheListsState() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.AdvListView1->setEnabled(true);
    QCOMPARE(OpenContextMenu(form.AdvListView1, form.PopupMenu1), QStringList());
    QCOMPARE(OpenContextMenu(form.AdvListView2, form.PopupMenu2),
             QStringList({"Loadlistfromfile1"}));

    Fill(form.outputList(), {"/one.mp3"});
    QCOMPARE(OpenContextMenu(form.AdvListView2, form.PopupMenu2),
             QStringList({"ClearList2", "PrintList2", "Loadlistfromfile1"}));
    ClickRow(form.AdvListView2, 0);
    QCOMPARE(OpenContextMenu(form.AdvListView2, form.PopupMenu2),
             QStringList({"RemoveSelectedOutputList", "ClearList2", "PrintList2",
                          "Loadlistfromfile1", "Play2"}));
    Fill(form.outputList(), {"/two.mp3"});
    QCOMPARE(OpenContextMenu(form.AdvListView2, form.PopupMenu2),
             QStringList({"RemoveSelectedOutputList", "ClearList2", "PrintList2",
                          "Loadlistfromfile1", "Savelisttofile1", "Play2", "Randomize1"}));

    Fill(form.inputList(), {"/a.mp3", "/b.mp3"});
    QCOMPARE(OpenContextMenu(form.AdvListView1, form.PopupMenu1),
             QStringList({"Selectallfiles1", "ClearList1", "PrintList1", "RandomizeSelection1"}));
    ClickRow(form.AdvListView1, 1);
    QCOMPARE(OpenContextMenu(form.AdvListView1, form.PopupMenu1),
             QStringList({"Selectallfiles1", "RemoveSelectedInputList", "ClearList1", "PrintList1",
                          "Play1", "RandomizeSelection1"}));
  }

  void ADragStartsOnlyAfterAHundredPixels() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.AdvListView1->setEnabled(true);
    Fill(form.inputList(), {"/a.mp3", "/b.mp3"});
    DragBy(form.AdvListView1, 0, QPoint(99, 99));
    QCOMPARE(form.outputList().Count(), 0u);
    QVERIFY(!form.AdvListView1->Dragging());

    // 100 pixels to the right and down into the output list: the drag drops there.
    const QPoint intoOutput =
        form.AdvListView2->mapTo(&form, QPoint(20, 20)) -
        form.AdvListView1->viewport()->mapTo(&form, RowCentre(form.AdvListView1, 0));
    QVERIFY(intoOutput.x() >= 100);
    DragBy(form.AdvListView1, 0, intoOutput);
    QCOMPARE(Paths(form.outputList()), QStringList({"/a.mp3"}));
    QCOMPARE(ScreenCursor(), CursorShape::Arrow);
  }

  void ADropMovesFromTheOtherListWhateverTheSource() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.AdvListView1->setEnabled(true);
    Fill(form.inputList(), {"/a.mp3", "/b.mp3"});
    Fill(form.outputList(), {"/x.mp3"});
    // A drag from the output list dropped on the output list moves input entries; with
    // nothing selected in the input list its first entry becomes the selected one.
    DragBy(form.AdvListView2, 0, QPoint(0, 150));
    QCOMPARE(Paths(form.outputList()), QStringList({"/x.mp3"}));
    QVERIFY(form.inputList().At(0).selected);
    DragBy(form.AdvListView2, 0, QPoint(0, 150));
    QCOMPARE(Paths(form.outputList()), QStringList({"/x.mp3", "/a.mp3"}));
  }

  void DoubleClicksMoveTheSelection() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.AdvListView1->setEnabled(true);
    Fill(form.inputList(), {"/a.mp3", "/b.mp3"});
    QTest::mouseDClick(form.AdvListView1->viewport(), Qt::LeftButton, {},
                       RowCentre(form.AdvListView1, 1));
    QCOMPARE(Paths(form.outputList()), QStringList({"/b.mp3"}));
    form.AdvListView1->setEnabled(false);
    QTest::mouseDClick(form.AdvListView2->viewport(), Qt::LeftButton, {},
                       RowCentre(form.AdvListView2, 0));
    QCOMPARE(Paths(form.inputList()), QStringList({"/a.mp3", "/b.mp3"}));
    QVERIFY(!form.AdvListView1->isEnabled());
  }

  void AClickInAListLeavesTheArrowCursorEverywhere() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    Fill(form.outputList(), {"/a.mp3"});
    QTest::mousePress(form.AdvListView2->viewport(), Qt::LeftButton, {},
                      RowCentre(form.AdvListView2, 0));
    QCOMPARE(ScreenCursor(), CursorShape::Drag);
    QTest::mouseRelease(form.AdvListView2->viewport(), Qt::LeftButton, {},
                        RowCentre(form.AdvListView2, 0));
    QCOMPARE(ScreenCursor(), CursorShape::Arrow);
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    form.ReadFrom->setText("/nowhere");
    QTest::mouseClick(form.BitBtnSelect, Qt::LeftButton);
    QCOMPARE(ScreenCursor(), CursorShape::Default);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
  }

  void ViewSelectionAndEntryFlagsStayInStep() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    Fill(form.outputList(), {"/a", "/b", "/c"});
    ClickRow(form.AdvListView2, 0);
    ClickRow(form.AdvListView2, 2, Qt::ShiftModifier);
    QCOMPARE(form.outputList().SelectedCount(), 3u);
    form.outputList().SetSelected(1, false);
    QCOMPARE(form.AdvListView2->selectionModel()->selectedRows().size(), 2);
    QVERIFY(!form.AdvListView2->selectionModel()->isRowSelected(1, {}));
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::ListInteractionTest)
#include "list_interaction_test.moc"
