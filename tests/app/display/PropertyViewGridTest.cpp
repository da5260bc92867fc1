#include "DisplayTestSupport.h"
#include "Grid.h"
#include "ValueRangeText.h"
#include "objects/Application.h"
#include "objects/Material.h"
#include "objects/PropertyBag.h"
#include "objects/PropertyBags.h"
#include "objects/PropertySearch.h"
#include "uctlPropertyViewGrid.h"

#include <QSignalSpy>
#include <QTest>

using displaytest::SampleProgram;
using orvik::objects::FootnoteReference;
using orvik::objects::Property;
using orvik::objects::PropertyBag;
using platform::Variant;
using Grid = display::uctlPropertyViewGrid;

namespace {

Variant none() {
    return Variant::null();
}

std::shared_ptr<Property> property(const std::string& form, const std::string& status,
                                   const std::string& name, Variant valueMin, Variant valueMax,
                                   const std::string& unit) {
    auto p = std::make_shared<Property>();
    p->FORM = form;
    p->Status = status;
    p->Name = name;
    p->Value_min = std::move(valueMin);
    p->Value_max = std::move(valueMax);
    p->unit = unit;
    return p;
}

/// Two product forms, a status with and one without temperatures, repeated names, footnote marks by
/// reference and as text.
PropertyBag sheetBag() {
    PropertyBag bag;
    bag.PropertyTypeName = "Mechanische Eigenschaften";
    bag.StandardName = "EN 10088-2";
    bag.StandardTitle = "Nichtrostende Stähle - Blech und Band";
    auto first = property("Blech", "lösungsgeglüht", "Zugfestigkeit Rm", 520, 720, "MPa");
    first->Metrics_max = 8;
    auto second = property("Blech", "lösungsgeglüht", "Zugfestigkeit Rm", 500, none(), "MPa");
    second->Metrics_min = 8;
    second->Metrics_max = 75;
    for (const auto* symbol : {"1)", "2)", "3)"}) {
        auto reference = std::make_shared<FootnoteReference>();
        reference->Symbol = symbol;
        second->FootnoteReferences->Add(reference);
    }
    auto third = property("Blech", "", "Bruchdehnung A", 45, 45, "%");
    third->Footnote_Symbol = "a)\r\nb)";
    auto fourth = property("Band", "geglüht", "Zugfestigkeit Rm", none(), 700, "MPa");
    fourth->StatusTemp_min = 1000;
    fourth->StatusTemp_max = 1100;
    fourth->Temp_min = 20;
    for (auto& p : {first, second, third, fourth}) {
        bag.Properties->Add(p);
    }
    auto footnote = std::make_shared<orvik::objects::Footnote>();
    footnote->Symbol = "1)";
    footnote->Footnote = "gilt für Dicken bis 8 mm";
    bag.Footnotes->Add(footnote);
    return bag;
}

} // namespace

class PropertyViewGridTest : public QObject {
    Q_OBJECT

private:
    SampleProgram* m_program = nullptr;

private slots:
    void initTestCase() { m_program = new SampleProgram; }
    void cleanupTestCase() { delete m_program; }

    void valueRangesReadAsTheTablesShowThem_data() {
        QTest::addColumn<Variant>("minimum");
        QTest::addColumn<Variant>("maximum");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("range");
        QTest::newRow("minimum only") << Variant(200) << none() << " MPa "
                                      << ">=200"
                                      << ">=200 MPa";
        QTest::newRow("maximum only") << none() << Variant(8) << "mm"
                                      << "<=8"
                                      << "<=8 mm";
        QTest::newRow("equal") << Variant(5) << Variant(5) << "%"
                               << "~ 5"
                               << "~ 5 %";
        QTest::newRow("range") << Variant(520) << Variant(720) << "MPa"
                               << "520 - 720"
                               << "520 - 720 MPa";
        QTest::newRow("none") << none() << none() << "MPa"
                              << ""
                              << "";
        QTest::newRow("empty bounds") << Variant() << Variant() << "MPa"
                                      << ""
                                      << "";
        QTest::newRow("no unit") << Variant(1) << Variant(2) << ""
                                 << "1 - 2"
                                 << "1 - 2";
    }
    void valueRangesReadAsTheTablesShowThem() {
        QFETCH(Variant, minimum);
        QFETCH(Variant, maximum);
        QFETCH(QString, unit);
        QFETCH(QString, value);
        QFETCH(QString, range);
        QCOMPARE(QString::fromStdString(display::ValueRangeText::valueText(minimum, maximum)), value);
        QCOMPARE(QString::fromStdString(
                     display::ValueRangeText::FormatValueRange(minimum, maximum, unit.toStdString())),
                 range);
    }

    void aBagShowsTitlesHeadingsGroupsAndValuesInOrder() {
        Grid view;
        view.setDialogLanguage(&m_program->language());
        view.resize(900, 500);
        view.Init();
        view.ShowProperties(sheetBag());
        view.ShowScrollBar();
        const auto& grid = view.grid();
        const QStringList expected{"Mechanische Eigenschaften",
                                   "EN 10088-2",
                                   "Nichtrostende Stähle - Blech und Band",
                                   "",
                                   "Abmessung",
                                   "",
                                   "Blech",
                                   "lösungsgeglüht",
                                   "Zugfestigkeit Rm",
                                   "<=8 mm",
                                   "8 - 75 mm",
                                   "Bruchdehnung A",
                                   "",
                                   "",
                                   "Band",
                                   "geglüht bei 1000 - 1100 °C",
                                   "Zugfestigkeit Rm",
                                   "",
                                   "",
                                   "1) gilt für Dicken bis 8 mm",
                                   "",
                                   ""};
        QCOMPARE(displaytest::gridColumn(grid, Grid::Dimension), expected);
        QCOMPARE(grid.TextMatrix(4, Grid::Value), QStringLiteral("Wert"));
        QCOMPARE(grid.TextMatrix(4, Grid::Temperature), QStringLiteral("bei Temperatur"));
        QCOMPARE(grid.TextMatrix(4, Grid::Specimen), QString());
        const QStringList values{"520 - 720", ">=500", "~ 45", "<=700"};
        QCOMPARE((QStringList{grid.TextMatrix(9, Grid::Value), grid.TextMatrix(10, Grid::Value),
                              grid.TextMatrix(12, Grid::Value), grid.TextMatrix(17, Grid::Value)}),
                 values);
        QCOMPARE(grid.TextMatrix(12, Grid::Unit), QStringLiteral("%"));
        QCOMPARE(grid.TextMatrix(17, Grid::Temperature), QStringLiteral(">=20 °C"));
        QCOMPARE(grid.TextMatrix(10, Grid::Footnotes), QStringLiteral("1)\n2)\n3)"));
        QCOMPARE(grid.TextMatrix(12, Grid::Footnotes), QStringLiteral("a)\nb)"));
        // Title and group rows span the row; value and heading rows leave the spare and filler empty.
        for (const int row : {0, 1, 6, 7, 8, 19}) {
            QCOMPARE(view.grid().ColSpan(row, 0), int(Grid::ColumnCount));
        }
        for (const int row : {4, 9, 10, 12, 17}) {
            QVERIFY(!grid.MergeRow(row));
            QCOMPARE(grid.TextMatrix(row, Grid::Spare), QString());
            QCOMPARE(grid.TextMatrix(row, Grid::Filler), QString());
        }
        // Three marks make the row taller than one.
        QVERIFY(grid.RowHeight(10) > grid.RowHeight(9));
        QVERIFY(grid.RowHeight(12) > grid.RowHeight(9));
        displaytest::savePicture(view, QStringLiteral("property-view-grid"));
    }

    void aBagWithoutStandardOrValuesKeepsItsFrame() {
        Grid view;
        view.setDialogLanguage(&m_program->language());
        PropertyBag bag;
        bag.PropertyTypeName = "Physikalische Eigenschaften";
        auto footnote = std::make_shared<orvik::objects::Footnote>();
        footnote->Symbol = "a)";
        footnote->Footnote = "Richtwerte";
        bag.Footnotes->Add(footnote);
        view.Init();
        view.ShowProperties(bag);
        QCOMPARE(displaytest::gridColumn(view.grid(), 0),
                 (QStringList{"Physikalische Eigenschaften", "", "", "", "a) Richtwerte", "", ""}));
        for (int col = 0; col < Grid::ColumnCount; ++col) {
            QCOMPARE(view.grid().TextMatrix(2, col), QString());
        }
    }

    void bagsFollowEachOther() {
        Grid view;
        view.setDialogLanguage(&m_program->language());
        view.Init();
        view.ShowProperties(sheetBag());
        const int first = view.grid().Rows();
        view.ShowProperties(sheetBag());
        QCOMPARE(view.grid().TextMatrix(first - 1, 0), QStringLiteral("Mechanische Eigenschaften"));
        QCOMPARE(view.grid().Rows(), 2 * first - 1);
    }

    void theSampleSteelShowsItsPropertyTables() {
        const auto material = m_program->material("1.4301");
        QVERIFY(material != nullptr);
        orvik::objects::PropertySearch search;
        search.Init(m_program->application()->Connection());
        const auto bags = search.PropertyBags(material->Steel_ID(), material->CountryId());
        QVERIFY(bags != nullptr && bags->Count() > 0);
        Grid view;
        view.setDialogLanguage(&m_program->language());
        view.setErrorWindow(&m_program->errors);
        view.resize(900, 600);
        view.show();
        view.Init();
        for (const auto& bag : *bags) {
            view.ShowProperties(*bag);
        }
        view.ShowScrollBar();
        QVERIFY(m_program->errors.shown.empty());
        const auto texts = displaytest::gridColumn(view.grid(), 0);
        QVERIFY(texts.contains(QString::fromStdString(bags->Item(1)->PropertyTypeName)));
        QVERIFY(view.grid().Rows() > 8);
        QCOMPARE(view.grid().TopRow(), 0);
        displaytest::savePicture(view, QStringLiteral("property-view-grid-1.4301"));
    }
};

QTEST_MAIN(PropertyViewGridTest)
#include "PropertyViewGridTest.moc"
