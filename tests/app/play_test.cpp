#include <QContextMenuEvent>
#include <QMenuBar>
#include <QtTest>

#include "support/gui/form_fixture.h"
#include "support/gui/qtest_main.h"
#include "widgets/screen_cursor.h"

namespace tunelot::testing {
namespace {

void ClickRow(FileListView* view, int row, Qt::KeyboardModifiers modifiers = {}) {
  const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, centre);
}

void ClickMenuItem(QMenu* menu, QAction* item) {
  QVERIFY(QTest::qWaitForWindowExposed(menu));
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

// Right-clicks the list and picks `item` from its context menu.
void ChooseFromContextMenu(FileListView* view, QMenu* menu, QAction* item) {
  const QPoint at(10, 10);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
  QApplication::sendEvent(view->viewport(), &event);
  ClickMenuItem(menu, item);
}

void ChooseFilePlay(TFormTunelot& form) {
  QMenuBar* bar = form.menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, {},
                    bar->actionGeometry(form.File1->menuAction()).center());
  ClickMenuItem(form.File1, form.Play3);
}

void Fill(FileList& list, const std::vector<std::string>& paths) {
  for (const std::string& path : paths) list.Append(Entry(path));
}

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private slots:
  void NothingSelectedOrABlankPathIsRefused() {
    struct Case {
      const char* name;
      std::string path;  // the one entry; selected unless empty and unselected
      bool selected;
    };
    const Case cases[] = {
        {"nothing selected", "/music/a.mp3", false},
        {"empty path", "", true},
        {"blanks and controls", " \t\r\n ", true},
    };
    for (const Case& c : cases) {
      FormFixture fixture;
      fixture.form->outputList().Append(Entry(c.path));
      fixture.form->outputList().SetSelected(0, c.selected);
      ChooseFilePlay(*fixture.form);
      QCOMPARE(fixture.dialogs.Log(), QStringList({"information: A file must be selected"}));
      QVERIFY2(fixture.shell.asked.empty(), c.name);
      QVERIFY2(fixture.shell.chosen.empty(), c.name);
    }
  }

  void TheFirstSelectedEntryIsHandedOverUntrimmed() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    Fill(form.outputList(), {"/music/a.mp3", " /music/b.mp3 ", "/music/c.mp3"});
    ClickRow(form.AdvListView2, 2);
    ClickRow(form.AdvListView2, 1, Qt::ControlModifier);
    ChooseFromContextMenu(form.AdvListView2, form.PopupMenu2, form.Play2);
    QCOMPARE(fixture.shell.asked, std::vector<std::string>{" /music/b.mp3 "});
    QCOMPARE(fixture.shell.started, std::vector<std::string>{" /music/b.mp3 "});
    QCOMPARE(fixture.shell.arguments, std::vector<std::string>{""});
    QVERIFY(fixture.shell.chosen.empty());
    QVERIFY(fixture.dialogs.shown.empty());
    QCOMPARE(form.outputList().SelectedCount(), 2u);  // playing changes nothing
    QCOMPARE(ScreenCursor(), CursorShape::Default);
  }

  void TheInputListPlaysItsOwnSelection() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    form.AdvListView1->setEnabled(true);
    Fill(form.inputList(), {"/in/x.mp3", "/in/y.mp3"});
    Fill(form.outputList(), {"/out/z.mp3"});
    form.outputList().SetSelected(0, true);
    ClickRow(form.AdvListView1, 1);
    ChooseFromContextMenu(form.AdvListView1, form.PopupMenu1, form.Play1);
    QCOMPARE(fixture.shell.started, std::vector<std::string>{"/in/y.mp3"});
  }

  void WithoutAnAssociationTheChooserTakesOver() {
    FormFixture fixture;
    TFormTunelot& form = *fixture.form;
    fixture.shell.hasAssociation = false;
    Fill(form.outputList(), {"/music/gone.mp3"});
    form.outputList().SetSelected(0, true);
    ChooseFilePlay(form);
    QCOMPARE(fixture.shell.chosen, std::vector<std::string>{"/music/gone.mp3"});
    QVERIFY(fixture.shell.started.empty());
    QVERIFY(fixture.dialogs.shown.empty());

    fixture.shell.chooserFailure = 31;
    ChooseFilePlay(form);
    QCOMPARE(fixture.dialogs.Log(),
             QStringList({"error: There is no application associated with the given filename "
                          "extension."}));
  }

  void AFailedStartShowsTheShortText() {
    const std::pair<int, QString> cases[] = {
        {31, "No association for operation"}, {0, "Unknown"}, {2, "File not found"}};
    for (const auto& [code, text] : cases) {
      FormFixture fixture;
      fixture.shell.associationFailure = code;
      Fill(fixture.form->outputList(), {"/music/a.mp3"});
      fixture.form->outputList().SetSelected(0, true);
      ChooseFilePlay(*fixture.form);
      QCOMPARE(fixture.dialogs.Log(), QStringList({"error: " + text}));
      QVERIFY(fixture.shell.chosen.empty());
    }
  }

  void PlayFileChecksThePathItself() {
    FormFixture fixture;
    fixture.form->PlayFile("  ");
    QCOMPARE(fixture.dialogs.Log(), QStringList({"information: A file must be selected"}));
    QVERIFY(fixture.shell.asked.empty());
    fixture.form->PlayFile("\t/music/a.mp3");
    QCOMPARE(fixture.shell.started, std::vector<std::string>{"\t/music/a.mp3"});
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::PlayTest)
#include "play_test.moc"
