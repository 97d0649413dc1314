#include "widgets/shell.h"

#include <QFile>
#include <QtTest>

#include "support/gui/qtest_main.h"
#include "support/xdg_sandbox.h"
#include "widgets/open_with_dialog.h"

namespace tunelot::testing {
namespace {

// The desktop shell with the chooser answered by the test.
class ScriptedChooserShell : public DesktopShell {
 public:
  std::optional<std::string> pick;  // the ID to pick; nothing cancels
  std::vector<std::string> offered;
  std::string offeredFor;

 protected:
  std::optional<DesktopApp> AskForApplication(const std::vector<DesktopApp>& apps,
                                              const std::string& path) override {
    offeredFor = path;
    for (const DesktopApp& app : apps) offered.push_back(app.id);
    for (const DesktopApp& app : apps) {
      if (pick && app.id == *pick) return app;
    }
    return std::nullopt;
  }
};

QStringList ArgumentsRecordedBy(const std::string& script) {
  const QString file = QString::fromStdString(script + ".args");
  if (!QTest::qWaitFor([&] { return QFile::exists(file); })) return {"(never started)"};
  return QString::fromStdString(ReadFile(file.toStdString())).split('\n', Qt::SkipEmptyParts);
}

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void TheAssociatedApplicationGetsTheFileUnchanged() {
    XdgSandbox sandbox;
    const std::string player = sandbox.RecordingScript("player");
    sandbox.AddApp(sandbox.DataHome(), "player.desktop",
                   "Type=Application\nName=Player\nExec=" + player + " --play %f\n");
    WriteFile(sandbox.ConfigHome() + "/mimeapps.list",
              "[Default Applications]\naudio/mpeg=player.desktop\n");
    const std::string song = sandbox.dir / " My Song .mp3";
    WriteFile(song, "ID3");
    DesktopShell shell;
    QVERIFY(shell.HasAssociation(song));
    QString error = "stale";
    QVERIFY(shell.OpenWithAssociation(song, "", error));
    QCOMPARE(ArgumentsRecordedBy(player), QStringList({"--play", QString::fromStdString(song)}));
    QFile::remove(QString::fromStdString(player + ".args"));
    QVERIFY(shell.OpenWithAssociation(song, "--loud", error));
    QCOMPARE(ArgumentsRecordedBy(player),
             QStringList({"--play", QString::fromStdString(song), "--loud"}));
  }

  void AFailedStartNamesTheNearestShellCode() {
    XdgSandbox sandbox;
    WriteFile(sandbox.dir / "not-runnable", "plain text");
    struct Case {
      std::string exec;
      QString text;
    };
    const Case cases[] = {
        {sandbox.dir / "no-such-player", "File not found"},
        {"no-such-player-anywhere-on-the-path", "File not found"},
        {sandbox.dir / "not-runnable", "Access denied"},
        {sandbox.dir / "not-runnable/below", "Path not found"},
        {"\"unclosed quote", "No association for operation"},
    };
    const std::string song = sandbox.dir / "song.mp3";
    WriteFile(song, "ID3");
    DesktopShell shell;
    for (const Case& c : cases) {
      sandbox.AddApp(sandbox.DataDir(), "player.desktop",
                     "Type=Application\nName=Player\nMimeType=audio/mpeg\nExec=" + c.exec + "\n");
      QString error;
      QVERIFY2(!shell.OpenWithAssociation(song, "", error), c.exec.c_str());
      QCOMPARE(error, c.text);
    }
  }

  void AFileWithoutAssociationHasNone() {
    XdgSandbox sandbox;
    sandbox.AddApp(sandbox.DataDir(), "player.desktop",
                   "Type=Application\nName=Player\nMimeType=audio/mpeg\nExec=/bin/true\n");
    WriteFile(sandbox.dir / "notes", "no type");
    DesktopShell shell;
    QVERIFY(!shell.HasAssociation(sandbox.dir / "notes"));
    QVERIFY(!shell.HasAssociation(sandbox.dir / "gone.mp3"));
    QString error;
    QVERIFY(!shell.OpenWithAssociation(sandbox.dir / "gone.mp3", "", error));
    QCOMPARE(error, QString("No association for operation"));
  }

  void TheChooserStartsThePickedApplicationWithTheFile() {
    XdgSandbox sandbox;
    const std::string editor = sandbox.RecordingScript("editor");
    sandbox.AddApp(sandbox.DataDir(), "editor.desktop",
                   "Type=Application\nName=Editor\nExec=" + editor + " %U\n");
    sandbox.AddApp(sandbox.DataDir(), "player.desktop",
                   "Type=Application\nName=Player\nMimeType=audio/mpeg\nExec=/bin/true\n");
    const std::string song = sandbox.dir / "song.mp3";
    ScriptedChooserShell shell;
    shell.pick = "editor.desktop";
    QString error = "stale";
    QVERIFY(shell.OpenWithChooser(song, error));
    QVERIFY(error.isEmpty());
    QCOMPARE(shell.offeredFor, song);
    QCOMPARE(shell.offered, (std::vector<std::string>{"player.desktop", "editor.desktop"}));
    QCOMPARE(ArgumentsRecordedBy(editor), QStringList({QString::fromStdString(song)}));
  }

  void TheChooserReportsAFailedStartAndNotACancel() {
    XdgSandbox sandbox;
    sandbox.AddApp(sandbox.DataDir(), "broken.desktop",
                   "Type=Application\nName=Broken\nExec=" + sandbox.dir / "missing" + "\n");
    ScriptedChooserShell shell;
    QString error = "stale";
    QVERIFY(shell.OpenWithChooser(sandbox.dir / "song.mp3", error));  // cancelled
    QVERIFY(error.isEmpty());
    shell.pick = "broken.desktop";
    QVERIFY(!shell.OpenWithChooser(sandbox.dir / "song.mp3", error));
    QCOMPARE(error, QString("The specified file was not found."));
  }

  void OpenWithListsTheAppsAndOpensTheOnePicked() {
    std::vector<DesktopApp> apps(3);
    apps[0].id = "player.desktop";
    apps[0].name = "Player";
    apps[1].id = "unnamed.desktop";
    apps[2].id = "editor.desktop";
    apps[2].name = "Editor";
    OpenWithDialog dialog(apps, "song.mp3");
    QCOMPARE(dialog.windowTitle(), QString("Open With"));
    QVERIFY(dialog.prompt->text().contains("song.mp3"));
    QCOMPARE(dialog.applications->count(), 3);
    QCOMPARE(dialog.applications->item(0)->text(), QString("Player"));
    QCOMPARE(dialog.applications->item(1)->text(), QString("unnamed.desktop"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.Chosen()->id, std::string("player.desktop"));
    QVERIFY(dialog.openButton->isEnabled());

    const QRect third = dialog.applications->visualItemRect(dialog.applications->item(2));
    QTest::mouseClick(dialog.applications->viewport(), Qt::LeftButton, {}, third.center());
    QCOMPARE(dialog.Chosen()->id, std::string("editor.desktop"));
    QTest::keyClick(dialog.applications, Qt::Key_Up);
    QCOMPARE(dialog.Chosen()->id, std::string("unnamed.desktop"));
    QTest::keyClick(dialog.applications, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
  }

  void OpenWithCancelledChoosesNothing() {
    OpenWithDialog empty({}, "song.mp3");
    QVERIFY(!empty.openButton->isEnabled());
    QVERIFY(!empty.Chosen());
    std::vector<DesktopApp> apps(1);
    apps[0].id = "player.desktop";
    OpenWithDialog dialog(apps, "song.mp3");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::ShellTest)
#include "shell_test.moc"
