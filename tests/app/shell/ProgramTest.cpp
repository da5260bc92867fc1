// The program as a user meets it: the main window with the real panels of every page on the sample
// data. A steel is found on the selection page and read on each overview page; the designation,
// composition and property searches are combined and a steel is opened from the combination.
#include "AnalysisFile.h"
#include "Grid.h"
#include "ListBar.h"
#include "MaterialListModel.h"
#include "NumEntry.h"
#include "ProgramPanels.h"
#include "ShellFakes.h"
#include "common/ProgrammSettings.h"
#include "frmErgebniskombination.h"
#include "objects/Application.h"
#include "platform/UserLocale.h"
#include "uctlCompositionGrid.h"
#include "uctlCompositionSearch.h"
#include "uctlCompositionView.h"
#include "uctlDescription.h"
#include "uctlInfo.h"
#include "uctlMaterialList.h"
#include "uctlPropertiesView.h"
#include "uctlPropertySearch.h"
#include "uctlPropertyViewGrid.h"
#include "uctlSelection.h"
#include "uctlStandardComparison.h"
#include "uctlSupplier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <set>

using orvik::common::ProgrammSettings;
using shelltest::ProgramFolder;

namespace {

/// The main window with the program's own panels, loaded on the sample data and shown.
struct Program {
    Program() {
        ProgrammSettings().ApplicationPath(folder.program().string());
        window = std::make_unique<shell::frmMain>(fakes.services(), shell::programPanels(&fakes.errorWindow),
                                                  shell::ProgramFiles(folder.program()));
        window->Load();
        window->resize(1280, 860);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }

    template <typename P> [[nodiscard]] P& page(const char* name) const {
        auto* found = dynamic_cast<P*>(window->panel(QLatin1String(name)));
        if (found == nullptr) {
            qFatal("the page %s does not show its real panel", name);
        }
        return *found;
    }
    [[nodiscard]] display::uctlSelection& selection() const {
        return page<display::uctlSelection>("uctlSelection");
    }
    /// The grid in which the combination window lists the combined designations.
    [[nodiscard]] controls::Grid& combinedGrid() const {
        return *window->combinationWindow().findChild<controls::Grid*>(QStringLiteral("grdResult"));
    }

    /// Types the text into the search box of the selection page and presses Enter.
    void searchDesignation(const QString& text) const {
        auto& box = selection().searchBox();
        box.setFocus();
        box.clear();
        QTest::keyClicks(&box, text);
        QTest::keyClick(&box, Qt::Key_Return);
    }

    ProgramFolder folder;
    shelltest::Services fakes;
    std::unique_ptr<shell::frmMain> window;
};

QString decimal(const char* whole, const char* fraction) {
    return QLatin1String(whole) + QString::fromStdString(platform::UserLocale::currentDecimalSeparator()) +
           QLatin1String(fraction);
}

QStringList column(const controls::Grid& grid, int col, int from = 0) {
    QStringList texts;
    for (int row = from; row < grid.Rows(); ++row) {
        texts << grid.TextMatrix(row, col);
    }
    return texts;
}

/// The editor the property criteria grid shows over its cell (row, col), after moving there.
QWidget* criteriaEditor(const property::uctlPropertySearch& panel, int row, int col) {
    auto& grid = *panel.findChild<controls::Grid*>(QStringLiteral("grdMechSuchen"));
    grid.setRow(row);
    grid.setCol(col == 1 ? 2 : 1);
    grid.setCol(col);
    for (auto* w : grid.findChildren<QWidget*>()) {
        if ((qobject_cast<QComboBox*>(w) != nullptr || qobject_cast<controls::NumEntry*>(w) != nullptr) &&
            w->isVisible() && w->property("index").isValid()) {
            return w;
        }
    }
    return nullptr;
}

bool chooseProperty(const property::uctlPropertySearch& panel, int row, int key) {
    auto* combo = qobject_cast<QComboBox*>(criteriaEditor(panel, row, 1));
    if (combo == nullptr || combo->findData(key) < 0) {
        return false;
    }
    combo->setCurrentIndex(combo->findData(key));
    return true;
}

bool typeValue(const property::uctlPropertySearch& panel, int row, int col, const QString& text) {
    auto* entry = qobject_cast<controls::NumEntry*>(criteriaEditor(panel, row, col));
    if (entry == nullptr) {
        return false;
    }
    entry->setEntryText(text);
    return true;
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void aSteelFoundOnTheSelectionPageIsReadOnEveryOverviewPage() {
        Program program;
        auto& window = *program.window;
        QCOMPARE(window.currentPage(), 1);
        QVERIFY(program.selection().Count() > 0);
        program.searchDesignation(QStringLiteral("1.4301"));
        auto& list = program.selection().materialList();
        QVERIFY(list.CurrentPos() >= 0);
        QCOMPARE(list.model().text(list.CurrentPos(), display::MaterialListModel::Designation),
                 QStringLiteral("1.4301"));
        // The designations take the list's whole width, and so does the highlight of the chosen row.
        QCOMPARE(list.grid()->columnWidth(display::MaterialListModel::Designation),
                 list.grid()->viewport()->width());
        QTest::keyClick(list.grid(), Qt::Key_Return);
        QVERIFY(window.materialSelected());
        QVERIFY(window.currentMaterial() != nullptr);
        QCOMPARE(window.currentSteel().text(), QStringLiteral("1.4301 "));

        auto& description = program.page<display::uctlDescription>("uctlDescription");
        QVERIFY(description.isVisible());
        QCOMPARE(description.rowText(display::uctlDescription::MaterialNumber), QStringLiteral("1.4301"));
        QCOMPARE(description.rowText(display::uctlDescription::Symbols), QStringLiteral("X5CrNi18-10"));
        QCOMPARE(description.rowText(display::uctlDescription::Country), QStringLiteral("Europa (EN)"));

        auto& bar = window.listBar();
        bar.clickItem(QStringLiteral("CHEM_ANALYSE"));
        auto& composition = program.page<display::uctlCompositionView>("uctlCompositionView");
        QVERIFY(composition.isVisible());
        QCOMPARE(column(composition.grid(), 0, 1),
                 (QStringList{"C", "Si", "Mn", "P", "S", "N", "Cr", "Ni", "Fe"}));
        const int chromium = composition.grid().FindRow(QStringLiteral("Cr"), 1, 0, true);
        QVERIFY(chromium > 0);
        QCOMPARE(composition.grid().TextMatrix(chromium, 1), QStringLiteral("17.50"));
        QCOMPARE(composition.grid().TextMatrix(chromium, 2), QStringLiteral("19.50"));

        bar.clickItem(QStringLiteral("LIEFERFIRMEN"));
        auto& supplier = program.page<display::uctlSupplier>("uctlSupplier");
        QVERIFY(supplier.isVisible());
        QStringList suppliers;
        for (int i = 0; i < supplier.suppliers().count(); ++i) {
            suppliers << supplier.suppliers().item(i)->text();
        }
        QVERIFY2(suppliers.contains(QStringLiteral("(D) Musterstahl Beispiel GmbH (sample firm)")),
                 qPrintable(suppliers.join(u'|')));

        auto& properties = program.page<display::uctlPropertiesView>("uctlPropertiesView");
        const auto& tables = properties.tables().grid();
        bar.clickItem(QStringLiteral("MECH_EIGENSCHAFTEN"));
        QVERIFY(properties.isVisible());
        QCOMPARE(tables.TextMatrix(0, 0), QStringLiteral("Mechanische Eigenschaften"));
        QVERIFY(column(tables, 0).contains(QStringLiteral("Zugfestigkeit")));
        // Filled at the size the user sees already the first time: the rows keep their heights later.
        QList<int> heights;
        for (int row = 0; row < 4; ++row) {
            heights << tables.RowHeight(row);
        }
        bar.clickItem(QStringLiteral("PHYS_EIGENSCHAFTEN"));
        QCOMPARE(tables.TextMatrix(0, 0), QStringLiteral("Physikalische Eigenschaften"));
        bar.clickItem(QStringLiteral("MECH_EIGENSCHAFTEN"));
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(tables.RowHeight(row), heights.at(row));
        }
        bar.clickItem(QStringLiteral("PHYS_EIGENSCHAFTEN"));
        bar.clickItem(QStringLiteral("WBH_EIGENSCHAFTEN"));
        QVERIFY(properties.isVisible());
        QVERIFY(tables.TextMatrix(0, 0) != QStringLiteral("Physikalische Eigenschaften"));

        bar.clickItem(QStringLiteral("INFO"));
        auto& info = program.page<display::uctlInfo>("uctlInfo");
        QVERIFY(info.isVisible());
        QVERIFY2(info.shownText().startsWith(QStringLiteral("Werkstoffnummern\n1.4301\n")),
                 qPrintable(info.shownText()));

        bar.clickItem(QStringLiteral("NORMENVERGLEICH"));
        auto& comparison = program.page<display::uctlStandardComparison>("uctlStandardComparison");
        QVERIFY(comparison.isVisible());
        const QStringList countries = column(comparison.grid(), display::uctlStandardComparison::Country, 1);
        QVERIFY2(countries.contains(QStringLiteral("China")) && countries.contains(QStringLiteral("USA")),
                 qPrintable(countries.join(u'|')));
        // The country leaves room for the designation, standard and material number beside it.
        QVERIFY(comparison.grid().ColWidth(display::uctlStandardComparison::Country) <
                comparison.grid().width() * 15 / 2);
        QVERIFY(comparison.grid().ColWidth(display::uctlStandardComparison::Standard) > 0);
        QCOMPARE(description.rowText(display::uctlDescription::MaterialNumber), QStringLiteral("1.4301"));

        QCOMPARE(program.fakes.errorWindow.shown.size(), std::size_t{0});
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Worked out from the sample rows: the symbols S355J* are S355JR, S355J0, S355J2 in Europe and the
    // United Kingdom; a carbon maximum of at most 0.20 % holds in Europe for S355J0, S355J2 and
    // S355K2; an upper yield strength of at least 340 MPa with a tensile strength of 450 to 600 MPa is
    // met by S355JR, S355J0, S355J2 and S355K2. All three meet in S355J0 and S355J2 of Europe.
    void theCurrentSteelReadsInTheLanguageChosenFromTheMenu_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("steelgroup");
        QTest::addColumn<QString>("standards");
        QTest::newRow("English") << 2 << u"001"_qs << u"Austenitic stainless steels"_qs
                                 << u"Standard EN 10088-2 (2014) current"_qs;
        QTest::newRow("French") << 1 << u"010"_qs << u"Aciers inoxydables austénitiques"_qs
                                << u"Norme EN 10088-2 (2014) en vigueur"_qs;
    }

    void theCurrentSteelReadsInTheLanguageChosenFromTheMenu() {
        QFETCH(int, language);
        QFETCH(QString, marks);
        QFETCH(QString, steelgroup);
        QFETCH(QString, standards);
        Program program;
        auto& window = *program.window;
        program.searchDesignation(QStringLiteral("1.4301"));
        QTest::keyClick(program.selection().materialList().grid(), Qt::Key_Return);
        auto& description = program.page<display::uctlDescription>("uctlDescription");
        QCOMPARE(description.rowText(display::uctlDescription::Steelgroup),
                 u"Austenitische nichtrostende Stähle"_qs);
        const auto shownMarks = [&window] {
            QString shown;
            for (int i = 0; i < 3; ++i) {
                shown += window.menuItem(u"mnuSprache"_qs, i)->isChecked() ? u'1' : u'0';
            }
            return shown;
        };
        QCOMPARE(shownMarks(), u"100"_qs);
        // As the user chooses it: the item's own mark toggles before the switch.
        window.menuItem(u"mnuSprache"_qs, 2)->trigger();
        window.menuItem(u"mnuSprache"_qs, language)->trigger();
        QCOMPARE(shownMarks(), marks);
        QCOMPARE(description.rowText(display::uctlDescription::Steelgroup), steelgroup);
        QCOMPARE(description.rowText(display::uctlDescription::Standards), standards);
        // The checked item chosen again keeps its mark.
        window.menuItem(u"mnuSprache"_qs, language)->trigger();
        QCOMPARE(shownMarks(), marks);
        // The stored setting lost the switch (an INI file that could not be written): the language
        // shown decides, so German can be chosen again.
        orvik::common::ProgrammSettings().CurrentLanguage(orvik::common::Language::German);
        window.menuItem(u"mnuSprache"_qs, 0)->trigger();
        QCOMPARE(shownMarks(), u"100"_qs);
        QCOMPARE(window.menuItem(u"mnuZeile"_qs, 0)->text(), u"&Datei"_qs);
        QCOMPARE(description.rowText(display::uctlDescription::Steelgroup),
                 u"Austenitische nichtrostende Stähle"_qs);
    }

    void theThreeSearchesCombineAndASteelOpensFromTheCombination() {
        Program program;
        auto& window = *program.window;
        program.searchDesignation(QStringLiteral("S355J*"));
        QVERIFY(program.selection().IsFilter());

        window.listBar().clickItem(QStringLiteral("SUCHEN_ANALYSE"));
        QCOMPARE(window.currentPage(), 2);
        auto& simple = program.page<composition::uctlCompositionSearch>("uctlCompositionSearch");
        QVERIFY(simple.isVisible());
        const int europe = window.Application()->countryId("EU");
        const int country = simple.countryList().findData(europe);
        QVERIFY(country > 0);
        simple.countryList().setCurrentIndex(country);
        composition::Analysis carbon;
        carbon.Rows = {{"C", "", decimal("0", "2").toStdString(), "", "", "", "outside"}};
        simple.compositionGrid().LoadRows(carbon);
        window.ToolbarClick(QStringLiteral("FIND"));
        std::set<QString> carbonHits;
        auto& hitList = simple.materialList();
        for (int row = 0; row < hitList.Count(); ++row) {
            carbonHits.insert(hitList.model().text(row, display::MaterialListModel::Designation));
        }
        for (const char* steel : {"S355J0 (EU)", "S355J2 (EU)", "S355K2 (EU)"}) {
            QVERIFY2(carbonHits.count(QLatin1String(steel)) == 1, steel);
        }
        QVERIFY(carbonHits.count(QStringLiteral("S355JR (EU)")) == 0);

        window.listBar().clickItem(QStringLiteral("SUCHEN_MECH_EIGENSCHAFTEN"));
        QCOMPARE(window.currentPage(), 3);
        auto& properties = program.page<property::uctlPropertySearch>("uctlPropertySearch");
        QVERIFY(properties.isVisible());
        QVERIFY(chooseProperty(properties, 2, 2));
        QVERIFY(typeValue(properties, 2, 2, QStringLiteral("340")));
        QTest::keyClick(criteriaEditor(properties, 2, 2), Qt::Key_Return);
        QVERIFY(chooseProperty(properties, 3, 1));
        QVERIFY(typeValue(properties, 3, 2, QStringLiteral("450")));
        QVERIFY(typeValue(properties, 3, 3, QStringLiteral("600")));
        window.ToolbarClick(QStringLiteral("FIND"));
        auto& propertyHits = *properties.findChild<controls::Grid*>(QStringLiteral("grdMechTrefferliste"));
        QStringList propertyNames = column(propertyHits, 0);
        propertyNames.sort();
        QCOMPARE(propertyNames, (QStringList{"S355J0", "S355J2", "S355JR", "S355K2"}));

        QMenu& view = *window.menuItem(QStringLiteral("mnuZeile"), 1)->menu();
        emit view.aboutToShow();
        QAction& combine = *window.menuItem(QStringLiteral("mnuErgebniskombination"), 0);
        QCOMPARE(combine.text(), QStringLiteral("Suchergebnisse kombinieren\tShift+Ctrl+S"));
        combine.trigger();
        auto& combination = window.combinationWindow();
        QVERIFY(combination.isVisible());
        QVERIFY(dynamic_cast<property::frmErgebniskombination*>(&combination) != nullptr);
        QVERIFY(window.geometry().contains(combination.geometry().center()));
        for (auto* box : combination.findChildren<QCheckBox*>(QStringLiteral("chkResult"))) {
            const int index = box->property("index").toInt();
            QCOMPARE(box->isEnabled(), index != 2);
            box->setChecked(index != 2);
        }
        combination.findChild<QPushButton*>(QStringLiteral("cmdCombine"))->click();
        auto& grid = program.combinedGrid();
        QStringList combined = column(grid, 0);
        combined.sort();
        QCOMPARE(combined, (QStringList{"S355J0", "S355J2"}));
        QCOMPARE(column(grid, 1).join(u','), grid.TextMatrix(0, 0) == QStringLiteral("S355J0")
                                                 ? QStringLiteral("1.0553,1.0577")
                                                 : QStringLiteral("1.0577,1.0553"));

        const int row = grid.TextMatrix(0, 0) == QStringLiteral("S355J2") ? 0 : 1;
        grid.setRow(row);
        QTest::keyClick(&grid, Qt::Key_Return);
        QVERIFY(window.materialSelected());
        QCOMPARE(window.currentSteel().text(), QStringLiteral("S355J2 "));
        QVERIFY(window.currentMaterial() != nullptr);
        // The chosen occurrence is highlighted in the property hits that took part.
        QCOMPARE(propertyHits.TextMatrix(propertyHits.Row(), 0), QStringLiteral("S355J2"));

        window.listBar().clickItem(QStringLiteral("CHEM_ANALYSE"));
        QCOMPARE(window.currentPage(), 4);
        auto& description = program.page<display::uctlDescription>("uctlDescription");
        QCOMPARE(description.rowText(display::uctlDescription::MaterialNumber), QStringLiteral("1.0577"));
        QVERIFY(column(program.page<display::uctlCompositionView>("uctlCompositionView").grid(), 0)
                    .contains(QStringLiteral("C")));
        QCOMPARE(program.fakes.errorWindow.shown.size(), std::size_t{0});
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // The menu item reads as the window does in the language chosen.
        window.ChangeLanguage(2);
        emit view.aboutToShow();
        QCOMPARE(combine.text(), combination.windowTitle() + QStringLiteral("\tShift+Ctrl+S"));
        QVERIFY2(!combine.text().startsWith(QStringLiteral("Suchergebnisse")), qPrintable(combine.text()));
        // Laid out anew for the texts of the language: as a resize of the window would lay it out.
        const int listWidth = window.listBar().width();
        window.resize(window.width() + 1, window.height());
        window.resize(window.width() - 1, window.height());
        QCOMPARE(window.listBar().width(), listWidth);
    }

    // The ids of the remembered steel and the search name rows of the old folder's database: the
    // window starts on the new one with an empty search and without a steel, as it says.
    void aNewDatabaseFolderStartsWithoutTheOldSteelAndSearch() {
        Program program;
        auto& window = *program.window;
        program.searchDesignation(QStringLiteral("1.4301"));
        QTest::keyClick(program.selection().materialList().grid(), Qt::Key_Return);
        QCOMPARE(window.currentSteel().text(), QStringLiteral("1.4301 "));
        QTemporaryDir other;
        for (const char* file : {"Graukant.MDB", "Filter.mdb"}) {
            QVERIFY(QFile::copy(QDir(program.folder.databases()).filePath(QLatin1String(file)),
                                QDir(other.path()).filePath(QLatin1String(file))));
        }
        program.fakes.dialogs.onOptions = [&other] {
            ProgrammSettings settings;
            settings.Datenbankpfad((other.path() + u'/').toStdString());
            settings.FilterDbPath((other.path() + u'/').toStdString());
            shell::contract::ShellDialogs::OptionsOutcome outcome;
            outcome.databasePathChanged = true;
            return outcome;
        };
        window.ShowOptions();
        QVERIFY(window.Application()->LoggedIn());
        QCOMPARE(window.currentPage(), 1);
        QVERIFY(program.selection().Count() > 0);
        QCOMPARE(program.selection().searchBox().text(), QString());
        QVERIFY(!window.materialSelected());
        QVERIFY(window.currentMaterial() == nullptr);
        QCOMPARE(window.currentSteel().text(), QString());
        QVERIFY(ProgrammSettings().ID_Stahl().empty());
        QCOMPARE(program.fakes.errorWindow.texts(), QStringList());
    }

    // The hits came from the database that the logout closed: they go with it, and a language switch
    // while logged out reads nothing.
    void afterALogoutTheLanguageSwitchesWithoutReadingTheDatabase() {
        Program program;
        auto& window = *program.window;
        program.searchDesignation(QStringLiteral("1.4301"));
        QTest::keyClick(program.selection().materialList().grid(), Qt::Key_Return);
        QVERIFY(window.currentMaterial() != nullptr);
        window.listBar().clickItem(QStringLiteral("SUCHEN_MECH_EIGENSCHAFTEN"));
        auto& properties = program.page<property::uctlPropertySearch>("uctlPropertySearch");
        QVERIFY(chooseProperty(properties, 2, 1));
        QVERIFY(typeValue(properties, 2, 2, QStringLiteral("450")));
        QVERIFY(typeValue(properties, 2, 3, QStringLiteral("600")));
        window.ToolbarClick(QStringLiteral("FIND"));
        auto& hits = *properties.findChild<controls::Grid*>(QStringLiteral("grdMechTrefferliste"));
        QVERIFY(hits.Rows() > 0);
        auto& details = *properties.findChild<display::uctlPropertyViewGrid*>();
        QVERIFY(details.grid().Rows() > 1);

        window.Disconnect();
        QCOMPARE(hits.Rows(), 0);
        QVERIFY(details.grid().Rows() <= 1);
        for (const int language : {2, 1, 0}) {
            window.ChangeLanguage(language);
        }
        QVERIFY2(program.fakes.errorWindow.shown.empty(),
                 qPrintable(program.fakes.errorWindow.texts().join(u'\n')));

        window.Connect();
        QVERIFY(window.Application()->LoggedIn());
        window.listBar().clickItem(QStringLiteral("SUCHEN_MECH_EIGENSCHAFTEN"));
        window.ToolbarClick(QStringLiteral("FIND"));
        QVERIFY(hits.Rows() > 0);
        QCOMPARE(program.fakes.errorWindow.texts(), QStringList());
    }
};

#include "ProgramTest.moc"
#include "TestMain.h"
GK_SHELL_TEST(ProgramTest)
