#include "common/editor/LanguageEditorModel.h"

#include "LanguageEditorFakes.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace orvik::common::editor;
using namespace orvik::common::editor::test;

class LanguageEditorModelTest : public QObject {
    Q_OBJECT

private slots:
    void isASoundModelThroughFillingEditingAndClearing() {
        LanguageEditorModel rows;
        QAbstractItemModelTester tester(&rows, QAbstractItemModelTester::FailureReportingMode::QtTest);
        rows.append(controlRow("frmMain", "lblName", "Name:", "Mein Name"));
        rows.append(textRow(17, "ja", ""));
        QCOMPARE(rows.rowCount(), 2);
        QCOMPARE(rows.index(0, LanguageEditorModel::Shown).data().toString(), QString("Name:"));
        QCOMPARE(rows.index(0, LanguageEditorModel::SelfDefine).data().toString(), QString("Mein Name"));
        QVERIFY(!(rows.flags(rows.index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(!rows.index(0, 2).isValid());

        QSignalSpy changed(&rows, &QAbstractItemModel::dataChanged);
        rows.setSelfDefine(1, "jawohl");
        QCOMPARE(changed.size(), 1);
        QCOMPARE(rows.index(1, LanguageEditorModel::SelfDefine).data().toString(), QString("jawohl"));
        QCOMPARE(rows.row(1).selfdefine, std::string("jawohl"));
        rows.setSelfDefine(5, "beyond the rows");
        QCOMPARE(changed.size(), 1);

        QVERIFY(rows.setHeaderData(0, Qt::Horizontal, "Standard"));
        QCOMPARE(rows.headerData(0, Qt::Horizontal).toString(), QString("Standard"));
        QVERIFY(!rows.setHeaderData(2, Qt::Horizontal, "none"));

        rows.clear();
        QCOMPARE(rows.rowCount(), 0);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)rows.row(0));
    }

    void openedRowsInTheirOrder() {
        LanguageEditorModel rows;
        rows.append(textRow(1, "a", ""));
        rows.append(textRow(2, "b", "B"));
        rows.append(textRow(3, "c", ""));
        rows.markOpened(2);
        rows.markOpened(0);
        rows.markOpened(2);
        rows.markOpened(-1);
        const auto opened = rows.openedRows();
        QCOMPARE(opened.size(), std::size_t{2});
        QCOMPARE(opened[0].key1, std::string("1"));
        QCOMPARE(opened[1].key1, std::string("3"));
        QVERIFY(rows.isOpened(0) && !rows.isOpened(1) && rows.isOpened(2) && !rows.isOpened(3));
    }
};

QTEST_MAIN(LanguageEditorModelTest)
#include "LanguageEditorModelTest.moc"
