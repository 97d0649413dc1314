#include "app/about_box.h"

#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "app/maker.h"
#include "support/gui/fake_shell.h"
#include "support/gui/form_fixture.h"
#include "support/gui/qtest_main.h"

namespace tunelot::testing {
namespace {

void ShowAndWait(QDialog& box) {
  box.show();
  QVERIFY(QTest::qWaitForWindowExposed(&box));
}

QPoint ScreenCentre(const QWidget& box) { return box.screen()->availableGeometry().center(); }

}  // namespace

class AboutBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryControlStandsAtItsPlace() {
    FakeShell shell;
    TAboutBox box("1.0.0.3", shell);
    QCOMPARE(box.windowTitle(), QString("About"));
    QCOMPARE(box.size(), QSize(298, 213));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(box.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(box.Panel1->geometry(), QRect(8, 8, 281, 161));
    QCOMPARE(box.ProgramIcon->geometry(), QRect(240, 8, 32, 32));
    QVERIFY(!box.ProgramIcon->pixmap().isNull());
    const std::tuple<QLabel*, QPoint, QString> labels[] = {
        {box.ProductName, {4, 16}, "Product Name: Tunelot"},
        {box.Version, {4, 45}, "Version:"},
        {box.Copyright, {4, 80}, kCopyrightLine},
        {box.Label1, {5, 142}, kMakerWebAddress},
    };
    for (const auto& [label, place, text] : labels) {
      QCOMPARE(label->parentWidget(), box.Panel1);
      QCOMPARE(label->pos(), place);
      QCOMPARE(label->text(), text);
    }
    QCOMPARE(box.Label1->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(box.Label1->font().underline());
    QCOMPARE(box.Label1->palette().color(box.Label1->foregroundRole()), QColor(0, 0, 255));
    const QImage drawn = box.Label1->grab().toImage();
    bool blue = false;
    for (int y = 0; y < drawn.height() && !blue; ++y) {
      for (int x = 0; x < drawn.width() && !blue; ++x) blue = drawn.pixelColor(x, y) == Qt::blue;
    }
    QVERIFY(blue);
    QCOMPARE(box.OKButton->geometry(), QRect(111, 180, 75, 25));
    QCOMPARE(box.OKButton->text(), QString("OK"));
    QVERIFY(box.OKButton->isDefault());
  }

  void TheVersionIsSetAfreshAtEachShowing() {
    FakeShell shell;
    TAboutBox box("1.0.0.3", shell);
    for (int showing = 0; showing < 3; ++showing) {
      ShowAndWait(box);
      QCOMPARE(box.Version->text(), QString("Version: 1.0.0.3"));
      QVERIFY(box.Version->width() >= box.Version->sizeHint().width());
      box.hide();
    }
    TAboutBox unversioned("", shell);
    ShowAndWait(unversioned);
    QCOMPARE(unversioned.Version->text(), QString("Version: "));
  }

  void EnterClosesTheBoxWithOk() {
    FakeShell shell;
    TAboutBox box("1.0.0.3", shell);
    ShowAndWait(box);
    QTest::keyClick(&box, Qt::Key_Return);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
  }

  void TheAddressGoesToTheShellAndTheBoxStaysOpen() {
    FakeShell shell;
    TAboutBox box("1.0.0.3", shell);
    ShowAndWait(box);
    QTest::mouseClick(box.Label1, Qt::LeftButton, {}, box.Label1->rect().center());
    QCOMPARE(shell.documents, QStringList({kMakerWebAddress}));
    QVERIFY(box.isVisible());
    QTest::mouseClick(box.ProductName, Qt::LeftButton);
    QCOMPARE(shell.documents.size(), 1);
  }

  void TheBoxIsCentredAtEachShowing() {
    FakeShell shell;
    TAboutBox box("1.0.0.3", shell);
    for (int showing = 0; showing < 2; ++showing) {
      ShowAndWait(box);
      QVERIFY((box.frameGeometry().center() - ScreenCentre(box)).manhattanLength() <= 2);
      box.move(0, 0);
      box.hide();
    }
  }

  void TheHelpMenuShowsTheBoxModallyUntilItCloses() {
    FormFixture fixture;
    TAboutBox box("1.0.0.3", fixture.shell, fixture.form.get());
    fixture.form->SetAboutBox(&box);
    bool wasModal = false;
    QTimer::singleShot(0, &box, [&] {
      wasModal = box.isVisible() && box.isModal();
      QTest::keyClick(&box, Qt::Key_Return);
    });
    fixture.form->About1->trigger();
    QVERIFY(wasModal);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.Version->text(), QString("Version: 1.0.0.3"));
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::AboutBoxTest)
#include "about_box_test.moc"
