// The combination window over the results of a designation search, a composition search and a
// property search on the sample data: the builder's state as shown, the intersection, and the
// steel opened from it.

#include "Grid.h"
#include "PropertySearchPanelTest.h"
#include "common/CompositionSearchItems.h"
#include "frmErgebniskombination.h"
#include "objects/Application.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/List.h"
#include "uctlPropertySearch.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace propertytest {

class ResultCombinationTest : public QObject {
    Q_OBJECT

private slots:
    void intersectsTheThreeSearchesAndOpensASteel();
};

namespace {

QCheckBox* box(const property::frmErgebniskombination& window, int index) {
    for (auto* b : window.findChildren<QCheckBox*>(QStringLiteral("chkResult"))) {
        if (b->property("index").toInt() == index) {
            return b;
        }
    }
    return nullptr;
}

} // namespace

void ResultCombinationTest::intersectsTheThreeSearchesAndOpensASteel() {
    PanelFixture f;
    const auto& app = f.program.application();
    property::frmErgebniskombination window;
    window.setServices(f.program.services());
    window.setApplication(app);
    window.setCombinationResultBuilder(f.builder);
    window.setDialogLanguage(&f.program.language());
    int numbersRead = 0;
    window.setMaterialNumberSource([&numbersRead, app](std::string_view steel, std::int32_t country) {
        ++numbersRead;
        return app->GetTop1MaterialNumber(steel, country);
    });

    // Nothing searched yet: every box disabled, combining impossible.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!box(window, i)->isEnabled());
    }
    auto& grid = *window.findChild<controls::Grid*>(QStringLiteral("grdResult"));
    QCOMPARE(grid.Rows(), 0);
    window.hide();

    // Worked out from the sample rows: the symbols S355J* are S355JR, S355J0, S355J2 in Europe
    // (occurrences 53, 60, 68) and the United Kingdom (55, 62, 70); a carbon maximum of at most
    // 0.20 % holds in Europe for S355J0, S355J2 and S355K2 (60, 68, 76); the property search for an
    // upper yield strength of at least 340 and a tensile strength of 450 to 600 MPa finds S355JR,
    // S355J0, S355J2 and S355K2 (53, 60, 68, 76). All three meet in S355J0 and S355J2.
    const auto designations =
        app->List()->Materials(-1, -1, -1, -1, -1, true, true, true, "SuchBezeichnung Like 'S355J*'");
    QVERIFY(designations != nullptr);
    f.builder->SetDesignationResultSet(designations, true);
    auto carbon = std::make_shared<orvik::common::CompositionSearchItems>();
    carbon->Add("C", "", "0.2", "", "", "", orvik::common::CompositionSearchMethod::Outside, "1");
    const auto compositions = app->CompositionSearch(34, carbon);
    QVERIFY(compositions != nullptr);
    f.builder->SetCompositionResultSet(compositions, true);
    QVERIFY(f.choose(2, 1, 2));
    QVERIFY(f.type(2, 2, QStringLiteral("340")));
    f.nextRow();
    QVERIFY(f.choose(3, 1, 1));
    QVERIFY(f.type(3, 2, QStringLiteral("450")));
    QVERIFY(f.type(3, 3, QStringLiteral("600")));
    f.panel->Search();
    QCOMPARE(f.hits().Rows(), 4);

    // Shown again, the window reads what the searches left in the builder.
    window.show();
    QVERIFY(box(window, 0)->isEnabled());
    QVERIFY(box(window, 1)->isEnabled());
    QVERIFY(!box(window, 2)->isEnabled());
    QVERIFY(box(window, 3)->isEnabled());
    auto* combine = window.findChild<QPushButton*>(QStringLiteral("cmdCombine"));
    box(window, 0)->setChecked(true);
    QVERIFY(!combine->isEnabled());
    box(window, 1)->setChecked(true);
    QVERIFY(combine->isEnabled());
    box(window, 3)->setChecked(true);
    combine->click();

    QStringList combined;
    for (int r = 0; r < grid.Rows(); ++r) {
        combined << grid.TextMatrix(r, 0) + QLatin1Char(' ') + grid.TextMatrix(r, 1) + QLatin1Char(' ') +
                        grid.TextMatrix(r, 4);
    }
    combined.sort();
    QCOMPARE(combined, (QStringList{QStringLiteral("S355J0 1.0553 60"), QStringLiteral("S355J2 1.0577 68")}));
    // The material numbers are read once for the combination, not again on each showing.
    QCOMPARE(numbersRead, 2);
    for (int showing = 0; showing < 2; ++showing) {
        window.hide();
        window.show();
    }
    QCOMPARE(grid.Rows(), 2);
    QVERIFY(!grid.TextMatrix(0, 1).isEmpty() && !grid.TextMatrix(1, 1).isEmpty());
    QCOMPARE(numbersRead, 2);
    savePicture(window, QStringLiteral("result-combination.png"));

    QSignalSpy opened(&window, &property::frmErgebniskombination::MaterialSelected);
    const int row = grid.TextMatrix(0, 4) == QStringLiteral("68") ? 0 : 1;
    grid.setRow(row);
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(opened.count(), 1);
    const auto chosen = opened.first().first().value<shell::contract::ActivatedMaterial>();
    QCOMPARE(chosen.SteelId, QStringLiteral("9"));
    QCOMPARE(chosen.DesignationCountryId, QStringLiteral("68"));
    QCOMPARE(chosen.Designation, QStringLiteral("S355J2"));
    QVERIFY(chosen.isSteel());

    // The page of the property search finds the chosen hit; a reset of the builder empties the list.
    f.panel->SelectDesignation(chosen.DesignationCountryId);
    QCOMPARE(f.hits().TextMatrix(f.hits().Row(), 0), QStringLiteral("S355J2"));
    f.builder->Reset();
    QCOMPARE(grid.Rows(), 0);
    QVERIFY(!box(window, 3)->isEnabled());
    QCOMPARE(f.program.errors.texts(), QStringList());
}

} // namespace propertytest

#include "ResultCombinationTest.moc"

int runResultCombinationTest(int argc, char** argv) {
    propertytest::ResultCombinationTest test;
    return QTest::qExec(&test, argc, argv);
}
