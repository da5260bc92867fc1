#include "DisplayPanels.h"
#include "DisplayTestSupport.h"
#include "Grid.h"
#include "MaterialDisplayInfo.h"
#include "objects/Application.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Elements.h"
#include "objects/Footnotes.h"
#include "objects/Material.h"
#include "test_support/FixtureDatabases.h"
#include "uctlCompositionView.h"
#include "uctlDescription.h"
#include "uctlInfo.h"
#include "uctlPropertiesView.h"
#include "uctlPropertyViewGrid.h"
#include "uctlStandardComparison.h"
#include "uctlSupplier.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using displaytest::SampleProgram;
using orvik::common::Language;

namespace {

std::shared_ptr<orvik::objects::Element>
element(const std::string& symbol, platform::Variant minimum, platform::Variant maximum,
        const std::string& others = {}, const std::vector<std::pair<std::string, std::string>>& notes = {}) {
    auto e = std::make_shared<orvik::objects::Element>();
    e->Element = symbol;
    e->MinValue = std::move(minimum);
    e->MaxValue = std::move(maximum);
    e->Backnumbers = 2;
    e->Others = others;
    for (const auto& [mark, text] : notes) {
        auto footnote = std::make_shared<orvik::objects::Footnote>();
        footnote->Symbol = mark;
        footnote->Footnote = text;
        e->Footnotes->Add(footnote);
    }
    return e;
}

/// The steel's errors reach the program's error window, as the main window routes them.
platform::Subscription routeErrors(SampleProgram& program, orvik::objects::Material& material) {
    return material.Error.subscribe([&program](const orvik::objects::ErrorPtr& error) {
        program.errors.ShowErrorForm(nullptr, QString::fromStdString(error->Modul()),
                                     QString::fromStdString(error->Procedure()), error->Number(),
                                     QString::fromStdString(error->Description()));
    });
}

/// A properties page of the program's steel, shown.
void showPanel(display::uctlPropertiesView& panel, SampleProgram& program,
               const std::shared_ptr<orvik::objects::Material>& material) {
    panel.setDialogLanguage(&program.language());
    panel.setServices(program.services());
    panel.setMaterial(material);
    panel.resize(900, 500);
    panel.show();
}

} // namespace

class OverviewPanelsTest : public QObject {
    Q_OBJECT

private:
    SampleProgram* m_program = nullptr;

    std::shared_ptr<display::MaterialDisplayInfo> shownInfo(const std::string& designation, int page = 1) {
        auto info = std::make_shared<display::MaterialDisplayInfo>();
        info->setErrorHandler([this](const std::string& modul, const std::string& procedure,
                                     std::int32_t number, const std::string& description) {
            m_program->errors.ShowErrorForm(nullptr, QString::fromStdString(modul),
                                            QString::fromStdString(procedure), number,
                                            QString::fromStdString(description));
        });
        info->setLanguageClass(m_program->application()->LanguageObject());
        info->setMaterial(m_program->material(designation));
        info->setPage(page);
        info->Show();
        return info;
    }

private slots:
    void initTestCase() { m_program = new SampleProgram; }
    void cleanupTestCase() { delete m_program; }
    void cleanup() { m_program->errors.shown.clear(); }

    void displayInfoHoldsTheSteelsHeaderTexts() {
        const auto info = shownInfo("1.4301");
        QVERIFY(m_program->errors.shown.empty());
        QCOMPARE(QString::fromStdString(info->MaterialNumber()), QStringLiteral("1.4301"));
        QCOMPARE(QString::fromStdString(info->Symbols()), QStringLiteral("X5CrNi18-10"));
        QCOMPARE(QString::fromStdString(info->Tradenames()), QString());
        QCOMPARE(QString::fromStdString(info->Steelgroup()),
                 QStringLiteral("Austenitische nichtrostende Stähle"));
        QCOMPARE(QString::fromStdString(info->Standards()), QStringLiteral("Norm EN 10088-2 (2014) gültig"));
        QCOMPARE(QString::fromStdString(info->Country()), QStringLiteral("Europa (EN)"));
        QCOMPARE(QString::fromStdString(info->Supplier()), QString());
    }

    void displayInfoKeepsTheSteelsTextsWhileASupplierIsShown() {
        const auto info = shownInfo("1.4301");
        int infoChanged = 0;
        QStringList suppliers;
        QStringList tradenames;
        const auto a = info->InfoChanged.subscribe([&] { ++infoChanged; });
        const auto b = info->SupplierChanged.subscribe(
            [&](const std::string& text) { suppliers << QString::fromStdString(text); });
        const auto c = info->TradeNamesChanged.subscribe(
            [&](const std::string& text) { tradenames << QString::fromStdString(text); });
        info->ChangeTradeNamesDisplay("SAMPLINOX 18-10");
        info->ChangeSupplierDisplay("Musterstahl");
        QCOMPARE(QString::fromStdString(info->Tradenames()), QString());
        info->ResetToMaterial();
        QCOMPARE(suppliers, (QStringList{"Musterstahl", ""}));
        QCOMPARE(tradenames, (QStringList{"SAMPLINOX 18-10", ""}));
        // Without a steel Show only empties the strings and tells nobody.
        info->setMaterial(nullptr);
        info->Show();
        QCOMPARE(infoChanged, 0);
        QCOMPARE(QString::fromStdString(info->MaterialNumber()), QString());
        info->Clear();
        QCOMPARE(infoChanged, 1);
    }

    void aTradeNameSelectionShowsItsCompanyAndAFilterShowsTheFilterAddress() {
        auto info = shownInfo("SAMPLINOX 18-10");
        QVERIFY(QString::fromStdString(info->Supplier()).contains(QStringLiteral("sample firm")));
        info->setMaterial(m_program->material("1.4301"));
        info->setShowSupplier(true);
        info->setFilterAddress("Filteradresse");
        info->Show();
        QCOMPARE(QString::fromStdString(info->Supplier()), QStringLiteral("Filteradresse"));
    }

    void theFactoryMakesThePanelsUnderTheirControlNames() {
        shell::contract::PanelFactory factory;
        apptest::FakeErrorWindow errors;
        display::addDisplayPanels(factory, [&errors] { return &errors; });
        QCOMPARE(factory.selection()->objectName(), QStringLiteral("uctlSelection"));
        QCOMPARE(factory.description()->objectName(), QStringLiteral("uctlDescription"));
        QCOMPARE(factory.compositionView()->objectName(), QStringLiteral("uctlCompositionView"));
        QCOMPARE(factory.supplier()->objectName(), QStringLiteral("uctlSupplier"));
        QCOMPARE(factory.propertiesView()->objectName(), QStringLiteral("uctlPropertiesView"));
        QCOMPARE(factory.info()->objectName(), QStringLiteral("uctlInfo"));
        QCOMPARE(factory.standardComparison()->objectName(), QStringLiteral("uctlStandardComparison"));
        QVERIFY(std::dynamic_pointer_cast<display::MaterialDisplayInfo>(factory.materialDisplayInfo()) !=
                nullptr);
    }

    void descriptionShowsTheRowsInOrder() {
        display::uctlDescription panel;
        panel.setDialogLanguage(&m_program->language());
        m_program->language().ExecAfterLanguageChange();
        const auto info = shownInfo("1.4301");
        panel.setMaterialDisplayInfo(info);
        info->Show();
        QStringList captions;
        QStringList rows;
        for (int row = 0; row < display::uctlDescription::RowCount; ++row) {
            captions << panel.caption(row);
            rows << panel.rowText(row);
        }
        QCOMPARE(captions, (QStringList{"Werkstoff Nr.", "Kurzname", "Firmenbez.", "Stahlgruppe",
                                        "Lieferfirma", "Normen", "Land"}));
        QCOMPARE(rows, (QStringList{"1.4301", "X5CrNi18-10", "", "Austenitische nichtrostende Stähle", "",
                                    "Norm EN 10088-2 (2014) gültig", "Europa (EN)"}));
        panel.resize(900, 200);
        panel.show();
        displaytest::savePicture(panel, QStringLiteral("description-1.4301"));

        // The symbols label explains the brackets; moving over a text box clears status and tooltip.
        QSignalSpy tips(&panel, &shell::contract::Panel::DisplayToolTip);
        QSignalSpy hides(&panel, &shell::contract::Panel::HideToolTip);
        QSignalSpy status(&panel, &shell::contract::Panel::DisplayStatusBarText);
        const auto move = [](QWidget* target) {
            QMouseEvent event(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        };
        const auto labels = panel.findChildren<QLabel*>(QStringLiteral("lblBeschreibung"));
        for (auto* label : labels) {
            move(label);
        }
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips.at(0).at(0).toString(),
                 QStringLiteral("Hinter einer Bezeichnung steht in Klammern ihr Status in der Norm."));
        QCOMPARE(tips.at(0).at(1).toInt(), 0);
        QCOMPARE(hides.count(), 0);
        move(panel.findChild<QPlainTextEdit*>(QStringLiteral("txtStahlinfo"))->viewport());
        QCOMPARE(hides.count(), 1);
        QCOMPARE(status.last().at(0).toString(), QString());
        // A supplier shown for a while, then the steel's own texts again.
        info->ChangeSupplierDisplay("Musterstahl");
        QCOMPARE(panel.rowText(display::uctlDescription::Supplier), QStringLiteral("Musterstahl"));
        QCOMPARE(panel.rowText(display::uctlDescription::MaterialNumber), QStringLiteral("1.4301"));
        info->ResetToMaterial();
        QCOMPARE(panel.rowText(display::uctlDescription::Supplier), QString());
    }

    void compositionViewShowsTheElementsInOrder() {
        display::uctlCompositionView panel;
        panel.setDialogLanguage(&m_program->language());
        panel.setServices(m_program->services());
        m_program->language().ExecAfterLanguageChange();
        panel.setMaterial(m_program->material("1.4301"));
        panel.resize(800, 420);
        panel.show();
        panel.Show();
        const auto& grid = panel.grid();
        QCOMPARE(displaytest::gridRow(grid, 0, 6),
                 (QStringList{"Element", "Min", "Max", " ", "Sonstige", "Fußnote"}));
        QStringList symbols;
        for (int row = 1; row < grid.Rows(); ++row) {
            symbols << grid.TextMatrix(row, 0);
        }
        QCOMPARE(symbols, (QStringList{"C", "Si", "Mn", "P", "S", "N", "Cr", "Ni", "Fe"}));
        QCOMPARE(displaytest::gridRow(grid, 5, 6), (QStringList{"S", "", "0.015", "", "", "1) "}));
        QCOMPARE(displaytest::gridRow(grid, 7, 3), (QStringList{"Cr", "17.50", "19.50"}));
        QCOMPARE(displaytest::gridRow(grid, 9, 3), (QStringList{"Fe", "Rest", ""}));
        QCOMPARE(panel.footnotes(), QStringLiteral("1) Für zu bearbeitende Erzeugnisse wird ein geregelter "
                                                   "Schwefelgehalt von 0,015 % bis 0,030 % empfohlen und ist "
                                                   "zulässig."));
        QCOMPARE(panel.analyses().count(), 2);
        QVERIFY(panel.analyses().isEnabled());
        QVERIFY(m_program->errors.shown.empty());
        displaytest::savePicture(panel, QStringLiteral("composition-1.4301"));
    }

    void compositionRangesMarksAndOtherTexts() {
        display::uctlCompositionView panel;
        panel.setDialogLanguage(&m_program->language());
        panel.resize(600, 400);
        panel.show();
        orvik::objects::ChemicalCompostion composition;
        const std::string longText =
            "Cu + Mo + W zusammen höchstens 0,50 % nach Vereinbarung bei der Bestellung "
            "für Erzeugnisse mit besonderen Anforderungen";
        const auto add = [&](std::shared_ptr<orvik::objects::Element> e) {
            composition.Elements->append(std::move(e));
        };
        add(element("C", 0, 0.5, "", {{"1", "erste"}}));
        add(element("Cr", 12, 100));
        auto optional = element("Mo", 0.2, 0.6, longText, {{"1", "erste"}, {"10", "zehnte"}});
        optional->OptionalValue = true;
        add(optional);
        auto onlyMaximum = element("V", platform::Variant::null(), 0.1);
        onlyMaximum->OptionalValue = true;
        add(onlyMaximum);
        auto searchOnly = element("B", 0, 0.01);
        searchOnly->OnlySearch = true;
        add(searchOnly);
        auto rest = element("Fe", platform::Variant::null(), 100);
        rest->Rest = true;
        add(rest);
        panel.showComposition(composition);
        const auto& grid = panel.grid();
        QCOMPARE(grid.Rows(), 6);
        QCOMPARE(displaytest::gridRow(grid, 1, 3), (QStringList{"C", "", "0.50"}));
        QCOMPARE(displaytest::gridRow(grid, 2, 3), (QStringList{"Cr", "12.00", ""}));
        QCOMPARE(displaytest::gridRow(grid, 3, 3), (QStringList{"Mo", "(0.20", "0.60)"}));
        QCOMPARE(displaytest::gridRow(grid, 4, 3), (QStringList{"V", "", "(0.10)"}));
        QCOMPARE(displaytest::gridRow(grid, 5, 3), (QStringList{"Fe", "Rest", ""}));
        QCOMPARE(grid.TextMatrix(3, display::uctlCompositionView::Marks), QStringLiteral("1) 10) "));
        // Symbols are matched exactly: "1" and "10" are two footnotes, "1" is listed once.
        QCOMPARE(panel.footnotes(), QStringLiteral("1) erste\n\n10) zehnte"));
        const QString wrapped = grid.TextMatrix(3, display::uctlCompositionView::Others);
        QVERIFY(wrapped.contains(u'\n'));
        QCOMPARE(QString(wrapped).replace(u'\n', u' '), QString::fromStdString(longText));
        // A wider column takes the words back from the text as given.
        panel.resize(3000, 400);
        QApplication::processEvents();
        QCOMPARE(grid.TextMatrix(3, display::uctlCompositionView::Others), QString::fromStdString(longText));
    }

    void panelsWithoutASteelShowTheirEmptyState() {
        display::uctlCompositionView composition;
        display::uctlStandardComparison comparison;
        display::uctlSupplier supplier;
        display::uctlPropertiesView properties;
        for (shell::contract::Panel* panel : std::initializer_list<shell::contract::Panel*>{
                 &composition, &comparison, &supplier, &properties}) {
            panel->setDialogLanguage(&m_program->language());
            panel->setServices(m_program->services());
            panel->setMaterial(nullptr);
            panel->Show();
        }
        QCOMPARE(composition.grid().TextMatrix(1, 0), QStringLiteral("Keine Analyse vorhanden"));
        QVERIFY(!composition.grid().isEnabled());
        QVERIFY(!composition.analyses().isEnabled());
        QCOMPARE(comparison.grid().TextMatrix(1, display::uctlStandardComparison::Country),
                 QStringLiteral("Kein Normenvergleich vorhanden"));
        QVERIFY(!comparison.grid().isEnabled());
        QSignalSpy selected(&comparison, &shell::contract::Panel::MaterialSelected);
        comparison.grid().setRow(1);
        emit comparison.grid().DblClick();
        QCOMPARE(selected.count(), 0);
        QCOMPARE(supplier.suppliers().count(), 0);
        QCOMPARE(properties.tables().grid().TextMatrix(0, 0),
                 QStringLiteral("Keine mechanischen Eigenschaften vorhanden"));
        QCOMPARE(properties.standards().count(), 1);
        QVERIFY(m_program->errors.shown.empty());
    }

    void standardComparisonListsTheComparableSteels() {
        display::uctlStandardComparison panel;
        panel.setDialogLanguage(&m_program->language());
        panel.setApplication(m_program->application());
        m_program->language().ExecAfterLanguageChange();
        panel.setMaterial(m_program->material("1.4301"));
        panel.resize(800, 300);
        panel.show();
        panel.Show();
        const auto& grid = panel.grid();
        using C = display::uctlStandardComparison;
        QCOMPARE(displaytest::gridRow(grid, 0, C::Filler).mid(C::Country),
                 (QStringList{"Land", "Bezeichnung", "Norm", "Werkstoff-Nr."}));
        QStringList countries;
        for (int row = 1; row < grid.Rows(); ++row) {
            countries << grid.TextMatrix(row, C::Country);
        }
        QCOMPARE(countries, (QStringList{"China", "Großbritannien", "Großbritannien", "Italien", "Japan",
                                         "Russland", "USA"}));
        QCOMPARE(displaytest::gridRow(grid, 1, C::Filler).mid(C::Country),
                 (QStringList{"China", "06Cr19Ni10", "GB/T 20878 (2007) gültig (CN)", "1.4301"}));
        for (int col = C::SteelId; col <= C::StandardId; ++col) {
            QCOMPARE(panel.grid().ColWidth(col), 0);
        }
        QSignalSpy selected(&panel, &shell::contract::Panel::MaterialSelected);
        QSignalSpy tips(&panel, &shell::contract::Panel::DisplayToolTip);
        panel.grid().setRow(1);
        emit panel.grid().Click();
        QCOMPARE(tips.count(), 1);
        QVERIFY(tips.at(0).at(0).toString().contains(QStringLiteral("20878")));
        emit panel.grid().DblClick();
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.at(0).at(0).value<shell::contract::ActivatedMaterial>(),
                 (shell::contract::ActivatedMaterial{"69", "345", "489", "06Cr19Ni10", "K"}));
        // Rebuilt once the double click has been handled, not inside it.
        QCOMPARE(panel.grid().Rows(), 8);
        QTRY_COMPARE(panel.grid().Row(), 0);
        QCOMPARE(selected.count(), 1);
        displaytest::savePicture(panel, QStringLiteral("standard-comparison-1.4301"));
    }

    void supplierPanelListsShapesSuppliersAndAddress() {
        display::uctlSupplier panel;
        display::uctlDescription description;
        const auto info = shownInfo("1.4301");
        panel.setDialogLanguage(&m_program->language());
        panel.setServices(m_program->services());
        panel.setMaterialDisplayInfo(info);
        description.setMaterialDisplayInfo(info);
        info->Show();
        m_program->language().ExecAfterLanguageChange();
        panel.setMaterial(m_program->material("1.4301"));
        panel.resize(800, 360);
        panel.show();
        panel.Show();
        QStringList shapes;
        for (int i = 0; i < panel.shapes().count(); ++i) {
            shapes << panel.shapes().itemText(i);
        }
        QCOMPARE(shapes, (QStringList{"alle", "Bänder", "Blankstahl", "Bleche", "Rohre", "Rundstäbe"}));
        QStringList suppliers;
        for (int i = 0; i < panel.suppliers().count(); ++i) {
            suppliers << panel.suppliers().item(i)->text();
        }
        QCOMPARE(suppliers, (QStringList{"(F) Aciers Exemple SA (sample firm)",
                                         "(A) Edelstahlhandel Exempel GmbH (sample firm)",
                                         "(D) Musterstahl Beispiel GmbH (sample firm)"}));
        panel.pickSupplier(0);
        QVERIFY(panel.address().startsWith(
            QStringLiteral("Aciers Exemple SA (sample firm), Aciers inoxydables")));
        QCOMPARE(panel.supplierShapes(), QStringLiteral("Bänder\nBleche\nRohre\n"));
        QCOMPARE(description.rowText(display::uctlDescription::Supplier), panel.address());
        displaytest::savePicture(panel, QStringLiteral("supplier-1.4301"));
        info->ResetToMaterial();
        panel.ShowSupplierInfo();
        QCOMPARE(description.rowText(display::uctlDescription::Supplier), QString());
        QCOMPARE(description.rowText(display::uctlDescription::Symbols), QStringLiteral("X5CrNi18-10"));
        QVERIFY(panel.address().isEmpty());

        // The arrow keys pick as the mouse does.
        panel.suppliers().setFocus();
        const auto pickedName = [&panel] {
            return panel.suppliers().currentItem()->text().section(QStringLiteral(") "), 1);
        };
        QTest::keyClick(&panel.suppliers(), Qt::Key_Down);
        QVERIFY(panel.suppliers().currentRow() >= 1);
        QVERIFY2(panel.address().startsWith(pickedName()), qPrintable(panel.address()));
        QCOMPARE(description.rowText(display::uctlDescription::Supplier), panel.address());
        QTest::keyClick(&panel.suppliers(), Qt::Key_Up);
        QVERIFY2(panel.address().startsWith(pickedName()), qPrintable(panel.address()));
        QTest::keyClick(&panel.suppliers(), Qt::Key_Home);
        QCOMPARE(panel.suppliers().currentRow(), 0);
        QVERIFY(panel.address().startsWith(QStringLiteral("Aciers Exemple SA (sample firm)")));
        QCOMPARE(panel.supplierShapes(), QStringLiteral("Bänder\nBleche\nRohre\n"));
        // A shape chosen anew lists its suppliers with none picked.
        panel.shapes().setCurrentIndex(1);
        emit panel.shapes().activated(1);
        QCOMPARE(panel.suppliers().currentRow(), -1);
        QVERIFY(panel.address().isEmpty());
    }

    void propertiesViewShowsTheStandardsAndTheirTables() {
        display::uctlPropertiesView panel;
        panel.setDialogLanguage(&m_program->language());
        panel.setServices(m_program->services());
        m_program->language().ExecAfterLanguageChange();
        panel.setMaterial(m_program->material("1.4301"));
        panel.setTitle(0);
        panel.setFirstPropertyType(1);
        panel.setSecondPropertyType(4);
        panel.resize(900, 500);
        panel.show();
        panel.Show();
        QCOMPARE(panel.standards().count(), 2);
        QCOMPARE(panel.standards().itemText(0), QStringLiteral("alle"));
        QVERIFY(panel.standards().itemText(1).startsWith(
            QStringLiteral("Norm EN 10088-2: Nichtrostende Stähle")));
        auto& grid = panel.tables().grid();
        QCOMPARE(grid.TextMatrix(0, 0), QStringLiteral("Mechanische Eigenschaften"));
        QCOMPARE(grid.TextMatrix(1, 0), QStringLiteral("Norm EN 10088-2 (2014) gültig"));
        QVERIFY(displaytest::gridColumn(grid, 0).contains(QStringLiteral("Zugfestigkeit")));
        QVERIFY(m_program->errors.shown.empty());
        displaytest::savePicture(panel, QStringLiteral("properties-1.4301"));

        panel.setTitle(1);
        panel.setFirstPropertyType(2);
        panel.setSecondPropertyType(0);
        panel.Show();
        QCOMPARE(grid.TextMatrix(0, 0), QStringLiteral("Physikalische Eigenschaften"));
    }

    // Damaged matrices of 1.4301 in Europe (33): the page shows the tables that could be read and each
    // damaged one reaches the error window once, through the steel as the main window routes it.
    void propertiesViewShowsWhatCouldBeReadAndTellsWhatCouldNot() {
        struct Case {
            const char* kinds;
            int told;
            QString first;
        };
        const Case cases[] = {
            {"1", 1, QStringLiteral("Physikalische Eigenschaften")},
            {"1, 2, 3", 3, QStringLiteral("Diese Tabelle konnte nicht gelesen werden.")},
        };
        for (const auto& c : cases) {
            SampleProgram damaged;
            test_support::runScript(
                damaged.folder() / "Datenbank" / "Graukant.MDB",
                std::string("UPDATE tabEigenschaftsMatrix SET Eigenschaft_D = '<Eigenschaften><Wert' "
                            "WHERE Id_Eigenschaftsmatrix = 33 AND Id_Eigenschaftskennung IN (") +
                    c.kinds + ");");
            const auto material = damaged.material("1.4301");
            QVERIFY(material != nullptr);
            const auto routed = routeErrors(damaged, *material);
            display::uctlPropertiesView panel;
            showPanel(panel, damaged, material);
            for (const auto& [first, second] : {std::pair{1, 4}, std::pair{2, 0}}) {
                panel.setTitle(first == 1 ? 0 : 1);
                panel.setFirstPropertyType(first);
                panel.setSecondPropertyType(second);
                panel.Show();
                panel.ShowSelectedStandard(0);
            }
            QCOMPARE(panel.tables().grid().TextMatrix(0, 0), c.first);
            QCOMPARE(static_cast<int>(damaged.errors.shown.size()), c.told);
            displaytest::savePicture(panel, QStringLiteral("properties-1.4301-unreadable-%1").arg(c.told));
            for (const auto& shown : damaged.errors.shown) {
                QVERIFY2(shown.description.contains(QStringLiteral("matrix 33 ")),
                         qPrintable(shown.description));
            }
            // The mechanical page of a steel whose mechanical tables could not be read says so: they
            // are there, not missing.
            panel.setTitle(0);
            panel.setFirstPropertyType(1);
            panel.setSecondPropertyType(4);
            panel.Show();
            QCOMPARE(panel.tables().grid().TextMatrix(0, 0),
                     QStringLiteral("Diese Tabelle konnte nicht gelesen werden."));
            QCOMPARE(static_cast<int>(damaged.errors.shown.size()), c.told);
        }
    }

    // A query that fails leaves the steel without tables: each page says in its language that they
    // could not be read, and the failure reaches the error window once, however often pages show.
    void propertiesViewOfAFailedQueryTellsOnceAndSaysSo() {
        SampleProgram damaged;
        test_support::runScript(damaged.folder() / "Datenbank" / "Graukant.MDB",
                                "DROP TABLE tabEigenschaftskennung;");
        const auto material = damaged.material("1.4301");
        QVERIFY(material != nullptr);
        const auto routed = routeErrors(damaged, *material);
        display::uctlPropertiesView panel;
        showPanel(panel, damaged, material);
        const std::pair<Language, QString> languages[] = {
            {Language::German, QStringLiteral("Diese Tabelle konnte nicht gelesen werden.")},
            {Language::French, QStringLiteral("Ce tableau n'a pas pu être lu.")},
            {Language::English, QStringLiteral("This table could not be read.")},
        };
        for (const auto& [language, notice] : languages) {
            damaged.switchLanguage(language);
            for (const auto& [first, second] : {std::pair{1, 4}, std::pair{2, 0}, std::pair{3, 5}}) {
                panel.setTitle(first - 1);
                panel.setFirstPropertyType(first);
                panel.setSecondPropertyType(second);
                panel.Show();
                QCOMPARE(panel.tables().grid().TextMatrix(0, 0), notice);
            }
        }
        QCOMPARE(static_cast<int>(damaged.errors.shown.size()), 1);
        QVERIFY2(damaged.errors.shown.front().description.contains(QStringLiteral("tabEigenschaftskennung")),
                 qPrintable(damaged.errors.shown.front().description));
    }

    void infoPanelShowsTheText() {
        display::uctlInfo panel;
        const auto material = m_program->material("1.4301");
        panel.setText(QString::fromStdString(material->Info()));
        QVERIFY(panel.shownText().startsWith(QStringLiteral("Werkstoffnummern\n1.4301\n\nStahlgruppe\n")));
        panel.resize(600, 300);
        panel.show();
        displaytest::savePicture(panel, QStringLiteral("info-1.4301"));
        panel.setText(QString());
        QCOMPARE(panel.shownText(), QString());
    }

    void aLanguageSwitchRecaptionsThePanels() {
        display::uctlStandardComparison comparison;
        display::uctlDescription description;
        comparison.setDialogLanguage(&m_program->language());
        description.setDialogLanguage(&m_program->language());
        comparison.setMaterial(nullptr);
        comparison.Show();
        m_program->switchLanguage(Language::English);
        QCOMPARE(description.caption(display::uctlDescription::Standards), QStringLiteral("Standards"));
        QCOMPARE(comparison.grid().TextMatrix(0, display::uctlStandardComparison::Country),
                 QStringLiteral("Country"));
        QCOMPARE(comparison.grid().TextMatrix(1, display::uctlStandardComparison::Country),
                 QStringLiteral("No standard comparison available"));
        m_program->switchLanguage(Language::French);
        QCOMPARE(comparison.grid().TextMatrix(1, display::uctlStandardComparison::Country),
                 QStringLiteral("Aucune comparaison de normes disponible"));
        m_program->switchLanguage(Language::German);
        QCOMPARE(description.caption(display::uctlDescription::Standards), QStringLiteral("Normen"));
    }
};

QTEST_MAIN(OverviewPanelsTest)
#include "OverviewPanelsTest.moc"
