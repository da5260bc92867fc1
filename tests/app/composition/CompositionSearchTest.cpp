#include "AnalysisFile.h"
#include "CompositionPanels.h"
#include "CutCaptions.h"
#include "DisplayTestSupport.h"
#include "DlgFuzzyPara.h"
#include "Grid.h"
#include "HitComparisonGrid.h"
#include "common/Enums.h"
#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "objects/List.h"
#include "objects/Material.h"
#include "platform/db/Dao.h"
#include "uctlCompositionGrid.h"
#include "uctlCompositionSearch.h"
#include "uctlMaterialList.h"
#include "uctlSelection.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <set>

using composition::AnalysisRow;
using composition::uctlCompositionSearch;
using orvik::common::Language;

namespace {

std::set<QString> designations(const std::shared_ptr<platform::db::Recordset>& rs) {
    std::set<QString> out;
    if (!rs || (rs->bof() && rs->eof())) {
        return out;
    }
    for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
        out.insert(QString::fromStdString(platform::CStr(rs->field("Bezeichnung"))));
    }
    return out;
}

composition::Analysis analysisOf(std::vector<AnalysisRow> rows) {
    composition::Analysis a;
    a.Rows = std::move(rows);
    return a;
}

} // namespace

class CompositionSearchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<displaytest::SampleProgram> m_program;
    apptest::FakeFileDialogs m_files;
    int m_eu = 0;

    std::unique_ptr<uctlCompositionSearch> panel(bool advanced) {
        auto p =
            std::make_unique<uctlCompositionSearch>(advanced ? QStringLiteral("uctlAdvancedCompositionSearch")
                                                             : QStringLiteral("uctlCompositionSearch"));
        auto services = m_program->services();
        services.fileDialogs = &m_files;
        p->setServices(services);
        p->setDialogLanguage(&m_program->language());
        p->setIsAdvanced(advanced);
        p->setApplication(m_program->application());
        p->setList(m_program->application()->List());
        m_program->language().ExecAfterLanguageChange();
        p->resize(1100, 760);
        return p;
    }
    void selectEu(uctlCompositionSearch& p) {
        const int index = p.countryList().findData(m_eu);
        QVERIFY(index > 0);
        p.countryList().setCurrentIndex(index);
    }
    QString writeFile(const char* name, const std::string& bytes) {
        const auto path = m_program->folder() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return QString::fromStdString(path.string());
    }
    static std::vector<std::string> elements(const uctlCompositionSearch& p) {
        std::vector<std::string> out;
        for (const auto& row : p.compositionGrid().rows().rows()) {
            if (!row.Element.empty()) {
                out.push_back(row.Element);
            }
        }
        return out;
    }

private slots:
    void initTestCase() {
        qputenv("GK_DECIMAL_SEPARATOR", ",");
        m_program = std::make_unique<displaytest::SampleProgram>();
        m_eu = m_program->application()->countryId("EU");
        QVERIFY(m_eu > 0);
    }
    void init() {
        m_program->messages.shown.clear();
        m_program->errors.shown.clear();
    }
    void cleanup() { QCOMPARE(m_program->errors.texts(), QStringList()); }
    void cleanupTestCase() { m_program.reset(); }

    // Mo 2,00-2,50 and Ni 10,0-13,0 within the given ranges: of the European steels only 1.4401 and
    // 1.4404; 1.4571 has Ni up to 13,5 and 1.4521 Mo from 1,80.
    void simpleSearchFindsTheSteelsWhoseRangesLieWithin() {
        auto p = panel(false);
        selectEu(*p);
        p->compositionGrid().LoadRows(analysisOf(
            {{"Mo", "2", "2,5", "", "", "", "outside"}, {"Ni", "10", "13", "", "", "", "outside"}}));
        QSignalSpy status(p.get(), &uctlCompositionSearch::DisplayStatusBarText);
        p->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.get()));
        p->Search();
        const std::set<QString> expected = {"1.4401 (EU)", "X5CrNiMo17-12-2 (EU)", "1.4404 (EU)",
                                            "X2CrNiMo17-12-2 (EU)"};
        QCOMPARE(designations(p->hits()), expected);
        QVERIFY(!status.isEmpty());
        QVERIFY(status.last().at(0).toString().startsWith(QStringLiteral("4 ")));
        QCOMPARE(p->materialList().Count(), 4);
        // Controls on again, and an empty row to go on with.
        QVERIFY(p->compositionGrid().isEnabled());
        QCOMPARE(p->compositionGrid().rows().rows().back().Element, std::string());
        // The first hit's analysis stands beside the criteria.
        QVERIFY(p->hitGrid().Rows() > 2);
        QVERIFY(p->hitGrid().FindRow(QStringLiteral("Mo"), 2, 1, true) >= 2);
        QTest::qWait(50);
        const auto picture = displaytest::savePicture(*p, QStringLiteral("composition_search"));
        QVERIFY(!picture.isEmpty());
    }

    // Mo 2,6-2,9 inside (the steel's range holds it) and Ni 13 as a single value, which the advanced
    // grid turns into 13-13 inside: 1.4432 (Ni 10,5-13,0), 1.4435 (12,5-15,0), 1.4436 (10,5-13,0);
    // 1.4462 has Mo 2,5-3,5 but Ni 4,5-6,5.
    void advancedSearchFindsTheSteelsWhoseRangesHoldTheGivenOnes() {
        auto p = panel(true);
        selectEu(*p);
        p->compositionGrid().LoadRows(analysisOf(
            {{"Mo", "2,6", "2,9", "", "", "", "inside"}, {"Ni", "", "", "13", "", "", "outside"}}));
        const auto& rows = p->compositionGrid().rows().rows();
        QCOMPARE(rows.size(), std::size_t{2});
        QCOMPARE(rows[1].SingleValue, std::string());
        QCOMPARE(rows[1].MinValue, std::string("13"));
        QCOMPARE(rows[1].SearchMethod, std::string("inside"));
        p->Search();
        const std::set<QString> expected = {"1.4432 (EU)", "X2CrNiMo17-12-3 (EU)",
                                            "1.4435 (EU)", "X2CrNiMo18-14-3 (EU)",
                                            "1.4436 (EU)", "X3CrNiMo17-13-3 (EU)"};
        QCOMPARE(designations(p->hits()), expected);
        QCOMPARE(p->hitGrid().ColWidth(composition::HitRow::CritSingle), 0);
        QCOMPARE(p->compositionGrid().grid().ColWidth(composition::uctlCompositionGrid::ColSingle), 0);
        p->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.get()));
        QTest::qWait(50);
        QVERIFY(!displaytest::savePicture(*p, QStringLiteral("composition_search_advanced")).isEmpty());
    }

    // Leaving the page and coming back, or the other tab and back, shows the panel again: the hit the
    // user went to stays marked.
    void theCurrentHitStaysMarkedWhenThePanelIsShownAgain() {
        auto p = panel(false);
        selectEu(*p);
        p->compositionGrid().LoadRows(analysisOf(
            {{"Mo", "2", "2,5", "", "", "", "outside"}, {"Ni", "10", "13", "", "", "", "outside"}}));
        p->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.get()));
        p->Search();
        auto& list = p->materialList();
        QVERIFY(list.Count() > 2);
        QTest::keyClick(list.grid(), Qt::Key_Down);
        QTest::keyClick(list.grid(), Qt::Key_Down);
        QCOMPARE(list.CurrentPos(), 2);
        const auto marked = [&list] {
            const auto rows = list.grid()->selectionModel()->selectedRows();
            return rows.size() == 1 && rows.front().row() == list.CurrentPos() && list.highlighted();
        };
        QVERIFY(marked());
        for (int again = 0; again < 2; ++again) {
            p->hide();
            p->show();
            QVERIFY(QTest::qWaitForWindowExposed(p.get()));
            QTest::qWait(20);
            QCOMPARE(list.CurrentPos(), 2);
            QVERIFY(marked());
        }
    }

    // The grid opens its editor over the element cell while the panel is still hidden behind the
    // other tab, before the columns have their widths: shown, the editor covers its cell whole.
    void theEditorOpenedBehindTheOtherTabCoversItsCellWhenShown_data() {
        QTest::addColumn<bool>("advanced");
        QTest::addRow("simple") << false;
        QTest::addRow("advanced") << true;
    }
    void theEditorOpenedBehindTheOtherTabCoversItsCellWhenShown() {
        QFETCH(bool, advanced);
        QWidget tabs;
        tabs.resize(1100, 760);
        auto p = panel(advanced);
        p->setParent(&tabs);
        p->hide();
        auto& criteria = p->compositionGrid();
        const auto editor = [&criteria]() -> QWidget* {
            for (auto* w : criteria.findChildren<QWidget*>()) {
                if (w->property("tag").isValid() && w->isVisibleTo(&criteria)) {
                    return w;
                }
            }
            return nullptr;
        };
        criteria.editCell(1, composition::uctlCompositionGrid::ColElement);
        QVERIFY(editor() != nullptr);
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        p->show();
        QTest::qWait(20);
        QVERIFY(editor() != nullptr && editor()->isVisible());
        const QRect cell = criteria.grid().cellRect().translated(criteria.grid().pos());
        QVERIFY(cell.width() > 40);
        QCOMPARE(editor()->geometry(), cell);
    }

    // Mo 2,00-2,50, six rows wanted: at 50 % and 25 % too many, at 13 % also 1.4521, at 7 % just
    // 1.4401, 1.4404 and 1.4571 with their two designations each.
    void fuzzySearchNarrowsToTheWantedCount() {
        auto p = panel(false);
        selectEu(*p);
        p->compositionGrid().LoadRows(analysisOf({{"Mo", "2", "2,5", "", "", "", "outside"}}));
        p->setDialogRunner([](composition::DlgFuzzyPara& dialog) {
            QCOMPARE(dialog.countText(), QStringLiteral("1"));
            QCOMPARE(dialog.maxToleranceText(), QStringLiteral("50"));
            dialog.setCountText(QStringLiteral("6"));
            dialog.Confirmed = true;
        });
        std::vector<int> tolerances;
        p->setFuzzyProgress([&](int, int tolerance) {
            tolerances.push_back(tolerance);
            return true;
        });
        p->FuzzySearch();
        const std::set<QString> expected = {"1.4401 (EU)", "X5CrNiMo17-12-2 (EU)",
                                            "1.4404 (EU)", "X2CrNiMo17-12-2 (EU)",
                                            "1.4571 (EU)", "X6CrNiMoTi17-12-2 (EU)"};
        QCOMPARE(designations(p->hits()), expected);
        QVERIFY(tolerances.size() >= 3);
        QCOMPARE(tolerances.front(), 50);
        QVERIFY(tolerances[1] < 50);
        QCOMPARE(p->fuzzyCount(), QStringLiteral("6"));
        QCOMPARE(m_program->messages.texts(), QStringList());

        // Stopped at its second run: no hits, the search reported unsuccessful, the controls back.
        tolerances.clear();
        p->setDialogRunner([](composition::DlgFuzzyPara& dialog) { dialog.Confirmed = true; });
        p->setFuzzyProgress([&](int step, int tolerance) {
            tolerances.push_back(tolerance);
            return step < 2;
        });
        QSignalSpy status(p.get(), &uctlCompositionSearch::DisplayStatusBarText);
        p->FuzzySearch();
        QCOMPARE(tolerances.size(), std::size_t{2});
        QVERIFY(designations(p->hits()).empty());
        QCOMPARE(p->materialList().Count(), 0);
        QVERIFY(!status.isEmpty());
        QVERIFY(!status.last().at(0).toString().isEmpty());
        QVERIFY(p->compositionGrid().isEnabled());
    }

    void fuzzyParametersBelowOneAreRefused() {
        auto p = panel(false);
        p->compositionGrid().LoadRows(analysisOf({{"Mo", "2", "2,5", "", "", "", "outside"}}));
        bool searched = false;
        p->setFuzzyProgress([&](int, int) {
            searched = true;
            return true;
        });
        p->setDialogRunner([](composition::DlgFuzzyPara& dialog) {
            dialog.setCountText(QStringLiteral("0"));
            dialog.Confirmed = true;
        });
        p->FuzzySearch();
        QVERIFY(!searched);
        QCOMPARE(m_program->messages.shown.size(), std::size_t{1});
        // The text is kept and offered again; a cancel keeps it too.
        p->setDialogRunner([](composition::DlgFuzzyPara& dialog) {
            QCOMPARE(dialog.countText(), QStringLiteral("0"));
            dialog.setCountText(QStringLiteral("7"));
        });
        p->FuzzySearch();
        QCOMPARE(p->fuzzyCount(), QStringLiteral("0"));
    }

    void takingOverAnAnalysisTwiceLeavesOneRowPerElement() {
        auto p = panel(false);
        const auto steel = m_program->material("1.4401");
        QVERIFY(steel != nullptr);
        p->setMaterial(steel);
        p->Show();
        QVERIFY(p->analysisList().count() > 0);
        p->compositionGrid().LoadRows(analysisOf({{"Cr", "1", "2", "", "", "", "outside"}}));
        auto* takeOver = p->findChild<QPushButton*>(QStringLiteral("cmdAnalyseUebernehmen"));
        QVERIFY(takeOver != nullptr && takeOver->isEnabled());
        takeOver->click();
        takeOver->click();
        const auto symbols = elements(*p);
        const std::set<std::string> unique(symbols.begin(), symbols.end());
        QCOMPARE(unique.size(), symbols.size());
        QVERIFY(unique.count("Mo") == 1 && unique.count("Cr") == 1 && unique.count("Ni") == 1);
        QCOMPARE(p->analysisLabel().text(), p->analysisList().currentText());
        // The steel's own country is chosen, so the search finds its analyses in that country only.
        QVERIFY(steel->CountryId() > 0);
        QCOMPARE(p->countryList().currentData().toInt(), steel->CountryId());
        // The criteria search without complaint.
        p->Search();
        QVERIFY(!designations(p->hits()).empty());
    }

    void anAnalysisSavedAndLoadedBackIsEqual() {
        for (const bool advanced : {false, true}) {
            auto p = panel(advanced);
            selectEu(*p);
            p->compositionGrid().LoadRows(analysisOf({{"C", "", "0,07", "", "", "", "outside"},
                                                      {"Cr", "17,5", "19,5", "", "5", "", "outside"},
                                                      {"Ni", "", "", "9", "", "", "inside"}}));
            const auto before = p->compositionGrid().rows().FileRows();
            m_files.answer = QString::fromStdString((m_program->folder() / "saved.anl").string());
            p->SaveComposition();
            QVERIFY(!m_files.asked.empty());
            QCOMPARE(
                m_files.asked.back().folder,
                QString::fromStdString(
                    (std::filesystem::path(orvik::common::ProgrammSettings().ApplicationPath()) / "export")
                        .string()));
            composition::Analysis saved;
            QCOMPARE(composition::AnalysisFile::Read(m_files.answer.toStdString(), ",", saved),
                     composition::AnalysisFile::Status::Loaded);
            QCOMPARE(saved.Country, std::string("EU"));
            p->ResetControl();
            QCOMPARE(p->countryList().currentData().toInt(), 0);
            p->LoadComposition(m_files.answer);
            QCOMPARE(p->compositionGrid().rows().FileRows(), before);
            QCOMPARE(p->countryList().currentData().toInt(), m_eu);
            QCOMPARE(m_program->messages.texts(), QStringList());
        }
    }

    void hostileFilesGiveTheirMessageOrLoadWhatIsSound() {
        struct Case {
            const char* name;
            std::string bytes;
            QString message; // part of the one message shown; empty: none
            std::vector<std::string> elements;
            QString label;
        };
        std::string garbage;
        for (int i = 0; i < 4000; ++i) {
            garbage += static_cast<char>((i * 131 + 7) % 256);
        }
        const std::vector<Case> cases = {
            {"unknown element",
             "Analyse\r\nEU\r\nx\r\n\r\nXx;1;2;;;;outside\r\nC;0,1;0,2;;;;outside\r\n",
             "Xx",
             {"C"},
             "x"},
            {"quote in the country",
             "Analyse\r\nE'U\"; --\r\nq\r\n\r\nMn;1;2;;;;outside\r\n",
             "",
             {"Mn"},
             "q"},
            {"binary garbage", garbage, "Graukant", {}, ""},
            {"huge line",
             "Analyse\r\nEU\r\n\r\n\r\nC;" + std::string(50000, '9') + ";;;;;\r\n",
             "Analysedatei",
             {},
             ""},
            {"Windows-1252 text",
             "Analyse\r\nEU\r\nStahl f\xFCr Federn\r\n\r\nSi;0,4;;;;;outside\r\n",
             "",
             {"Si"},
             "Stahl für Federn"},
        };
        for (const auto& c : cases) {
            auto p = panel(false);
            m_program->messages.shown.clear();
            const int country = p->countryList().currentIndex();
            p->LoadComposition(writeFile("hostile.anl", c.bytes));
            if (c.message.isEmpty()) {
                QVERIFY2(m_program->messages.shown.empty(), c.name);
            } else {
                QVERIFY2(m_program->messages.shown.size() == 1, c.name);
                QVERIFY2(m_program->messages.shown.front().text.contains(c.message), c.name);
            }
            QVERIFY2(elements(*p) == c.elements, c.name);
            if (!c.label.isEmpty()) {
                QCOMPARE(p->analysisLabel().text(), c.label);
            }
            if (std::string(c.name) == "quote in the country") {
                QCOMPARE(p->countryList().currentIndex(), country);
            }
        }
    }

    void theSimplePanelHandsAnInsideRangeToTheAdvancedOne() {
        auto p = panel(false);
        apptest::FakeMessageBoxes yes(apptest::FakeMessageBoxes::Answer::Yes);
        auto services = p->services();
        services.messageBoxes = &yes;
        p->setServices(services);
        const auto file = writeFile("range.anl", "Analyse\r\nEU\r\n\r\n\r\nMo;2;3;;;;inside\r\n");
        QSignalSpy handOver(p.get(), &uctlCompositionSearch::UnableToLoadStandardComparisonFromDisk);
        p->LoadComposition(file);
        QCOMPARE(handOver.size(), 1);
        QCOMPARE(handOver.front().at(0).toString(), file);
        QCOMPARE(yes.shown.size(), std::size_t{1});
        QVERIFY(elements(*p).empty());
        // Answered No: nothing handed over, nothing loaded, the rows there stay.
        auto declined = panel(false);
        declined->compositionGrid().LoadRows(analysisOf({{"C", "0,1", "0,2", "", "", "", "outside"}}));
        QSignalSpy declinedHandOver(declined.get(),
                                    &uctlCompositionSearch::UnableToLoadStandardComparisonFromDisk);
        declined->LoadComposition(file);
        QCOMPARE(declinedHandOver.size(), 0);
        QCOMPARE(elements(*declined), std::vector<std::string>{"C"});
        QCOMPARE(m_program->messages.shown.size(), std::size_t{1});
        auto advanced = panel(true);
        advanced->LoadComposition(file);
        QCOMPARE(elements(*advanced), std::vector<std::string>{"Mo"});
    }

    void theCountryChoiceSurvivesALanguageChange() {
        auto p = panel(false);
        selectEu(*p);
        m_program->switchLanguage(orvik::common::Language::English);
        QCOMPARE(p->countryList().currentData().toInt(), m_eu);
        QCOMPARE(p->countryList().itemData(0).toInt(), 0);
        auto* search = p->findChild<QPushButton*>(QStringLiteral("cmdAnalyseSuchen"));
        QVERIFY(search != nullptr);
        QCOMPARE(search->text(), QStringLiteral("&Search"));
        m_program->switchLanguage(orvik::common::Language::German);
        QCOMPARE(p->countryList().currentData().toInt(), m_eu);
        QCOMPARE(search->text(), QStringLiteral("&Suchen"));
    }

    // Two panels and the selection page on the one list the main window hands to all: each keeps its
    // own country by its id, while the list comes back sorted by the names of the new language, in
    // which Germany and Sweden stand at other places.
    void eachPanelKeepsItsCountryOverALanguageSwitch() {
        const auto& app = m_program->application();
        auto list = app->List();
        display::uctlSelection selection;
        selection.setDialogLanguage(&m_program->language());
        selection.setServices(m_program->services());
        selection.setApplication(app);
        selection.setList(list);
        selection.Init();
        auto simple = panel(false);
        auto advanced = panel(true);
        (void)list->Countries();
        const int germany = app->countryId("D");
        const int sweden = app->countryId("S");
        QVERIFY(germany > 0 && sweden > 0);
        auto& selectionCountry = selection.filter(display::uctlSelection::Country);
        const auto choose = [](QComboBox& combo, int id) {
            combo.setCurrentIndex(combo.findData(id));
        };
        choose(simple->countryList(), germany);
        choose(advanced->countryList(), sweden);
        choose(selectionCountry, germany);
        const int germanyAt = simple->countryList().currentIndex();
        const int swedenAt = advanced->countryList().currentIndex();
        for (const auto language : {Language::English, Language::French, Language::German}) {
            // As the main window switches: a list in the new language for every page, asked for its
            // countries, between the two notifications.
            m_program->switchLanguage(language, [&] {
                list = app->List();
                selection.setList(list);
                simple->setList(list);
                advanced->setList(list);
                (void)list->Countries();
            });
            QCOMPARE(simple->countryList().currentData().toInt(), germany);
            QCOMPARE(advanced->countryList().currentData().toInt(), sweden);
            QCOMPARE(selectionCountry.currentData().toInt(), germany);
            if (language == Language::English) {
                QVERIFY(simple->countryList().currentIndex() != germanyAt);
                QVERIFY(advanced->countryList().currentIndex() != swedenAt);
                QCOMPARE(simple->countryList().itemText(0), QStringLiteral("all"));
            }
        }
    }

    // The fuzzy search switches the controls off around the search, which switches them off again:
    // the analyses of the open steel stay offered afterwards, and stay off without a steel.
    void aFuzzySearchLeavesTheTakeOverAsItFoundIt() {
        auto p = panel(false);
        auto* takeOver = p->findChild<QPushButton*>(QStringLiteral("cmdAnalyseUebernehmen"));
        QVERIFY(takeOver != nullptr);
        p->setDialogRunner([](composition::DlgFuzzyPara& dialog) { dialog.Confirmed = true; });
        p->setFuzzyProgress([](int, int) { return true; });
        for (const bool withSteel : {true, false}) {
            p->setMaterial(withSteel ? m_program->material("1.4401") : nullptr);
            p->Show();
            p->compositionGrid().LoadRows(analysisOf({{"Mo", "2", "2,5", "", "", "", "outside"}}));
            p->FuzzySearch();
            QVERIFY(!designations(p->hits()).empty());
            QCOMPARE(takeOver->isEnabled(), withSteel);
            QCOMPARE(p->analysisList().isEnabled(), withSteel);
        }
    }

    // A loaded file's name stands in place of the analysis list until another steel is opened; a
    // language switch, which opens the same steel again, leaves it.
    void aNewlyOpenedSteelOffersItsAnalysesAgainAfterALoadedFile() {
        auto p = panel(false);
        p->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.get()));
        p->setMaterial(m_program->material("1.4401"));
        p->Show();
        p->LoadComposition(
            writeFile("shown.anl", "Analyse\r\nEU\r\nFederstahl\r\n\r\nC;0,1;0,2;;;;outside\r\n"));
        QVERIFY(p->analysisLabel().isVisible());
        QVERIFY(!p->analysisList().isVisible());
        m_program->switchLanguage(Language::English);
        p->setMaterial(m_program->material("1.4401"));
        p->Show();
        QVERIFY(p->analysisLabel().isVisible());
        m_program->switchLanguage(Language::German);
        p->setMaterial(m_program->material("1.4571"));
        p->Show();
        QVERIFY(p->analysisList().isVisible());
        QVERIFY(!p->analysisLabel().isVisible());
        QVERIFY(p->analysisList().count() > 0);
    }

    // The progress window's button stops the search in each language's word for it.
    void theFuzzyProgressWindowCancelsInTheCurrentLanguage() {
        const std::vector<std::pair<Language, QString>> cases = {
            {Language::German, QStringLiteral("Abbrechen")},
            {Language::English, QStringLiteral("Cancel")},
            {Language::French, QStringLiteral("Annuler")}};
        for (const auto& [language, caption] : cases) {
            m_program->switchLanguage(language);
            auto p = panel(false);
            p->compositionGrid().LoadRows(analysisOf({{"Mo", "2", "2,5", "", "", "", "outside"}}));
            p->setDialogRunner([](composition::DlgFuzzyPara& dialog) {
                dialog.setCountText(QStringLiteral("1"));
                dialog.Confirmed = true;
            });
            QStringList buttons;
            // Looks for the window while the search runs, and stops the search by its button.
            QTimer watch;
            connect(&watch, &QTimer::timeout, p.get(), [&p, &buttons, &watch] {
                auto* progress = p->findChild<QProgressDialog*>();
                if (progress == nullptr) {
                    return;
                }
                for (auto* b : progress->findChildren<QPushButton*>()) {
                    buttons << b->text();
                    b->click();
                }
                watch.stop();
            });
            watch.start(0);
            p->FuzzySearch();
            QCOMPARE(buttons, QStringList{caption});
            QVERIFY(designations(p->hits()).empty());
        }
        m_program->switchLanguage(Language::German);
    }

    // A file that cannot be written is reported in the current language.
    void anAnalysisThatCannotBeWrittenIsReportedInTheCurrentLanguage() {
        m_program->switchLanguage(Language::English);
        auto p = panel(false);
        p->compositionGrid().LoadRows(analysisOf({{"C", "0,1", "0,2", "", "", "", "outside"}}));
        const auto file = QString::fromStdString((m_program->folder() / "missing" / "x.anl").string());
        QVERIFY(!p->compositionGrid().WriteFile(file, QStringLiteral("EU"), QString(), QString()));
        m_program->switchLanguage(Language::German);
        QCOMPARE(m_program->errors.shown.size(), std::size_t{1});
        QCOMPARE(m_program->errors.shown.front().description,
                 QStringLiteral("The file '%1' cannot be written.").arg(file));
        m_program->errors.shown.clear();
    }

    // Labels and buttons of both panels and of the fuzzy dialog take the width of their text in
    // every language ("Composition" in English, "Recherche approximative" in French).
    void everyCaptionFitsInEveryLanguage() {
        for (const auto language : {Language::German, Language::English, Language::French}) {
            m_program->switchLanguage(language);
            for (const bool advanced : {false, true}) {
                auto p = panel(advanced);
                p->show();
                QVERIFY(QTest::qWaitForWindowExposed(p.get()));
                QCOMPARE(apptest::cutCaptions(*p), QString());
                composition::DlgFuzzyPara dialog(&m_program->language(), p.get());
                dialog.show();
                QVERIFY(QTest::qWaitForWindowExposed(&dialog));
                QCOMPARE(apptest::cutCaptions(dialog), QString());
            }
        }
        m_program->switchLanguage(Language::German);
    }

    void withoutASteelNothingCanBeTakenOverAndANameWithoutAnlIsRefused() {
        auto p = panel(false);
        p->setMaterial(nullptr);
        p->Show();
        QCOMPARE(p->analysisList().count(), 0);
        QVERIFY(!p->analysisList().isEnabled());
        QVERIFY(!p->findChild<QPushButton*>(QStringLiteral("cmdAnalyseUebernehmen"))->isEnabled());
        p->compositionGrid().LoadRows(analysisOf({{"C", "0,1", "0,2", "", "", "", "outside"}}));
        const auto file = m_program->folder() / "saved.txt";
        m_files.answer = QString::fromStdString(file.string());
        p->SaveComposition();
        QCOMPARE(m_program->messages.shown.size(), std::size_t{1});
        QVERIFY(!std::filesystem::exists(file));
        p->LoadComposition(m_files.answer);
        QCOMPARE(m_program->messages.shown.size(), std::size_t{2});
        QCOMPARE(m_program->messages.shown[0].text, m_program->messages.shown[1].text);
    }

    void theFactoryMakesBothInstancesUnderTheirNames() {
        shell::contract::PanelFactory factory;
        composition::addCompositionPanels(factory);
        QVERIFY(factory.compositionSearch);
        for (const auto& name :
             {QStringLiteral("uctlCompositionSearch"), QStringLiteral("uctlAdvancedCompositionSearch")}) {
            const auto made = factory.compositionSearch(name);
            QVERIFY(dynamic_cast<uctlCompositionSearch*>(made.get()) != nullptr);
            QCOMPARE(made->objectName(), name);
            QCOMPARE(made->UserControlName(), QStringLiteral("uctlCompositionSearch"));
        }
    }

    void minimumAboveMaximumIsReportedAndNothingSearched() {
        auto p = panel(false);
        p->compositionGrid().LoadRows(analysisOf({{"Cr", "3", "2", "", "", "", "outside"}}));
        p->Search();
        QCOMPARE(
            m_program->messages.texts(),
            QStringList{QStringLiteral("Bei Element 'Cr' übersteigt der Minimal-Wert den Maximal-Wert!")});
        QVERIFY(p->hits() == nullptr);
        QVERIFY(p->compositionGrid().isEnabled());
    }
};

QTEST_MAIN(CompositionSearchTest)
#include "CompositionSearchTest.moc"
