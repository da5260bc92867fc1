#include "DisplayTestSupport.h"
#include "Grid.h"
#include "NumEntry.h"
#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "objects/List.h"
#include "uctlCompositionGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using composition::CriteriaRow;
using composition::uctlCompositionGrid;

class CompositionGridTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<displaytest::SampleProgram> m_program;

    std::unique_ptr<uctlCompositionGrid> grid(bool advanced) {
        auto g = std::make_unique<uctlCompositionGrid>();
        g->setDialogLanguage(&m_program->language());
        g->setServices(m_program->services());
        g->setIsAdvanced(advanced);
        const auto list = m_program->application()->List();
        g->setList(list);
        (void)list->Elements();
        g->resize(700, 300);
        g->show();
        return g;
    }
    static QWidget* focused() { return QApplication::focusWidget(); }

private slots:
    void initTestCase() {
        qputenv("GK_DECIMAL_SEPARATOR", ",");
        m_program = std::make_unique<displaytest::SampleProgram>();
    }
    void init() { m_program->messages.shown.clear(); }
    void cleanupTestCase() { m_program.reset(); }

    void typedEntriesFillTheRowAndMoveOn() {
        orvik::common::ProgrammSettings().DirectElementInput(true);
        auto g = grid(false);
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        QVERIFY(!g->elements().empty());
        QSignalSpy changed(g.get(), &uctlCompositionGrid::CompositionChanged);
        g->editCell(1, uctlCompositionGrid::ColElement);
        auto* element = qobject_cast<QLineEdit*>(focused());
        QVERIFY(element != nullptr && element->objectName() == QStringLiteral("txtElement"));
        QTest::keyClicks(element, QStringLiteral(" cr "));
        QTest::keyClick(element, Qt::Key_Return);
        auto* min = qobject_cast<controls::NumEntry*>(focused());
        QVERIFY(min != nullptr && min->property("index").toInt() == 0);
        QTest::keyClicks(min, QStringLiteral("16,5"));
        QTest::keyClick(min, Qt::Key_Return);
        auto* max = qobject_cast<controls::NumEntry*>(focused());
        QVERIFY(max != nullptr && max->property("index").toInt() == 1);
        QTest::keyClicks(max, QStringLiteral("18"));
        QTest::keyClick(max, Qt::Key_Tab);
        const auto& row = g->rows().rows().front();
        QCOMPARE(row.Element, std::string("Cr"));
        QCOMPARE(row.Order, std::string("9"));
        QCOMPARE(row.MinValue, std::string("16,5"));
        QCOMPARE(row.MaxValue, std::string("18"));
        QCOMPARE(g->grid().TextMatrix(1, uctlCompositionGrid::ColMin), QStringLiteral("16,5"));
        QVERIFY(!changed.isEmpty());
        // Tab went on to the single value, where the next digits land; Shift+Tab goes back.
        QCOMPARE(g->grid().Col(), int{uctlCompositionGrid::ColSingle});
        auto* single = qobject_cast<controls::NumEntry*>(focused());
        QVERIFY(single != nullptr && single->property("index").toInt() == 2 && single->isVisible());
        QTest::keyClicks(focused(), QStringLiteral("17"));
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(row.SingleValue, std::string("17"));
        QCOMPARE(row.MinValue, std::string());
        QCOMPARE(g->grid().Col(), int{uctlCompositionGrid::ColMax});
        QCOMPARE(focused(), static_cast<QWidget*>(max));

        // A second row for the same element is refused with the message, and an unknown one too.
        g->AddEmptyRow();
        for (const auto* typed : {"CR", "Xy"}) {
            g->editCell(2, uctlCompositionGrid::ColElement);
            auto* second = qobject_cast<QLineEdit*>(focused());
            QVERIFY(second != nullptr);
            QTest::keyClicks(second, QString::fromLatin1(typed));
            QTest::keyClick(second, Qt::Key_Return);
            QCOMPARE(g->rows().rows()[1].Element, std::string());
            QCOMPARE(second->text(), QString());
        }
        QCOMPARE(m_program->messages.shown.size(), std::size_t{2});
        orvik::common::ProgrammSettings().DirectElementInput(false);
    }

    // Leaving the element field commits it as Enter does, with the same check; a refused element
    // keeps the focus in the field.
    void leavingTheElementFieldCommitsIt() {
        orvik::common::ProgrammSettings().DirectElementInput(true);
        auto g = grid(false);
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        g->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g.get()));
        g->AddEmptyRow();
        g->editCell(1, uctlCompositionGrid::ColElement);
        QTest::keyClicks(focused(), QStringLiteral("ni"));
        g->grid().setFocus();
        QCOMPARE(g->rows().rows()[0].Element, std::string("Ni"));
        QCOMPARE(m_program->messages.shown.size(), std::size_t{0});
        g->editCell(2, uctlCompositionGrid::ColElement);
        auto* element = focused();
        QTest::keyClicks(element, QStringLiteral("NI"));
        g->grid().setFocus();
        QCOMPARE(g->rows().rows()[1].Element, std::string());
        QCOMPARE(m_program->messages.shown.size(), std::size_t{1});
        QTRY_COMPARE(focused(), element);
        orvik::common::ProgrammSettings().DirectElementInput(false);
    }

    // Every editor is light yellow while it has the focus, the element list also while it is open,
    // and white again once left.
    void theEditorsAreLitWhileTheyHaveTheFocus() {
        const QColor lit(255, 255, 192);
        for (const bool typed : {true, false}) {
            orvik::common::ProgrammSettings().DirectElementInput(typed);
            auto g = grid(false);
            QVERIFY(QTest::qWaitForWindowExposed(g.get()));
            g->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(g.get()));
            for (const int col : {int{uctlCompositionGrid::ColElement}, int{uctlCompositionGrid::ColMin}}) {
                g->editCell(1, col);
                auto* editor = focused();
                QVERIFY(editor != nullptr);
                QCOMPARE(editor->palette().color(QPalette::Base), lit);
                if (auto* list = qobject_cast<QComboBox*>(editor)) {
                    QCOMPARE(list->palette().color(QPalette::Button), lit);
                    list->showPopup();
                    QTRY_VERIFY(list->view()->isVisible());
                    QCOMPARE(list->palette().color(QPalette::Button), lit);
                    list->hidePopup();
                }
                g->grid().setFocus();
                QTRY_VERIFY(!editor->hasFocus());
                QCOMPARE(editor->palette().color(QPalette::Base), QColor(Qt::white));
            }
        }
        orvik::common::ProgrammSettings().DirectElementInput(false);
    }

    // An editor stands over its cell only: it keeps the cell's width when the grid is resized, and
    // when the grid scrolls it is closed, its value kept.
    void anOpenEditorDoesNotStayBehindWhenTheGridScrolls() {
        auto g = grid(false);
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        g->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g.get()));
        g->editCell(1, uctlCompositionGrid::ColMin);
        g->resize(1000, 300);
        QVERIFY(std::abs(focused()->width() - g->grid().columnWidth(uctlCompositionGrid::ColMin)) <= 2);
        QVERIFY(std::abs(focused()->x() - g->grid().columnViewportPosition(uctlCompositionGrid::ColMin) -
                         g->grid().viewport()->x()) <= 2);
        for (int i = 0; i < 30; ++i) {
            g->AddEmptyRow();
        }
        g->editCell(2, uctlCompositionGrid::ColMin);
        auto* editor = qobject_cast<controls::NumEntry*>(focused());
        QVERIFY(editor != nullptr && editor->isVisible());
        QTest::keyClicks(editor, QStringLiteral("3"));
        g->grid().setTopRow(12);
        QVERIFY(!editor->isVisible());
        QCOMPARE(g->rows().rows()[1].MinValue, std::string("3"));
        // Moving on below the last row scrolls the grid to the new row, whose editor is open.
        const int last = g->rows().count();
        g->editCell(last, uctlCompositionGrid::ColTolMin);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(g->grid().Row(), last + 1);
        QCOMPARE(g->grid().Col(), int{uctlCompositionGrid::ColElement});
        QVERIFY(focused() != nullptr && focused()->isVisible() && focused() != &g->grid());
    }

    // Elements delivered again while the list is open (as for another country) leave it on its
    // row's element, not on the remove entry.
    void theOpenElementListKeepsShowingItsRowsElement() {
        orvik::common::ProgrammSettings().DirectElementInput(false);
        auto g = grid(false);
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        const auto elements = m_program->application()->List()->Elements();
        QVERIFY(elements != nullptr);
        g->AddEmptyRow();
        g->editCell(2, uctlCompositionGrid::ColElement);
        auto* list = g->findChild<QComboBox*>(QStringLiteral("cboElement"));
        QVERIFY(list != nullptr && list->isVisible());
        g->setElements(*elements);
        QCOMPARE(list->currentText(), QString());
        list->setCurrentIndex(list->findText(QStringLiteral("Mo")));
        emit list->activated(list->currentIndex());
        g->editCell(2, uctlCompositionGrid::ColElement);
        g->setElements(*elements);
        QCOMPARE(list->currentText(), QStringLiteral("Mo"));
    }

    void theElementListOffersTheElementsAndRemovesRows() {
        orvik::common::ProgrammSettings().DirectElementInput(false);
        auto g = grid(true);
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        g->editCell(1, uctlCompositionGrid::ColElement);
        auto* list = qobject_cast<QComboBox*>(focused());
        QVERIFY(list != nullptr && list->objectName() == QStringLiteral("cboElement"));
        const int ni = list->findText(QStringLiteral("Ni"));
        QVERIFY(ni > 0);
        QCOMPARE(list->itemData(0).toInt(), 9999);
        list->setCurrentIndex(ni);
        emit list->activated(ni);
        QCOMPARE(g->rows().rows().front().Element, std::string("Ni"));
        // The cursor went on to the minimum; in the advanced grid the single value is skipped.
        QCOMPARE(g->grid().Col(), int{uctlCompositionGrid::ColMin});
        g->grid().setRow(1);
        g->grid().setCol(uctlCompositionGrid::ColMax);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(g->grid().Col(), int{uctlCompositionGrid::ColTolMin});
        g->editCell(1, uctlCompositionGrid::ColElement);
        list = qobject_cast<QComboBox*>(focused());
        QVERIFY(list != nullptr);
        list->setCurrentIndex(0);
        emit list->activated(0);
        QCOMPARE(g->rows().count(), 1);
        QCOMPARE(g->rows().rows().front(), CriteriaRow{});
    }
};

QTEST_MAIN(CompositionGridTest)
#include "CompositionGridTest.moc"
