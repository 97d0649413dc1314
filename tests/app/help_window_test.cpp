#include "app/help_window.h"

#include <QProcess>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

#include "app/maker.h"
#include "support/gui/form_fixture.h"
#include "support/gui/pdf_text.h"
#include "support/gui/qtest_main.h"
#include "support/temp_dir.h"

namespace tunelot::testing {
namespace {

// Prints into a PDF file instead of the default printer, or has no printer at all.
class PdfPrintTarget : public PrintTarget {
 public:
  explicit PdfPrintTarget(QString file) : file_(std::move(file)) {}
  std::unique_ptr<QPrinter> DefaultPrinter() override {
    if (file_.isEmpty()) throw std::runtime_error("There is no default printer");
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file_);
    return printer;
  }

 private:
  QString file_;
};

QString PdfTitle(const QString& file) {
  QProcess info;
  info.start("pdfinfo", {file});
  info.waitForFinished(-1);
  for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n')) {
    if (line.startsWith("Title:")) return line.mid(6).trimmed();
  }
  return {};
}

constexpr qreal kFivePoints = 5 * 96.0 / 72.0;

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void TheWindowHasItsFixedLayout() {
    PdfPrintTarget target("");
    TFormTunelotHelp help(target);
    QCOMPARE(help.windowTitle(), QString("Help Tunelot"));
    QCOMPARE(help.size(), QSize(688, 465));
    QCOMPARE(help.minimumSize(), help.maximumSize());
    QCOMPARE(help.pos(), QPoint(228, 162));
    QVERIFY(help.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(help.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(help.wwDBRichEdit1->geometry(), QRect(0, 0, 688, 417));
    QVERIFY(help.wwDBRichEdit1->isReadOnly());
    QCOMPARE(help.wwDBRichEdit1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(help.wwDBRichEdit1->lineWrapMode(), QTextEdit::WidgetWidth);
    QCOMPARE(help.BitBtnPrint->geometry(), QRect(634, 421, 49, 38));
    QVERIFY(help.BitBtnPrint->text().isEmpty());
    QVERIFY(!help.BitBtnPrint->icon().isNull());
    QCOMPARE(help.BitBtnPrint->iconSize(), QSize(32, 32));
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    help.wwDBRichEdit1->setFocus();
    QTest::keyClick(help.wwDBRichEdit1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), help.BitBtnPrint);
  }

  void TheDocumentHasItsContentAndFormatting() {
    PdfPrintTarget target("");
    TFormTunelotHelp help(target);
    const QTextDocument& document = *help.wwDBRichEdit1->document();
    const QString address = kMakerWebAddress;
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
      paragraphs << block.text();
    }
    QCOMPARE(paragraphs.size(), 20);
    QCOMPARE(paragraphs[0], QString("Tunelot by ") + kMakerName + " " + address);
    QCOMPARE(paragraphs[1], QString("- Overview -"));
    QVERIFY(paragraphs[2].contains("12-volt") && paragraphs[2].contains("512 MB"));
    QVERIFY(paragraphs[5].isEmpty());
    QCOMPARE(paragraphs[6], QString("Quick Start Guide"));
    for (int step = 1; step <= 10; ++step) {
      QVERIFY(paragraphs[6 + step].startsWith(QString("%1.) ").arg(step)));
    }
    QCOMPARE(paragraphs[18], QString(kMakerName) + " " + address);
    QVERIFY(paragraphs[19].isEmpty());

    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
      const bool last = block == document.lastBlock();
      QCOMPARE(block.blockFormat().topMargin(), last ? 0.0 : kFivePoints);
      QCOMPARE(block.blockFormat().bottomMargin(), last ? 0.0 : kFivePoints);
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        const QString text = fragment.text().trimmed();
        QCOMPARE(format.fontFamilies().toStringList().value(0), QString("Courier New"));
        QCOMPARE(format.fontPointSize(), 10.0);
        QVERIFY(!format.isAnchor());
        const bool isAddress = text == address;
        QCOMPARE(format.fontUnderline(), isAddress);
        if (isAddress) {
          QCOMPARE(format.foreground().color(), QColor(0, 0, 255));
        } else {
          QVERIFY(format.foreground().style() == Qt::NoBrush ||
                  format.foreground().color() == QColor(Qt::black));
        }
        const bool bold = block.blockNumber() <= 1 || block.blockNumber() == 6 ||
                          block.blockNumber() == 18 || isAddress ||
                          QRegularExpression("^\\d+\\.\\)$").match(text).hasMatch();
        if (!text.isEmpty()) QCOMPARE(format.fontWeight() == QFont::Bold, bold);
      }
    }
  }

  void TheTextIsReadOnlyButSelectableAndStaysAfterReopening() {
    PdfPrintTarget target("");
    TFormTunelotHelp help(target);
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    RichTextView* view = help.wwDBRichEdit1;
    const QString before = view->toHtml();
    view->setFocus();
    QTest::keyClicks(view, "typed");
    QTest::keyClick(view, Qt::Key_Delete);
    QTest::keyClick(view, Qt::Key_Backspace);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(view->toHtml(), before);
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(view->textCursor().hasSelection());

    const int addressAt = view->document()->find(kMakerWebAddress).position() - 3;
    QTextCursor cursor(view->document());
    cursor.setPosition(addressAt);
    const QPoint onAddress = view->cursorRect(cursor).center();
    QVERIFY(view->anchorAt(onAddress).isEmpty());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onAddress);
    QCOMPARE(view->toHtml(), before);

    help.close();
    QVERIFY(!help.isVisible());
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QCOMPARE(view->toHtml(), before);
  }

  void PrintsTheDocumentWithinInchMarginsAsTunelotHelp() {
    TempDir dir;
    const QString pdf = QString::fromStdString(dir / "help.pdf");
    PdfPrintTarget target(pdf);
    TFormTunelotHelp help(target);
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    const QString before = help.wwDBRichEdit1->toHtml();
    QTest::mouseClick(help.BitBtnPrint, Qt::LeftButton);

    QCOMPARE(PdfTitle(pdf), QString("Tunelot Help"));
    const QList<QStringList> pages = PdfPageLines(pdf);
    QVERIFY(!pages.isEmpty());
    QCOMPARE(pages.first().first(), QString("Tunelot by ") + kMakerName + " " + kMakerWebAddress);
    QStringList lines;
    for (const QStringList& page : pages) lines << page;
    const QString text = lines.join(' ');
    QVERIFY(text.contains("Quick Start Guide"));
    QVERIFY(text.contains("10.)"));
    QVERIFY(pages.last().last().endsWith(kMakerWebAddress));

    const QList<PdfWord> words = PdfWords(pdf);
    QVERIFY(!words.isEmpty());
    for (const PdfWord& word : words) {
      const QRectF inside(QPointF(72, 72), word.pageSize - QSizeF(144, 144));
      QVERIFY2(inside.adjusted(-1, -1, 1, 1).contains(word.box), qPrintable(word.text));
    }
    QCOMPARE(help.wwDBRichEdit1->toHtml(), before);
  }

  void WithoutAPrinterTheErrorGoesOnAndTheWindowStays() {
    PdfPrintTarget target("");
    TFormTunelotHelp help(target);
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, help.BitBtnPrintClick());
    QVERIFY(help.isVisible());
  }

  void TheHelpMenuShowsTheWindowModallyUntilItCloses() {
    FormFixture fixture;
    PdfPrintTarget target("");
    TFormTunelotHelp help(target, fixture.form.get());
    fixture.form->SetHelpWindow(&help);
    bool wasModal = false;
    QTimer::singleShot(0, &help, [&] {
      wasModal = help.isVisible() && help.isModal();
      help.close();
    });
    fixture.form->HelpContents1->trigger();
    QVERIFY(wasModal);
    QVERIFY(!help.isVisible());
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::HelpWindowTest)
#include "help_window_test.moc"
