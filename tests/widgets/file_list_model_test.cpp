#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "support/gui/qtest_main.h"
#include "widgets/file_list_model.h"
#include "widgets/file_list_view.h"

namespace tunelot::testing {

class FileListModelTest : public QObject {
  Q_OBJECT

 private slots:
  void BehavesAsAModelThroughEveryKindOfChange() {
    FileList list;
    FileListModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.Append(Entry("/a.mp3"));
    Entry withTexts("/b.mp3", -1);
    withTexts.subItems = {Cell{"second", -1}};
    list.AddColumn();
    list.Append(withTexts);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QString("second"));
    QCOMPARE(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QString());
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Files"));
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    list.SetColumnCaption(0, "File");
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("File"));
    list.Take(0);
    list.Clear();
    QCOMPARE(model.rowCount(), 0);
  }

  void OneBracketIsOneReset() {
    FileList list;
    FileListModel model(list);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    {
      UpdateBracket bracket(list);
      for (int i = 0; i < 100000; ++i) list.Append(Entry("/music/" + std::to_string(i) + ".mp3"));
    }
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 100000);
  }

  void ShowsBytesThatAreNotUtf8WithoutChangingThem() {
    FileList list;
    FileListView view(list);
    list.Append(Entry("/music/caf\xE9.mp3"));
    QVERIFY(view.model()->data(view.model()->index(0, 0)).toString().startsWith("/music/caf"));
    QCOMPARE(list.At(0).path, std::string("/music/caf\xE9.mp3"));
  }

  void TheFirstColumnFillsTheListWithinItsBounds() {
    FileList list;
    FileListView view(list);
    view.resize(426, 366);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.header()->sectionSize(0), view.viewport()->width());
    view.resize(800, 366);
    QCOMPARE(view.header()->sectionSize(0), 500);
  }
};

}  // namespace tunelot::testing

TUNELOT_QTEST_MAIN(tunelot::testing::FileListModelTest)
#include "file_list_model_test.moc"
