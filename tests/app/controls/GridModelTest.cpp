#include "GridModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using controls::CellAlign;
using controls::GridModel;
using controls::MergeMode;
using controls::SortOrder;

namespace {

/// A model under Qt's model tester for the whole of a test.
struct Checked {
    GridModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
};

/// Rows of a three-column grid: the key (hidden by the window) and two shown texts.
void fill(GridModel& model, const QStringList& rows) {
    model.setCols(3);
    model.setRows(static_cast<int>(rows.size()) + model.fixedRows());
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split(QLatin1Char('|'));
        for (int c = 0; c < cells.size(); ++c) {
            model.setText(r + model.fixedRows(), c, cells[c]);
        }
    }
}

QStringList rowsOf(const GridModel& model) {
    QStringList rows;
    for (int r = model.fixedRows(); r < model.rows(); ++r) {
        rows << model.text(r, 0) + "|" + model.text(r, 1) + "|" + model.text(r, 2);
    }
    return rows;
}

int sortNumber(const GridModel& model, int row) {
    bool ok = false;
    const int number = (model.text(row, 0).isEmpty() ? QString("99999") : model.text(row, 0)).toInt(&ok);
    return ok ? number : 0;
}

bool allShown(int) {
    return true;
}

} // namespace

class GridModelTest : public QObject {
    Q_OBJECT

private slots:
    void hundredThousandRowsStayEmptyUntilWritten() {
        // The model tester walks every cell on each signal, so it watches the changes of shape only;
        // the writes in between go unwatched.
        GridModel model;
        {
            QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
            model.setCols(6);
            model.setFixedRows(1);
            model.setRows(100001);
        }
        QCOMPARE(model.rowCount(), 100001);
        QCOMPARE(model.columnCount(), 6);
        for (int r = 1; r < 61; ++r) {
            model.setText(r, 0, QString("1.%1").arg(4000 + r));
            model.setText(r, 4, QString::number(r * 7));
        }
        QCOMPARE(model.text(60, 0), QString("1.4060"));
        QCOMPARE(model.text(60, 4), QString("420"));
        QCOMPARE(model.text(61, 0), QString());
        QCOMPARE(model.text(100000, 5), QString());
        QCOMPARE(model.index(100000, 5).data().toString(), QString());
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsSelectable));
        QVERIFY(model.flags(model.index(100000, 0)) & Qt::ItemIsSelectable);
        QVERIFY(model.index(0, 3).data(GridModel::FixedRole).toBool());
        QVERIFY(!model.index(1, 3).data(GridModel::FixedRole).toBool());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows(50);
        QCOMPARE(model.rowCount(), 50);
        QCOMPARE(model.text(49, 0), QString("1.4049"));
        model.setCols(2);
        QCOMPARE(model.text(10, 0), QString("1.4010"));
        QCOMPARE(model.text(10, 4), QString());
    }

    void cellsOutsideTheGridAreEmptyAndIgnoreWrites() {
        Checked c;
        c.model.setCols(2);
        c.model.setRows(2);
        c.model.setText(5, 0, "x");
        c.model.setText(0, -1, "x");
        c.model.setCellBold(9, 9, true);
        QCOMPARE(c.model.text(5, 0), QString());
        QCOMPARE(c.model.text(-1, 0), QString());
        QCOMPARE(c.model.rows(), 2);
        QVERIFY(!c.model.cellBold(9, 9));
    }

    void theCountsChangeAtAnyTimeAfterCellsHoldTexts() {
        // The owners set the column count again after rows got texts: new cells start empty and
        // take texts and formats, merging reads them, shrinking and growing again drops the cut ones.
        Checked c;
        c.model.setRows(2);
        c.model.setCols(2);
        c.model.setText(1, 0, "a");
        c.model.setCellBold(0, 1, true);
        c.model.setCols(5);
        QCOMPARE(c.model.text(1, 4), QString());
        c.model.setText(1, 4, "b");
        c.model.setText(1, 3, "b");
        c.model.setCellBold(0, 4, true);
        QCOMPARE(c.model.text(1, 0), QString("a"));
        QCOMPARE(c.model.text(1, 4), QString("b"));
        QVERIFY(c.model.cellBold(0, 1) && c.model.cellBold(0, 4));
        c.model.setMergeCells(MergeMode::Free);
        c.model.setMergeRow(1, true);
        QCOMPARE(c.model.mergedSpans(allShown), (std::vector<GridModel::Span>{{1, 3, 2}}));
        c.model.setCols(3);
        c.model.setRows(4);
        c.model.setText(3, 2, "c");
        QVERIFY(c.model.mergedSpans(allShown).empty());
        c.model.setCols(6);
        QCOMPARE(c.model.text(1, 4), QString());
        QVERIFY(!c.model.cellBold(0, 4));
        c.model.setText(3, 5, "d");
        c.model.setMergeRow(3, true);
        c.model.setText(3, 4, "d");
        QCOMPARE(c.model.mergedSpans(allShown), (std::vector<GridModel::Span>{{3, 4, 2}}));
        c.model.addItem("x\ty\tz\tw\tv\tu");
        c.model.setRows(1);
        c.model.setCols(0);
        c.model.setCols(2);
        c.model.setText(0, 1, "e");
        QCOMPARE(c.model.text(0, 1), QString("e"));
        QCOMPARE(c.model.text(0, 0), QString());
    }

    void addItemSplitsTabsAndRemoveItemShifts() {
        Checked c;
        c.model.setCols(3);
        c.model.addItem("4711\t1.4301\t2");
        c.model.addItem("12\tX5CrNi18-10");   // fewer parts than columns
        c.model.addItem("1\ta\tb\textra", 0); // more parts than columns, placed first
        QCOMPARE(rowsOf(c.model), (QStringList{"1|a|b", "4711|1.4301|2", "12|X5CrNi18-10|"}));
        c.model.removeItem(1);
        QCOMPARE(rowsOf(c.model), (QStringList{"1|a|b", "12|X5CrNi18-10|"}));
        c.model.removeItem(7);
        QCOMPARE(c.model.rows(), 2);
    }

    void clearEmptiesTextsAndFormatsButKeepsRows() {
        Checked c;
        fill(c.model, {"1|a|b"});
        c.model.setCellBold(0, 1, true);
        c.model.setCellBackColor(0, 1, Qt::yellow);
        c.model.clear();
        QCOMPARE(c.model.rows(), 1);
        QCOMPARE(c.model.text(0, 1), QString());
        QVERIFY(!c.model.cellBold(0, 1));
        QVERIFY(!c.model.cellBackColor(0, 1).isValid());
    }

    void alignmentCodesMapToQt_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("expected");
        QTest::newRow("0 left-top") << 0 << int(Qt::AlignLeft | Qt::AlignTop);
        QTest::newRow("1 left-centre") << 1 << int(Qt::AlignLeft | Qt::AlignVCenter);
        QTest::newRow("4 centre-centre") << 4 << int(Qt::AlignHCenter | Qt::AlignVCenter);
        QTest::newRow("6 right-top") << 6 << int(Qt::AlignRight | Qt::AlignTop);
        QTest::newRow("7 right-centre") << 7 << int(Qt::AlignRight | Qt::AlignVCenter);
        QTest::newRow("8 right-bottom") << 8 << int(Qt::AlignRight | Qt::AlignBottom);
    }
    void alignmentCodesMapToQt() {
        QFETCH(int, code);
        QFETCH(int, expected);
        QCOMPARE(int(controls::toQtAlignment(static_cast<CellAlign>(code))), expected);
    }

    void cellFormatOverridesItsColumn() {
        Checked c;
        fill(c.model, {"1|a|12,5", "2|b|c"});
        c.model.setColAlignment(1, CellAlign::RightTop);
        c.model.setCellAlignment(1, 1, CellAlign::LeftCenter);
        QCOMPARE(c.model.cellAlignment(0, 1), CellAlign::RightTop);
        QCOMPARE(c.model.cellAlignment(1, 1), CellAlign::LeftCenter);
        QCOMPARE(c.model.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignTop);
        c.model.setCellForeColor(1, 2, Qt::white);
        c.model.setCellBackColor(1, 2, QColor(224, 224, 224));
        c.model.setCellBold(1, 2, true);
        QCOMPARE(c.model.index(1, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
        QCOMPARE(c.model.index(1, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(224, 224, 224));
        QVERIFY(c.model.index(1, 2).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!c.model.index(0, 2).data(Qt::FontRole).isValid());
    }

    void multiLineTextShowsAsLines() {
        Checked c;
        fill(c.model, {"1|a\r\nb|"});
        QCOMPARE(c.model.text(0, 1), QString("a\r\nb"));
        QCOMPARE(c.model.index(0, 1).data().toString(), QString("a\nb"));
    }

    void mergingJoinsEqualNeighboursOfMarkedRows_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QList<int>>("hidden");
        QTest::addColumn<QList<int>>("expected"); // start column and width of each span
        QTest::newRow("whole row") << QStringList{"T", "T", "T", "T"} << QList<int>{} << QList<int>{0, 4};
        QTest::newRow("two runs") << QStringList{"a", "a", "b", "b"} << QList<int>{}
                                  << QList<int>{0, 2, 2, 2};
        QTest::newRow("single cells do not merge")
            << QStringList{"a", "b", "a", "b"} << QList<int>{} << QList<int>{};
        QTest::newRow("empty cells do not merge")
            << QStringList{"", "", "a", "a"} << QList<int>{} << QList<int>{2, 2};
        QTest::newRow("a hidden key column neither breaks nor starts a run")
            << QStringList{"Zug", "17", "Zug", "Zug"} << QList<int>{1} << QList<int>{0, 4};
        QTest::newRow("a run ends at a different shown text")
            << QStringList{"h", "h", "x", "h"} << QList<int>{2} << QList<int>{0, 4};
    }
    void mergingJoinsEqualNeighboursOfMarkedRows() {
        QFETCH(QStringList, cells);
        QFETCH(QList<int>, hidden);
        QFETCH(QList<int>, expected);
        Checked c;
        c.model.setCols(static_cast<int>(cells.size()));
        c.model.setRows(2);
        for (int col = 0; col < cells.size(); ++col) {
            c.model.setText(0, col, cells[col]);
            c.model.setText(1, col, cells[col]); // the same texts in a row not marked
        }
        c.model.setMergeCells(MergeMode::Free);
        c.model.setMergeRow(0, true);
        const auto spans = c.model.mergedSpans([&](int col) { return !hidden.contains(col); });
        QList<int> got;
        for (const auto& span : spans) {
            QCOMPARE(span.row, 0);
            got << span.col << span.cols;
        }
        QCOMPARE(got, expected);
    }

    void mergingNeedsAMergeMode() {
        Checked c;
        fill(c.model, {"T|T|T"});
        c.model.setMergeRow(0, true);
        QVERIFY(c.model.mergedSpans(allShown).empty());
        c.model.setMergeCells(MergeMode::WithinRows);
        QCOMPARE(c.model.mergedSpans(allShown).size(), std::size_t(1));
        c.model.setMergeRow(0, false);
        QVERIFY(c.model.mergedSpans(allShown).empty());
    }

    void sortKeepsHiddenKeysWithTheirRows_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("expected");
        // Rows: hidden id | designation | order number.
        QTest::newRow("numeric ascending by order")
            << int(SortOrder::NumericAscending) << 2
            << QStringList{"30|EN 10088-2|1", "10|EN 10027|2", "40|DIN 17440|10", "20|ASTM A240|10"};
        QTest::newRow("numeric descending by order")
            << int(SortOrder::NumericDescending) << 2
            << QStringList{"40|DIN 17440|10", "20|ASTM A240|10", "10|EN 10027|2", "30|EN 10088-2|1"};
        QTest::newRow("text ascending by designation, case ignored")
            << int(SortOrder::StringAscending) << 1
            << QStringList{"20|ASTM A240|10", "40|DIN 17440|10", "10|EN 10027|2", "30|EN 10088-2|1"};
        QTest::newRow("generic: numbers as numbers")
            << int(SortOrder::GenericAscending) << 0
            << QStringList{"10|EN 10027|2", "20|ASTM A240|10", "30|EN 10088-2|1", "40|DIN 17440|10"};
    }
    void sortKeepsHiddenKeysWithTheirRows() {
        QFETCH(int, order);
        QFETCH(int, col);
        QFETCH(QStringList, expected);
        Checked c;
        c.model.setFixedRows(1);
        fill(c.model, {"40|DIN 17440|10", "10|EN 10027|2", "20|ASTM A240|10", "30|EN 10088-2|1"});
        c.model.setText(0, 1, "Norm");   // the heading stays where it is
        c.model.setCellBold(2, 1, true); // formats move with their row
        QPersistentModelIndex followed = c.model.index(2, 1);
        c.model.sort(static_cast<SortOrder>(order), col);
        QCOMPARE(rowsOf(c.model), expected);
        QCOMPARE(c.model.text(0, 1), QString("Norm"));
        const int row = static_cast<int>(expected.indexOf("10|EN 10027|2")) + 1;
        QVERIFY(c.model.cellBold(row, 1));
        QCOMPARE(followed.row(), row);
    }

    void customSortPutsRowsWithoutNumberLast() {
        Checked c;
        fill(c.model, {"30|Mo|", "|leer|", "5|C|", "20|Cr|", "|leer2|"});
        // The composition grid's rule: a row without a sort number counts as 99999; numbers compare as
        // whole numbers; anything else answers 0.
        c.model.sortCustom([&](int a, int b) { return sortNumber(c.model, a) - sortNumber(c.model, b); });
        QCOMPARE(rowsOf(c.model), (QStringList{"5|C|", "20|Cr|", "30|Mo|", "|leer|", "|leer2|"}));
    }

    void customSortSurvivesAnInconsistentComparison() {
        Checked c;
        QStringList rows;
        for (int r = 0; r < 200; ++r) {
            rows << (r % 3 == 0 ? QString("x%1||").arg(r) : QString("%1||").arg((r * 37) % 101));
        }
        fill(c.model, rows);
        // Pairs with a text the comparison cannot judge answer 0, so the answers contradict each other.
        c.model.sortCustom([&](int a, int b) {
            bool okA = false;
            bool okB = false;
            const int na = c.model.text(a, 0).toInt(&okA);
            const int nb = c.model.text(b, 0).toInt(&okB);
            return okA && okB ? na - nb : 0;
        });
        QStringList sorted = rowsOf(c.model);
        QCOMPARE(sorted.size(), rows.size());
        sorted.sort();
        rows.sort();
        QCOMPARE(sorted, rows); // every row is still there once
    }

    void sortOfHundredThousandRows() {
        GridModel model; // the tester walks every cell on each signal: here only the order matters
        model.setCols(2);
        model.setRows(100000);
        for (int r = 0; r < 100000; ++r) {
            model.setText(r, 0, QString::number((r * 7919) % 100000));
            model.setText(r, 1, QString::number(r));
        }
        model.sort(SortOrder::NumericAscending, 0);
        for (int r = 0; r < 100000; r += 997) {
            QCOMPARE(model.text(r, 0), QString::number(r));
            QCOMPARE((model.text(r, 1).toInt() * 7919) % 100000, r);
        }
    }

    void findRowByColumnText() {
        Checked c;
        c.model.setFixedRows(1);
        fill(c.model, {"4711|a|", "12|B|", "4711|c|"});
        c.model.setText(0, 1, "b"); // the heading is not searched by default
        QCOMPARE(c.model.findRow("b", -1, 1), 2);
        QCOMPARE(c.model.findRow("b", -1, 1, true), -1);
        QCOMPARE(c.model.findRow("4711", 2, 0), 3);
        QCOMPARE(c.model.findRow("47", -1, 0), -1);
        QCOMPARE(c.model.findRow("4711", -1, 9), -1);
    }
};

QTEST_MAIN(GridModelTest)
#include "GridModelTest.moc"
