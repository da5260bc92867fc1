#include "Grid.h"

#include "ColumnShares.h"
#include "KeyCodes.h"
#include "common/qt/QtLanguageForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <tuple>

using controls::CellAlign;
using controls::Grid;
using controls::GridSelection;
using controls::MergeMode;
using controls::SortOrder;

namespace {

/// A shown grid of a fixed size with one heading row over `rows` data rows: a hidden key column,
/// a designation and a number.
struct ShownGrid {
    explicit ShownGrid(int rows, int fixedRows = 1) {
        window.resize(400, 300);
        grid = new Grid(&window);
        grid->setObjectName("grdTest");
        grid->setGeometry(0, 0, 400, 300);
        grid->setCols(3);
        grid->setFixedRows(fixedRows);
        grid->setRows(rows + fixedRows);
        grid->setColWidth(0, 0);
        grid->setColWidth(1, 3000);
        grid->setColWidth(2, 1500);
        grid->setTextMatrix(0, 1, "Bezeichnung");
        grid->setTextMatrix(0, 2, "Nr");
        for (int r = fixedRows; r < std::min(rows + fixedRows, 200); ++r) {
            grid->setTextMatrix(r, 0, QString::number(1000 + r));
            grid->setTextMatrix(r, 1, QString("Stahl %1").arg(r));
            grid->setTextMatrix(r, 2, QString::number(r));
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    Grid* grid = nullptr; // owned by window
};

} // namespace

class GridTest : public QObject {
    Q_OBJECT

private slots:
    void fixedRowStaysAtTheTopWhileDataScroll() {
        ShownGrid s(100000);
        Grid& g = *s.grid;
        QCOMPARE(g.Rows(), 100001);
        QCOMPARE(g.TopRow(), 1);
        const int headingTop = g.RowPos(0);
        QVERIFY(g.RowIsVisible(0));
        QVERIFY(g.RowPos(1) >= headingTop + g.RowHeight(0));
        QSignalSpy scrolled(&g, &Grid::AfterScroll);
        g.setTopRow(50000);
        QCOMPARE(g.TopRow(), 50000);
        QCOMPARE(g.RowPos(0), headingTop);
        QVERIFY(g.RowIsVisible(50000));
        QVERIFY(!g.RowIsVisible(1));
        QVERIFY(g.RowPos(50000) >= headingTop + g.RowHeight(0));
        QVERIFY(!scrolled.isEmpty());
        QCOMPARE(scrolled.first().at(0).toInt(), 1);
        QCOMPARE(scrolled.last().at(2).toInt(), 50000);
        g.setTopRow(100000); // as far as the grid allows
        QVERIFY(g.RowIsVisible(100000));
        QVERIFY(g.TopRow() < 100000);
    }

    void headingRowsScrollSidewaysWithTheData() {
        ShownGrid s(30, 2);
        Grid& g = *s.grid;
        g.setCols(12);
        for (int c = 3; c < 12; ++c) {
            g.setColWidth(c, 1500);
        }
        QCoreApplication::processEvents();
        QVERIFY(g.horizontalScrollBar()->maximum() > 0);
        g.horizontalScrollBar()->setValue(g.horizontalScrollBar()->maximum());
        const auto views = g.findChildren<QTableView*>();
        QCOMPARE(views.size(), 1); // the view of the heading rows
        QCOMPARE(views.front()->horizontalScrollBar()->value(), g.horizontalScrollBar()->value());
        QCOMPARE(views.front()->columnWidth(7), g.columnWidth(7));
        QVERIFY(g.LeftCol() > 1);
    }

    void hiddenKeyColumnsKeepTheirTexts() {
        ShownGrid s(10);
        Grid& g = *s.grid;
        QCOMPARE(g.ColWidth(0), 0);
        QVERIFY(g.ColHidden(0));
        QCOMPARE(g.ColWidth(1), 3000);
        QCOMPARE(g.TextMatrix(3, 0), QString("1003"));
        g.setColWidth(0, 600);
        QVERIFY(!g.ColHidden(0));
        QCOMPARE(g.ColWidth(0), 600);
        g.setColWidth(2, 0);
        QCOMPARE(g.ColWidth(2), 0);
    }

    void currentCellIsReportedAndMeasured() {
        ShownGrid s(50);
        Grid& g = *s.grid;
        QSignalSpy changed(&g, &Grid::RowColChange);
        QSignalSpy entered(&g, &Grid::EnterCell);
        g.setRow(5);
        g.setCol(2);
        QCOMPARE(g.Row(), 5);
        QCOMPARE(g.Col(), 2);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(entered.count(), 2);
        QCOMPARE(g.currentIndex(), g.cells().index(5, 2));
        QCOMPARE(g.CellLeft(), 3000 + g.frameWidth() * orvik::common::qt::TwipsPerPixel);
        QCOMPARE(g.CellWidth(), 1500);
        QCOMPARE(g.CellTop(), g.RowPos(5));
        QCOMPARE(g.CellHeight(), g.RowHeight(5));
        // An editor laid over the cell in the grid's parent covers exactly the cell.
        const QRect over = g.cellRect().translated(g.pos());
        QCOMPARE(g.parentWidget()->childAt(over.center()), g.viewport());
        QCOMPARE(QRect(g.viewport()->mapFrom(g.parentWidget(), over.topLeft()), over.size()),
                 g.visualRect(g.cells().index(5, 2)).adjusted(0, 0, 1, 1));
        g.setCellBackColor(QColor(255, 255, 192));
        g.setCellFontBold(true);
        QCOMPARE(g.cells().cellBackColor(5, 2), QColor(255, 255, 192));
        QVERIFY(g.cells().cellBold(5, 2));
        // The window may make a heading cell current; the user's view keeps no current data cell then.
        g.setRow(0);
        QCOMPARE(g.Row(), 0);
        QVERIFY(!g.currentIndex().isValid());
        // The user's click makes a data cell current.
        const QRect cell = g.visualRect(g.cells().index(7, 1));
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(g.Row(), 7);
        QCOMPARE(g.Col(), 1);
        QCOMPARE(g.MouseRow(), 7);
    }

    void hiddenRowsAndTheMouseRow() {
        ShownGrid s(20);
        Grid& g = *s.grid;
        g.setRowHidden(3, true);
        g.setRowHidden(0, true); // a heading row is not hidden this way
        QVERIFY(g.RowHidden(3));
        QVERIFY(!g.RowIsVisible(3));
        QVERIFY(!g.RowHidden(0));
        QVERIFY(g.RowIsVisible(0));
        QVERIFY(g.RowPos(4) == g.RowPos(2) + g.RowHeight(2));
        QSignalSpy moves(&g, &Grid::MouseMove);
        const QPoint at = g.visualRect(g.cells().index(6, 2)).center();
        QTest::mouseMove(g.viewport(), at);
        QTRY_COMPARE(g.MouseRow(), 6);
        QCOMPARE(g.MouseCol(), 2);
        QVERIFY(!moves.isEmpty());
        const QPoint inGrid = g.viewport()->mapTo(&g, at);
        QCOMPARE(moves.last().at(2).toInt(), inGrid.x() * orvik::common::qt::TwipsPerPixel);
        QCOMPARE(moves.last().at(3).toInt(), inGrid.y() * orvik::common::qt::TwipsPerPixel);
    }

    void rowCountChangesKeepTheCurrentRowInside() {
        ShownGrid s(20);
        Grid& g = *s.grid;
        g.setRow(20);
        g.setRows(5);
        QCOMPARE(g.Row(), 4);
        g.setRows(0);
        QCOMPARE(g.Row(), -1);
        g.setRows(3);
        QCOMPARE(g.Row(), 1);
    }

    void mergedRowsShowAsOneCell() {
        ShownGrid s(5, 2);
        Grid& g = *s.grid;
        g.setMergeCells(MergeMode::Free);
        g.setMergeRow(0, true);
        g.setTextMatrix(0, 1, "Wert");
        g.setTextMatrix(0, 2, "Wert");
        g.setTextMatrix(1, 1, "min");
        g.setTextMatrix(1, 2, "max");
        for (int c = 0; c < 3; ++c) {
            g.setTextMatrix(3, c, "Blech");
        }
        g.setMergeRow(3, true);
        QCOMPARE(g.ColSpan(0, 1), 2);
        QCOMPARE(g.ColSpan(1, 1), 1);
        QCOMPARE(g.ColSpan(3, 1), 2); // the run begins at the first shown column; the key column is hidden
        QCOMPARE(g.ColSpan(4, 1), 1);
        g.setTextMatrix(3, 2, "Band");
        QCOMPARE(g.ColSpan(3, 1), 1);
        g.setColWidth(0, 900);
        g.setTextMatrix(3, 2, "Blech");
        QCOMPARE(g.ColSpan(3, 0), 3);
    }

    void columnsFitTheirTextsButNotMergedRuns() {
        ShownGrid s(5);
        Grid& g = *s.grid;
        g.setTextMatrix(2, 1, "X5CrNiMo17-12-2 warmgewalzt");
        for (int c = 0; c < 3; ++c) {
            g.setTextMatrix(4, c, "Eine sehr lange Überschrift über die ganze Zeile hinweg");
        }
        g.setMergeCells(MergeMode::Free);
        g.setMergeRow(4, true);
        g.AutoSize(0, 2);
        const int widest = g.fontMetrics().horizontalAdvance("X5CrNiMo17-12-2 warmgewalzt");
        QVERIFY(g.ColWidth(1) >= widest * orvik::common::qt::TwipsPerPixel);
        QVERIFY(g.ColWidth(1) < (widest + 20) * orvik::common::qt::TwipsPerPixel);
        QCOMPARE(g.ColWidth(0), 0); // the hidden key column stays hidden
        QVERIFY(g.ColWidth(2) < g.ColWidth(1));
    }

    void aCutCellShowsItsWholeTextAsTooltip() {
        ShownGrid s(5);
        Grid& g = *s.grid;
        const QString longText = QStringLiteral("Position de l'éprouvette transversale");
        g.setTextMatrix(0, 2, longText); // a heading cell, in the fixed rows' view
        g.setTextMatrix(2, 2, longText);
        g.setTextMatrix(3, 2, QStringLiteral("7"));
        QVERIFY(g.cellTextCut(0, 2));
        QVERIFY(g.cellTextCut(2, 2));
        QVERIFY(!g.cellTextCut(3, 2));
        QVERIFY(!g.cellTextCut(4, 0)); // hidden key column
        QVERIFY(!g.cellTextCut(2, 1));
        // The tooltip a help event over the cut cell brings, and none over a cell that fits.
        auto* view = g.findChildren<QTableView*>().value(0, nullptr);
        QVERIFY(view != nullptr && view != &g);
        for (const auto& [table, row, shown] :
             {std::tuple{static_cast<QTableView*>(&g), 2, longText}, std::tuple{view, 0, longText},
              std::tuple{static_cast<QTableView*>(&g), 3, QString()}}) {
            const QRect cell = table->visualRect(g.cells().index(row, 2));
            QHelpEvent help(QEvent::ToolTip, cell.center(), table->viewport()->mapToGlobal(cell.center()));
            QApplication::sendEvent(table->viewport(), &help);
            if (shown.isEmpty()) {
                QTRY_VERIFY(!QToolTip::isVisible()); // the tip of the cell before fades
            } else {
                QVERIFY(QToolTip::isVisible());
                QCOMPARE(QToolTip::text(), shown);
            }
        }
        g.AutoSize(2, 2);
        QVERIFY(!g.cellTextCut(2, 2));
        QCOMPARE(g.ColWidth(2), g.cellTextWidth(2, 2));
        // With word wrap a cell is cut when it is too low for its lines.
        g.setColWidth(2, g.cellTextWidth(2, 2) / 2);
        g.setWordWrap(true);
        QVERIFY(g.cellTextCut(2, 2));
        g.setRowHeight(2, 3 * g.RowHeight(3));
        QVERIFY(!g.cellTextCut(2, 2));
    }

    void sharedWidthsGiveWayToTheLeastTheTextsNeed_data() {
        QTest::addColumn<QList<int>>("wanted");
        QTest::addColumn<QList<int>>("minimums");
        QTest::addColumn<QList<int>>("widths");
        QTest::addRow("all fit") << QList<int>{300, 200, 100} << QList<int>{100, 100, 100}
                                 << QList<int>{300, 200, 100};
        QTest::addRow("one narrow, others give in proportion")
            << QList<int>{500, 300, 100} << QList<int>{100, 100, 300} << QList<int>{367, 233, 300};
        QTest::addRow("not enough room")
            << QList<int>{200, 100} << QList<int>{150, 200} << QList<int>{150, 200};
        QTest::addRow("hidden stays hidden")
            << QList<int>{0, 300, 100} << QList<int>{500, 0, 200} << QList<int>{0, 200, 200};
        QTest::addRow("rounding keeps the total")
            << QList<int>{100, 100, 100, 10} << QList<int>{0, 0, 0, 20} << QList<int>{97, 97, 96, 20};
        QTest::addRow("fewer minimums") << QList<int>{100, 100} << QList<int>{150} << QList<int>{150, 50};
    }
    void sharedWidthsGiveWayToTheLeastTheTextsNeed() {
        QFETCH(QList<int>, wanted);
        QFETCH(QList<int>, minimums);
        QFETCH(QList<int>, widths);
        const auto fitted = controls::widenToMinimums(std::vector<int>(wanted.begin(), wanted.end()),
                                                      std::vector<int>(minimums.begin(), minimums.end()));
        QCOMPARE(QList<int>(fitted.begin(), fitted.end()), widths);
    }

    void rowHeightsInTwipsWithAMinimum() {
        ShownGrid s(5);
        Grid& g = *s.grid;
        g.setRowHeight(2, 600);
        QCOMPARE(g.RowHeight(2), 600);
        g.setRowHeightMin(450);
        QVERIFY(g.RowHeight(3) >= 450);
        g.setRowHeight(3, 150); // below the minimum
        QCOMPARE(g.RowHeight(3), 450);
        g.setRowHeight(0, 480); // a heading row: the rows below move down with it
        QCOMPARE(g.RowHeight(0), 480);
        QVERIFY(g.RowPos(1) >= g.RowPos(0) + 480);
    }

    void customSortAsksTheOwnerAndKeepsKeys() {
        ShownGrid s(4);
        Grid& g = *s.grid;
        const QStringList numbers{"30", "x", "10", "20"};
        for (int r = 1; r <= 4; ++r) {
            g.setTextMatrix(r, 2, numbers[r - 1]);
        }
        g.setCompare([&g](int a, int b) {
            bool okA = false;
            bool okB = false;
            const int na = g.TextMatrix(a, 2).toInt(&okA);
            const int nb = g.TextMatrix(b, 2).toInt(&okB);
            return okA && okB ? (na > nb) - (na < nb) : 0;
        });
        g.setRow(2);
        g.Sort(SortOrder::Custom);
        QStringList keys;
        QStringList values;
        for (int r = 1; r <= 4; ++r) {
            keys << g.TextMatrix(r, 0);
            values << g.TextMatrix(r, 2);
        }
        QCOMPARE(values, (QStringList{"10", "20", "30", "x"}));
        QCOMPARE(keys, (QStringList{"1003", "1004", "1001", "1002"}));
        QCOMPARE(g.Row(), 2); // the current cell stays at its numbers
    }

    void listBoxSelectionOfWholeRows() {
        ShownGrid s(10);
        Grid& g = *s.grid;
        g.setSelection(GridSelection::ListBox);
        g.Select(2, 1);
        QCOMPARE(g.SelectedRows(), (std::vector<int>{2}));
        QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          g.visualRect(g.cells().index(5, 1)).center());
        QCOMPARE(g.SelectedRows(), (std::vector<int>{2, 5}));
        QSignalSpy changed(&g, &Grid::RowColChange);
        g.setRow(-1); // no current row and no selection, also after rows come and go
        QCOMPARE(g.Row(), -1);
        QVERIFY(g.SelectedRows().empty());
        QCOMPARE(changed.count(), 1);
        g.AddItem("99\tneu\t1");
        g.RemoveItem(2);
        QCOMPARE(g.Row(), -1);
        g.setRow(3);
        QCOMPARE(g.SelectedRows(), (std::vector<int>{3}));
        QCOMPARE(g.FindRow("Stahl 5", -1, 1), 4); // row 2 was removed
    }

    void highlightShowsOrHidesTheSelection_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("shown");
        QTest::newRow("never") << int(controls::HighLight::Never) << true << false;
        QTest::newRow("always, without focus") << int(controls::HighLight::Always) << false << true;
        QTest::newRow("with focus, focused") << int(controls::HighLight::WithFocus) << true << true;
        QTest::newRow("with focus, not focused") << int(controls::HighLight::WithFocus) << false << false;
    }
    void highlightShowsOrHidesTheSelection() {
        QFETCH(int, mode);
        QFETCH(bool, focused);
        QFETCH(bool, shown);
        ShownGrid s(10);
        Grid& g = *s.grid;
        auto* elsewhere = new QWidget(&s.window);
        elsewhere->setFocusPolicy(Qt::StrongFocus);
        elsewhere->setGeometry(0, 290, 10, 10);
        elsewhere->show();
        QApplication::setActiveWindow(&s.window);
        g.setHighLight(static_cast<controls::HighLight>(mode));
        g.Select(3, 1);
        if (focused) {
            g.setFocus();
            QTRY_VERIFY(g.hasFocus());
        } else {
            elsewhere->setFocus();
            QTRY_VERIFY(elsewhere->hasFocus());
        }
        const QRect cell = g.visualRect(g.cells().index(3, 1)); // its short text stands at the left
        const QImage picture = g.viewport()->grab().toImage();
        const QColor at = picture.pixelColor(cell.right() - 3, cell.center().y());
        const QColor highlight = g.palette().color(QPalette::Active, QPalette::Highlight);
        const QColor inactive = g.palette().color(QPalette::Inactive, QPalette::Highlight);
        // The focused current cell carries a faint focus tint over the selection colour.
        auto near = [&at](const QColor& c) {
            return std::abs(at.red() - c.red()) + std::abs(at.green() - c.green()) +
                       std::abs(at.blue() - c.blue()) <
                   12;
        };
        QCOMPARE(near(highlight) || near(inactive), shown);
    }

    void keysArriveWithTheirCodes() {
        ShownGrid s(10);
        Grid& g = *s.grid;
        g.setFocus();
        QSignalSpy down(&g, &Grid::KeyDown);
        QSignalSpy press(&g, &Grid::KeyPress);
        QTest::keyClick(&g, Qt::Key_Return);
        QTest::keyClick(&g, Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(down.count(), 3); // Enter, Shift, A
        QCOMPARE(down.at(0).at(0).toInt(), controls::KeyCode::Return);
        QCOMPARE(down.at(1).at(0).toInt(), 16);
        QCOMPARE(down.at(2).at(0).toInt(), int('A'));
        QCOMPARE(down.at(2).at(1).toInt(), 1);
        QTest::keyClicks(&g, "5");
        QCOMPARE(press.last().at(0).toInt(), int('5'));
        // Enter stays with the grid: a default button of the window must not take it.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&g, &enter);
        QVERIFY(enter.isAccepted());
    }

    void textServiceSetsHeadingTexts() {
        ShownGrid s(3);
        s.window.setObjectName("uctlTest");
        orvik::common::qt::QtLanguageForm form(s.window);
        const auto controlsOfForm = form.controls();
        QCOMPARE(controlsOfForm.size(), std::size_t(1));
        auto* grid = dynamic_cast<orvik::common::GridControl*>(controlsOfForm.front());
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->name(), std::string("grdTest"));
        QCOMPARE(grid->fixedRows(), 1);
        QCOMPARE(grid->colWidth(1), 3000);
        grid->setTextMatrix(0, 1, "Designation");
        QCOMPARE(s.grid->TextMatrix(0, 1), QString("Designation"));
    }

    void pictureOfTheLookSavedToTheBuildFolder() {
        QWidget window;
        window.resize(520, 260);
        auto* grid = new Grid(&window);
        grid->setGeometry(0, 0, 520, 260);
        grid->setCols(5);
        grid->setFixedRows(2);
        grid->setRows(40);
        grid->setColWidth(0, 0);
        for (int c = 1; c < 5; ++c) {
            grid->setColWidth(c, 1800);
        }
        grid->setMergeCells(MergeMode::Free);
        grid->setMergeRow(0, true);
        const QStringList heading0{"key", "Element", "Wert", "Wert", "Toleranz"};
        const QStringList heading1{"key", "Element", "min", "max", "Toleranz"};
        for (int c = 0; c < 5; ++c) {
            grid->setTextMatrix(0, c, heading0[c]);
            grid->setTextMatrix(1, c, heading1[c]);
        }
        const QStringList elements{"C", "Si", "Mn", "P", "S", "Cr", "Ni", "N"};
        for (int r = 2; r < 40; ++r) {
            grid->setTextMatrix(r, 0, QString::number(r));
            grid->setTextMatrix(r, 1, elements[(r - 2) % elements.size()]);
            grid->setTextMatrix(r, 2, "0,10");
            grid->setTextMatrix(r, 3, "0,50");
            grid->cells().setCellAlignment(r, 2, CellAlign::RightCenter);
            grid->cells().setCellAlignment(r, 3, CellAlign::RightCenter);
        }
        for (int c = 0; c < 5; ++c) {
            grid->setTextMatrix(5, c, "Blech, warmgewalzt");
            grid->cells().setCellBold(5, c, true);
            grid->cells().setCellBackColor(5, c, QColor(224, 224, 224));
        }
        grid->setMergeRow(5, true);
        QPixmap inside(12, 12);
        inside.fill(Qt::darkGreen);
        grid->cells().setCellPicture(3, 4, inside);
        grid->cells().setCellPictureAlignment(3, 4, CellAlign::CenterCenter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(grid->ColSpan(0, 2), 2);
        QCOMPARE(grid->ColSpan(5, 1), 4);
        const QRect pictureCell = grid->visualRect(grid->cells().index(3, 4));
        QCOMPARE(grid->viewport()->grab().toImage().pixelColor(pictureCell.center()), QColor(Qt::darkGreen));
        const QString path = QStringLiteral(GK_TEST_OUTPUT_DIR "/grid.png");
        QVERIFY(window.grab().save(path));
    }
};

QTEST_MAIN(GridTest)
#include "GridTest.moc"
