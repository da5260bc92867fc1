#include "DisplayTestSupport.h"
#include "Grid.h"
#include "NumEntry.h"
#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "objects/List.h"
#include "uctlCompositionGrid.h"

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
