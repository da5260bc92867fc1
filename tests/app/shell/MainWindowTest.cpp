#include "ListBar.h"
#include "MessageBoxNotifier.h"
#include "ShellFakes.h"
#include "StatusBar.h"
#include "TabControl.h"
#include "ToolBar.h"
#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/GlobalFunctions.h"
#include "objects/List.h"
#include "objects/Material.h"
#include "platform/UserNotifier.h"
#include "platform/UserSettings.h"
#include "platform/db/Dao.h"
#include "shell/contract/DialogLanguage.h"
#include "test_support/TestEnvironment.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <map>
#include <set>

using orvik::common::ProgrammSettings;
using shell::contract::ActivatedMaterial;
using shelltest::ProgramFolder;

namespace {

/// What the fake panels saw: Show calls and caption reloads by control name.
struct PanelLog {
    std::map<QString, int> shows;
    std::map<QString, int> recaptions;
    std::vector<QString> selections;
    std::map<QString, int> shifts;
    std::map<QString, int> listClears;
};

template <typename Base> class CountingPanel : public Base {
public:
    template <typename... Args>
    explicit CountingPanel(PanelLog& log, Args&&... args) : Base(std::forward<Args>(args)...), m_log(log) {}
    void Show() override { ++m_log.shows[this->objectName()]; }
    void SelectDesignation(const QString& id) override {
        m_log.selections.push_back(this->objectName() + u':' + id);
    }
    void setShift(int shift) override { m_log.shifts[this->objectName()] = shift; }

protected:
    void languageChanged() override { ++m_log.recaptions[this->objectName()]; }

    PanelLog& m_log;
};

class CountingSelection : public CountingPanel<shell::contract::SelectionPanel> {
public:
    using CountingPanel::CountingPanel;
    void ClearMaterialList() override { ++m_log.listClears[objectName()]; }
};

shell::contract::PanelFactory countingPanels(PanelLog& log) {
    using namespace shell::contract;
    PanelFactory factory;
    factory.selection = [&log] {
        return std::make_unique<CountingSelection>(log);
    };
    factory.compositionSearch = [&log](const QString& name) {
        return std::make_unique<CountingPanel<CompositionSearchPanel>>(log, name);
    };
    factory.propertySearch = [&log] {
        return std::make_unique<CountingPanel<PropertySearchPanel>>(log);
    };
    const auto plain = [&log](const char* name) {
        return [&log, name] {
            return std::make_unique<CountingPanel<Panel>>(log, QLatin1String(name));
        };
    };
    factory.description = plain("uctlDescription");
    factory.compositionView = plain("uctlCompositionView");
    factory.standardComparison = plain("uctlStandardComparison");
    factory.supplier = [&log] {
        return std::make_unique<CountingPanel<SupplierPanel>>(log);
    };
    factory.propertiesView = [&log] {
        return std::make_unique<CountingPanel<PropertiesViewPanel>>(log);
    };
    factory.info = [&log] {
        return std::make_unique<CountingPanel<InfoPanel>>(log);
    };
    return factory;
}

/// The first steel of the sample data whose designation is the material number 1.4301.
ActivatedMaterial steel14301(orvik::objects::Application& application) {
    const auto list = application.List();
    const auto rows =
        list->Materials(-1, -1, -1, -1, -1, true, false, false, "SuchBezeichnung Like '1.4301*'");
    ActivatedMaterial record;
    if (!rows || rows->eof()) {
        return record;
    }
    using orvik::objects::GlobalFunctions;
    record.SteelId = QString::fromStdString(GlobalFunctions::CVarStr(rows->field("Id_Stahl")));
    record.DesignationId = QString::fromStdString(GlobalFunctions::CVarStr(rows->field("Id_Stahlbez")));
    record.DesignationCountryId =
        QString::fromStdString(GlobalFunctions::CVarStr(rows->field("Id_StahlbezVorkommen")));
    record.Designation = QString::fromStdString(GlobalFunctions::CVarStr(rows->field("Bezeichnung")));
    record.DesignationType = QString::fromStdString(GlobalFunctions::CVarStr(rows->field("Kennung")));
    return record;
}

/// A main window loaded on the sample data in a program folder of its own.
struct Loaded {
    explicit Loaded(const QString& extraIni = {}) : folder(ProgramFolder::Ini::WithDatabase, extraIni) {
        ProgrammSettings().ApplicationPath(folder.program().string());
        window = std::make_unique<shell::frmMain>(fakes.services(), countingPanels(log),
                                                  shell::ProgramFiles(folder.program()));
        window->Load();
        window->show();
    }
    ProgramFolder folder;
    shelltest::Services fakes;
    PanelLog log;
    std::unique_ptr<shell::frmMain> window;
};

QStringList countryNames(orvik::objects::Application& application) {
    QStringList names;
    const auto countries = application.List()->Countries();
    for (const auto& entry : *countries) {
        names << QString::fromStdString(entry.item);
    }
    return names;
}

QStringList favouriteKeys(const controls::ListBar& bar) {
    QStringList keys;
    const int group = bar.groupByKey(u"FAVORITEN"_qs);
    for (int item = 1; item <= bar.itemCount(group); ++item) {
        keys << bar.itemKey(group, item);
    }
    return keys;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void overviewPagesNeedASteel() {
        Loaded main;
        auto& bar = main.window->listBar();
        bar.clickItem(u"CHEM_ANALYSE"_qs);
        QCOMPARE(main.window->currentPage(), 1);
        QCOMPARE(main.fakes.messageBoxes.shown.size(), std::size_t{1});
        QCOMPARE(main.fakes.messageBoxes.shown.back().text, u"Sie haben keinen Werkstoff ausgewählt."_qs);
        QCOMPARE(main.fakes.messageBoxes.shown.back().pointer, Qt::ArrowCursor);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        bar.clickItem(u"SUCHEN_ANALYSE"_qs);
        QCOMPARE(main.window->currentPage(), 2);
        QVERIFY(main.window->compositionTabs().isVisible());
        QVERIFY(!main.window->panel(u"uctlDescription"_qs)->isVisible());
        QVERIFY(main.window->toolBar().buttonEnabled(u"OPEN"_qs));
        QVERIFY(main.window->menuItem(u"mnuDatei"_qs, 0)->isEnabled());
    }

    void aRefusedOverviewPageLeavesTitleAndGroupAsTheyWere() {
        Loaded main;
        auto& bar = main.window->listBar();
        bar.clickItem(u"SUCHEN_ANALYSE"_qs);
        const QString title = main.window->pageTitle().text();
        QCOMPARE(title, u" Analyse"_qs);
        bar.clickItem(u"CHEM_ANALYSE"_qs);
        QCOMPARE(main.window->pageTitle().text(), title);
        main.window->menuItem(u"mnuUebersicht"_qs, 0)->trigger();
        QCOMPARE(main.fakes.messageBoxes.shown.size(), std::size_t{2});
        QCOMPARE(main.window->pageTitle().text(), title);
        QCOMPARE(bar.CurrentGroup(), bar.groupByKey(u"SUCHEN"_qs));
        QCOMPARE(main.window->currentPage(), 2);
        main.window->ActivateMaterial(steel14301(*main.window->Application()));
        main.window->menuItem(u"mnuUebersicht"_qs, 0)->trigger();
        QCOMPARE(main.window->pageTitle().text(), u" chemische Analyse"_qs);
        QCOMPARE(bar.CurrentGroup(), bar.groupByKey(u"UEBERSICHT"_qs));
    }

    void listBarShowsTheGroupOfThePageAtStartAndAfterALanguageSwitch() {
        // No favourites stored: every page is one, the selection page among them.
        Loaded main;
        auto& bar = main.window->listBar();
        QCOMPARE(bar.itemCount(bar.groupByKey(u"FAVORITEN"_qs)), 10);
        QCOMPARE(bar.CurrentGroup(), bar.groupByKey(u"SUCHEN"_qs));
        main.window->ChangeLanguage(2);
        QCOMPARE(bar.CurrentGroup(), bar.groupByKey(u"SUCHEN"_qs));
        main.window->ActivateMaterial(steel14301(*main.window->Application()));
        main.window->menuItem(u"mnuUebersicht"_qs, 1)->trigger();
        QCOMPARE(bar.CurrentGroup(), bar.groupByKey(u"UEBERSICHT"_qs));
        main.window->ChangeLanguage(1);
        QCOMPARE(bar.CurrentGroup(), bar.groupByKey(u"UEBERSICHT"_qs));
        QCOMPARE(main.window->currentPage(), 5);
    }

    void tooltipTakesTheSizeOfItsOwnText() {
        Loaded main;
        auto* selection = main.window->panel(u"uctlSelection"_qs);
        const QFrame& tip = main.window->toolTipPanel();
        emit selection->DisplayToolTip(u"short"_qs, 1500);
        const QSize alone = tip.size();
        QStringList words;
        for (int i = 0; i < 60; ++i) {
            words << u"Werkstoff"_qs;
        }
        emit selection->DisplayToolTip(words.join(u' '), 1500);
        QVERIFY(tip.height() > alone.height());
        emit selection->DisplayToolTip(u"short"_qs, 1500);
        QCOMPARE(tip.size(), alone);
    }

    void qtsOwnTextsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("German") << 0 << QStringList{u"&Ja"_qs, u"&Nein"_qs};
        QTest::newRow("French") << 1 << QStringList{u"&Oui"_qs, u"&Non"_qs};
        QTest::newRow("English") << 2 << QStringList{u"&Yes"_qs, u"&No"_qs};
    }

    void qtsOwnTextsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, buttons);
        Loaded main;
        main.window->ChangeLanguage(language == 0 ? 2 : 0);
        main.window->ChangeLanguage(language);
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            for (const QMessageBox::StandardButton kind : {QMessageBox::Yes, QMessageBox::No}) {
                seen << box->button(kind)->text();
            }
            box->button(QMessageBox::No)->click();
        });
        shell::QtMessageBoxes boxes;
        const auto answer =
            boxes.show(main.window.get(), u"?"_qs, u"Graukant 2007"_qs, shell::MessageBoxes::Icon::Question,
                       shell::MessageBoxes::Buttons::YesNo);
        QCOMPARE(answer, shell::MessageBoxes::Answer::No);
        QCOMPARE(seen, buttons);
    }

    void tenPagesShowTheirPanelAndReloadByTheirRule() {
        Loaded main;
        const ActivatedMaterial steel = steel14301(*main.window->Application());
        QVERIFY2(steel.isSteel(), "1.4301 is in the sample data");
        main.window->ActivateMaterial(steel);
        QVERIFY(main.window->materialSelected());
        QVERIFY(main.window->currentMaterial() != nullptr);
        QCOMPARE(main.window->currentSteel().text(), steel.Designation + u' ');
        QCOMPARE(QString::fromStdString(ProgrammSettings().ID_Stahl()), steel.SteelId);

        struct Case {
            const char* key;
            int page;
            const char* panel;
            bool description;
        };
        const Case cases[] = {
            {"AUSWAHL", 1, "uctlSelection", true},
            {"SUCHEN_ANALYSE", 2, "uctlCompositionSearch", false},
            {"SUCHEN_MECH_EIGENSCHAFTEN", 3, "uctlPropertySearch", false},
            {"CHEM_ANALYSE", 4, "uctlCompositionView", true},
            {"LIEFERFIRMEN", 5, "uctlSupplier", true},
            {"MECH_EIGENSCHAFTEN", 6, "uctlPropertiesView", true},
            {"PHYS_EIGENSCHAFTEN", 7, "uctlPropertiesView", true},
            {"WBH_EIGENSCHAFTEN", 8, "uctlPropertiesView", true},
            {"INFO", 9, "uctlInfo", true},
            {"NORMENVERGLEICH", 10, "uctlStandardComparison", true},
        };
        const QStringList all{u"uctlSelection"_qs,         u"uctlPropertySearch"_qs,
                              u"uctlCompositionView"_qs,   u"uctlSupplier"_qs,
                              u"uctlPropertiesView"_qs,    u"uctlInfo"_qs,
                              u"uctlStandardComparison"_qs};
        for (const Case& c : cases) {
            main.window->listBar().clickItem(QLatin1String(c.key));
            QCOMPARE(main.window->currentPage(), c.page);
            for (const QString& name : all) {
                QCOMPARE(main.window->panel(name)->isVisible(), name == QLatin1String(c.panel));
            }
            QCOMPARE(main.window->compositionTabs().isVisible(), c.page == 2);
            QCOMPARE(main.window->panel(u"uctlDescription"_qs)->isVisible(), c.description);
            QCOMPARE(main.window->pageTitle().text(),
                     u' ' + main.window->listBar().itemText(QLatin1String(c.key)));
        }
        QVERIFY(main.fakes.messageBoxes.shown.empty() ||
                main.fakes.messageBoxes.shown.back().icon == shell::MessageBoxes::Icon::Information);

        // Once per steel for the composition view, every time for the properties view; the favourite twin
        // counts as the same page.
        const int compositions = main.log.shows[u"uctlCompositionView"_qs];
        QCOMPARE(compositions, 1);
        main.window->listBar().clickItem(u"CHEM_ANALYSE"_qs);
        main.window->listBar().clickItem(u"FAV_ANALYSE"_qs);
        QCOMPARE(main.log.shows[u"uctlCompositionView"_qs], 1);
        const int properties = main.log.shows[u"uctlPropertiesView"_qs];
        main.window->listBar().clickItem(u"MECH_EIGENSCHAFTEN"_qs);
        main.window->listBar().clickItem(u"MECH_EIGENSCHAFTEN"_qs);
        QCOMPARE(main.log.shows[u"uctlPropertiesView"_qs], properties + 2);
        main.window->ActivateMaterial(steel);
        main.window->listBar().clickItem(u"FAV_ANALYSE"_qs);
        QCOMPARE(main.log.shows[u"uctlCompositionView"_qs], 2);
        QVERIFY(main.fakes.errorWindow.shown.empty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void idsZeroOrEmptyChooseNoSteel() {
        Loaded main;
        main.window->ActivateMaterial({u"0"_qs, u"0"_qs, {}, u"x"_qs, u"W"_qs});
        main.window->ActivateMaterial({{}, u"12"_qs, {}, u"x"_qs, u"W"_qs});
        QVERIFY(!main.window->materialSelected());
        QVERIFY(main.window->currentMaterial() == nullptr);
        QVERIFY(main.window->currentSteel().text().isEmpty());
    }

    void newSearchForgetsTheSteel() {
        Loaded main;
        main.window->ActivateMaterial(steel14301(*main.window->Application()));
        main.window->listBar().clickItem(u"INFO"_qs);
        main.window->ToolbarClick(u"NEW"_qs);
        QVERIFY(!main.window->materialSelected());
        QVERIFY(main.window->currentMaterial() == nullptr);
        QCOMPARE(main.window->currentPage(), 1);
        QVERIFY(ProgrammSettings().ID_Stahl().empty());
        main.window->ToolbarClick(u"PRINT"_qs);
        QCOMPARE(main.fakes.dialogs.prints, 0);
    }

    void disconnectTurnsTheWindowOffUntilConnected() {
        Loaded main;
        main.window->Disconnect();
        QVERIFY(!main.window->listBar().isEnabled());
        QVERIFY(!main.window->toolBar().isEnabled());
        QVERIFY(!main.window->menuItem(u"mnuZeile"_qs, 1)->isEnabled());
        QVERIFY(main.window->menuItem(u"mnuDatei"_qs, 8)->isEnabled());
        QVERIFY(!main.window->menuItem(u"mnuDatei"_qs, 9)->isEnabled());
        QCOMPARE(main.window->statusBar().PanelText(u"LINKS"_qs), u"Abgemeldet"_qs);
        main.window->Connect();
        QVERIFY(main.window->listBar().isEnabled());
        QCOMPARE(main.window->statusBar().PanelText(u"LINKS"_qs), u"Angemeldet"_qs);
    }

    void favouritesTheStoreCannotTakeAreToldOnceNamingItsFile() {
        ProgramFolder folder;
        ProgrammSettings().ApplicationPath(folder.program().string());
        const auto store = platform::userSettingsFile("Graukant2007");
        QVERIFY(store.has_value());
        const test_support::ScopedReadOnlyFolder readOnly(store->parent_path());
        if (!readOnly.effective()) {
            QSKIP("the folder cannot be made read-only here");
        }
        shelltest::Services fakes;
        const platform::ScopedUserNotifier notifier(
            std::make_shared<shell::MessageBoxNotifier>(&fakes.messageBoxes));
        PanelLog log;
        {
            shell::frmMain window(fakes.services(), countingPanels(log),
                                  shell::ProgramFiles(folder.program()));
            window.Load();
            window.listBar().clickItem(u"AUSWAHL"_qs);
            window.menuItem(u"mnuFavoriten"_qs, 1)->trigger();
            window.close();
        }
        QCOMPARE(fakes.messageBoxes.texts(), QStringList{u"Fehler beim Schreiben der Datei: "_qs +
                                                         QString::fromStdString(store->string())});
    }

    void favouritesComeFromAndGoToThePerUserStore() {
        ProgramFolder folder;
        platform::SaveSetting("Graukant2007", "Favorites", "Fav03", "0");
        platform::SaveSetting("Graukant2007", "Favorites", "Fav05", "kaputt");
        ProgrammSettings().ApplicationPath(folder.program().string());
        shelltest::Services fakes;
        PanelLog log;
        {
            shell::frmMain window(fakes.services(), countingPanels(log),
                                  shell::ProgramFiles(folder.program()));
            window.Load();
            const QStringList loaded = favouriteKeys(window.listBar());
            QVERIFY(!loaded.contains(u"FAV_SUCHEN_EIGENSCHAFTEN"_qs));
            QVERIFY(!loaded.contains(u"FAV_LIEFERFIRMEN"_qs));
            QCOMPARE(loaded.size(), 8);
            QCOMPARE(window.listBar().itemText(u"FAV_ANALYSE"_qs),
                     window.listBar().itemText(u"CHEM_ANALYSE"_qs));
            // The favourites do not take the open group from the page's own.
            QCOMPARE(window.listBar().CurrentGroup(), window.listBar().groupByKey(u"SUCHEN"_qs));
            window.listBar().clickItem(u"SUCHEN_MECH_EIGENSCHAFTEN"_qs);
            window.menuItem(u"mnuFavoriten"_qs, 0)->trigger();
            window.menuItem(u"mnuFavoriten"_qs, 0)->trigger();
            window.listBar().clickItem(u"AUSWAHL"_qs);
            window.menuItem(u"mnuFavoriten"_qs, 1)->trigger();
            window.menuItem(u"mnuFavoriten"_qs, 1)->trigger();
            QCOMPARE(favouriteKeys(window.listBar()).count(u"FAV_SUCHEN_EIGENSCHAFTEN"_qs), 1);
            QVERIFY(!favouriteKeys(window.listBar()).contains(u"FAV_AUSWAHL"_qs));
            window.close();
        }
        QCOMPARE(QString::fromStdString(platform::GetSetting("Graukant2007", "Favorites", "Fav01")), u"0"_qs);
        QCOMPARE(QString::fromStdString(platform::GetSetting("Graukant2007", "Favorites", "Fav03")), u"3"_qs);
        QCOMPARE(QString::fromStdString(platform::GetSetting("Graukant2007", "Favorites", "Fav05")), u"0"_qs);
        QCOMPARE(QString::fromStdString(platform::GetSetting("Graukant2007", "Favorites", "Fav10")),
                 u"10"_qs);
        shell::frmMain again(fakes.services(), countingPanels(log), shell::ProgramFiles(folder.program()));
        again.Load();
        QStringList expected{u"FAV_SUCHEN_ANALYSE"_qs,     u"FAV_ANALYSE"_qs,
                             u"FAV_MECH_EIGENSCHAFTEN"_qs, u"FAV_PHYS_EIGENSCHAFTEN"_qs,
                             u"FAV_WBH_EIGENSCHAFTEN"_qs,  u"FAV_INFO"_qs,
                             u"FAV_NORMENVERGLEICH"_qs,    u"FAV_SUCHEN_EIGENSCHAFTEN"_qs};
        QStringList reloaded = favouriteKeys(again.listBar());
        std::sort(expected.begin(), expected.end());
        std::sort(reloaded.begin(), reloaded.end());
        QCOMPARE(reloaded, expected);
    }

    void languageSwitchRecaptionsEveryOpenWindow_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("searchGroup");
        QTest::addColumn<QString>("physicalItem");
        QTest::addColumn<QString>("newButton");
        QTest::addColumn<QString>("advancedTab");
        QTest::addColumn<QString>("connected");
        QTest::newRow("English") << 2 << u"&File"_qs << u"Search"_qs << u"Physical properties"_qs
                                 << u"New search"_qs << u"Advanced composition search"_qs << u"Logged in"_qs;
        QTest::newRow("French") << 1 << u"&Fichier"_qs << u"Recherche"_qs << u"Propriétés physiques"_qs
                                << u"Nouvelle recherche"_qs << u"Recherche par analyse avancée"_qs
                                << QString();
    }

    void languageSwitchRecaptionsEveryOpenWindow() {
        QFETCH(int, language);
        QFETCH(QString, fileMenu);
        QFETCH(QString, searchGroup);
        QFETCH(QString, physicalItem);
        QFETCH(QString, newButton);
        QFETCH(QString, advancedTab);
        QFETCH(QString, connected);
        Loaded main;
        auto& window = *main.window;
        QCOMPARE(window.menuItem(u"mnuZeile"_qs, 0)->text(), u"&Datei"_qs);
        window.listBar().clickItem(u"AUSWAHL"_qs);
        const std::map<QString, int> before = main.log.recaptions;
        window.ChangeLanguage(language);
        QCOMPARE(window.menuItem(u"mnuZeile"_qs, 0)->text(), fileMenu);
        QCOMPARE(window.listBar().groupCaption(1), searchGroup);
        QCOMPARE(window.listBar().itemText(u"PHYS_EIGENSCHAFTEN"_qs), physicalItem);
        QCOMPARE(window.listBar().itemText(u"FAV_PHYS_EIGENSCHAFTEN"_qs), physicalItem);
        QCOMPARE(window.toolBar().Button(u"NEW"_qs)->text(), newButton);
        QCOMPARE(window.compositionTabs().TabCaption(1), advancedTab);
        if (!connected.isEmpty()) {
            QCOMPARE(window.statusBar().PanelText(u"LINKS"_qs), connected);
        }
        QCOMPARE(window.pageTitle().text(), u' ' + window.listBar().itemText(u"AUSWAHL"_qs));
        QVERIFY(window.menuItem(u"mnuSprache"_qs, language)->isChecked());
        QVERIFY(!window.menuItem(u"mnuSprache"_qs, 0)->isChecked());
        QCOMPARE(static_cast<int>(ProgrammSettings().CurrentLanguage()), language);
        QCOMPARE(window.dialogLanguage().Language(), language);
        for (const QString& panel :
             {u"uctlSelection"_qs, u"uctlCompositionSearch"_qs, u"uctlAdvancedCompositionSearch"_qs,
              u"uctlPropertySearch"_qs, u"uctlDescription"_qs, u"uctlCompositionView"_qs, u"uctlSupplier"_qs,
              u"uctlPropertiesView"_qs, u"uctlStandardComparison"_qs}) {
            const auto was = before.find(panel);
            QCOMPARE(main.log.recaptions[panel], (was == before.end() ? 0 : was->second) + 1);
        }
        // The same language again changes nothing but the check mark.
        const auto recaptioned = main.log.recaptions;
        window.ChangeLanguage(language);
        QCOMPARE(main.log.recaptions, recaptioned);
        QVERIFY(window.menuItem(u"mnuSprache"_qs, language)->isChecked());
    }

    // The program folder installed read-only and a per-user store that takes nothing either: the
    // object model and Qt still follow the language the windows switch to.
    void aSwitchNoSettingsFileKeepsReachesTheObjectModelAndQt() {
        Loaded main;
        const auto store = platform::userSettingsFile("Graukant2007");
        QVERIFY(store.has_value());
        const test_support::ScopedReadOnlyFolder readOnlyProgram(main.folder.program());
        const test_support::ScopedReadOnlyFolder readOnlyStore(store->parent_path());
        if (!readOnlyProgram.effective() || !readOnlyStore.effective()) {
            QSKIP("the folders cannot be made read-only here");
        }
        const platform::ScopedUserNotifier notifier(
            std::make_shared<shell::MessageBoxNotifier>(&main.fakes.messageBoxes));
        auto& window = *main.window;
        window.ChangeLanguage(1);
        QCOMPARE(static_cast<int>(ProgrammSettings().CurrentLanguage()), 0);
        QCOMPARE(window.menuItem(u"mnuZeile"_qs, 0)->text(), u"&Fichier"_qs);
        const auto steel = steel14301(*window.Application());
        const auto material =
            window.Application()->Material(steel.SteelId.toStdString(), steel.DesignationId.toStdString(),
                                           platform::Variant(steel.DesignationCountryId.toStdString()));
        QVERIFY(material != nullptr);
        QCOMPARE(QString::fromStdString(material->Steelgroup()), u"Aciers inoxydables austénitiques"_qs);
        QCOMPARE(QString::fromStdString(material->Country()), u"Europe (EN)"_qs);
        QVERIFY(countryNames(*window.Application()).contains(u"Allemagne (D)"_qs));
        QCOMPARE(QLocale().language(), QLocale::French);
        window.ChangeLanguage(0);
        QVERIFY(countryNames(*window.Application()).contains(u"Deutschland (D)"_qs));
        QCOMPARE(QLocale().language(), QLocale::German);
    }

    void qtsDefaultLocaleFollowsTheLanguage() {
        Loaded main;
        const QDate date(2026, 12, 11);
        QCOMPARE(QLocale().language(), QLocale::German);
        QCOMPARE(QLocale().toString(date, u"MMMM"_qs), u"Dezember"_qs);
        main.window->ChangeLanguage(1);
        QCOMPARE(QLocale().toString(date, u"MMMM"_qs), u"décembre"_qs);
        main.window->ChangeLanguage(2);
        QCOMPARE(QLocale().toString(date, u"MMMM"_qs), u"December"_qs);
    }

    void secondCompositionPanelTakesTheCaptionsOfItsType() {
        Loaded main;
        auto* advanced = main.window->panel(u"uctlAdvancedCompositionSearch"_qs);
        auto* take = new QPushButton(u"x"_qs, advanced);
        take->setObjectName(u"cmdAnalyseUebernehmen"_qs);
        advanced->adjustCaptions();
        QCOMPARE(take->text(), u"&Übernehmen"_qs);
        QCOMPARE(advanced->objectName(), u"uctlAdvancedCompositionSearch"_qs);
        main.window->ChangeLanguage(2);
        advanced->adjustCaptions();
        QCOMPARE(take->text(), u"&Take over"_qs);
    }

    void combinedDesignationGoesToTheIncludedSearchesInOrder() {
        Loaded main;
        auto& builder = *main.window->combinationResultBuilder();
        builder.IncludeDesignation(true);
        builder.IncludeComposition(false);
        builder.IncludeExtComposition(true);
        builder.IncludeProperty(true);
        main.window->CombinationMaterialSelected(u"77"_qs);
        const std::vector<QString> expected{u"uctlAdvancedCompositionSearch:77"_qs, u"uctlSelection:77"_qs,
                                            u"uctlPropertySearch:77"_qs};
        QCOMPARE(main.log.selections, expected);
    }

    void keysReachTheVisibleSearchPanelsAndCountThePage() {
        Loaded main;
        main.window->listBar().clickItem(u"SUCHEN_MECH_EIGENSCHAFTEN"_qs);
        QTest::keyClick(main.window.get(), Qt::Key_Shift, Qt::ShiftModifier);
        QVERIFY(main.log.shifts.count(u"uctlPropertySearch"_qs) == 1);
        QVERIFY(main.log.shifts.count(u"uctlCompositionSearch"_qs) == 0);
        main.window->listBar().clickItem(u"AUSWAHL"_qs);
        QTest::keyClick(main.window.get(), Qt::Key_I, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(main.window->statusBar().PanelText(u"RECHTS"_qs), u"Anzahl der Bezeichnungen = 0"_qs);
        main.window->listBar().clickItem(u"SUCHEN_ANALYSE"_qs);
        main.window->statusBar().setPanelText(u"RECHTS"_qs, u"alt"_qs);
        QTest::keyClick(main.window.get(), Qt::Key_I, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(main.window->statusBar().PanelText(u"RECHTS"_qs), QString());
    }

    void combinationWindowOpensByShortcutAndHandsBackAChoice() {
        Loaded main;
        auto& combination = main.window->combinationWindow();
        QVERIFY(!combination.isVisible());
        QTest::keyClick(main.window.get(), Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
        QVERIFY(combination.isVisible());
        main.window->combinationResultBuilder()->IncludeDesignation(true);
        emit combination.MaterialSelected({u"1"_qs, u"2"_qs, u"33"_qs, u"1.4301"_qs, u"W"_qs});
        QVERIFY(std::find(main.log.selections.begin(), main.log.selections.end(), u"uctlSelection:33"_qs) !=
                main.log.selections.end());
        main.window->close();
        QVERIFY(!combination.isVisible());
    }

    void closingAsksOnlyWhenTheSettingSaysSo() {
        Loaded main(u"ExitQuery=1\n"_qs);
        main.fakes.messageBoxes.answers = {shell::MessageBoxes::Answer::No};
        main.window->close();
        QVERIFY(main.window->isVisible());
        QVERIFY(main.window->Application()->LoggedIn());
        main.window->close();
        QVERIFY(!main.window->isVisible());
        QVERIFY(!main.window->Application()->LoggedIn());
    }

    void f1OnAnOpenMenusItemOpensTheItemsTopic() {
        Loaded main;
        std::set<int> reached;
        for (QMenu* menu : main.window->findChildren<QMenu*>()) {
            menu->popup(QPoint(0, 0));
            for (QAction* item : menu->actions()) {
                if (item->isSeparator()) {
                    continue;
                }
                item->setEnabled(true); // a disabled item has its topic as well
                main.fakes.help.shown.clear();
                menu->setActiveAction(item);
                QTest::keyClick(menu, Qt::Key_F1);
                QVERIFY(main.fakes.help.shown.size() <= 1);
                if (!main.fakes.help.shown.empty()) {
                    reached.insert(main.fakes.help.shown.front());
                }
                if (item == main.window->menuItem(u"mnuDatei"_qs, 9)) {
                    QCOMPARE(main.fakes.help.shown, std::vector<int>{31});
                }
            }
            menu->hide();
        }
        const std::set<int> expected{12, 13, 14, 15, 26, 27, 28, 29, 30, 31, 32, 33, 34, 36, 100, 110};
        QCOMPARE(reached, expected);
        QVERIFY(main.window->Application()->LoggedIn()); // F1 chose no item
    }

    void helpOpensAtTheContextOfThePage() {
        Loaded main;
        main.window->listBar().clickItem(u"SUCHEN_MECH_EIGENSCHAFTEN"_qs);
        main.window->menuItem(u"mnuHilfe"_qs, 3)->trigger();
        main.window->menuItem(u"mnuHilfe"_qs, 4)->trigger();
        main.window->menuItem(u"mnuHilfe"_qs, 6)->trigger();
        const std::vector<int> expected{18, 0, 110};
        QCOMPARE(main.fakes.help.shown, expected);
    }

    void tooltipOfAPanelAndTheStatusText() {
        Loaded main;
        auto* selection = main.window->panel(u"uctlSelection"_qs);
        emit selection->DisplayToolTip(u"1.4301 X5CrNi18-10"_qs, 1500);
        QVERIFY(main.window->toolTipPanel().isVisible());
        QCOMPARE(main.window->toolTipPanel().y() + main.window->toolTipPanel().height() + 120 / 15,
                 selection->y() + 1500 / 15);
        emit selection->DisplayToolTip(QString(), 0);
        QVERIFY(!main.window->toolTipPanel().isVisible());
        emit selection->DisplayStatusBarText(u"12 Bezeichnungen"_qs);
        QCOMPARE(main.window->statusBar().PanelText(u"RECHTS"_qs), u"12 Bezeichnungen"_qs);
    }

    void saveOnTheSupplierPageExportsAndOnTheCompositionPageSavesTheAnalysis() {
        Loaded main;
        main.window->ActivateMaterial(steel14301(*main.window->Application()));
        main.window->listBar().clickItem(u"LIEFERFIRMEN"_qs);
        QVERIFY(main.window->menuItem(u"mnuDatei"_qs, 3)->isEnabled());
        main.fakes.fileDialogs.answer = u"/tmp/lieferanten.txt"_qs;
        main.window->ToolbarClick(u"SAVE"_qs);
        QCOMPARE(main.fakes.fileDialogs.titles(), std::vector<QString>{u"Steuerdatei festlegen"_qs});
        QCOMPARE(main.fakes.dialogs.exports, std::vector<QString>{u"/tmp/lieferanten.txt"_qs});
        main.fakes.fileDialogs.answer.clear();
        main.window->ToolbarClick(u"SAVE"_qs);
        QCOMPARE(main.fakes.dialogs.exports.size(), std::size_t{1});
        main.window->listBar().clickItem(u"INFO"_qs);
        QVERIFY(!main.window->menuItem(u"mnuDatei"_qs, 3)->isEnabled());
        QVERIFY(!main.window->toolBar().buttonEnabled(u"SAVE"_qs));
        main.window->ToolbarClick(u"PRINT"_qs);
        QCOMPARE(main.fakes.dialogs.prints, 1);
    }

    void tooltipOfACompositionPanelSitsOverTheTabs() {
        Loaded main;
        main.window->listBar().clickItem(u"SUCHEN_ANALYSE"_qs);
        auto* simple = main.window->panel(u"uctlCompositionSearch"_qs);
        emit simple->DisplayToolTip(u"C 0,07"_qs, 3000);
        const QWidget& tabs = main.window->compositionTabs();
        const QFrame& tip = main.window->toolTipPanel();
        QVERIFY(tip.isVisible());
        QCOMPARE(tip.y() + tip.height() + 120 / 15, tabs.y() + 3000 / 15);
        QCOMPARE(tip.x(), tabs.x() + simple->x());
        const QString wide(400, u'x');
        emit simple->DisplayToolTip(wide, 3000);
        QVERIFY(tip.x() + tip.width() <= main.window->centralWidget()->width());
    }

    void aDatabaseFolderChangedInTheOptionsIsUsedAtOnce() {
        Loaded main;
        QTemporaryDir empty;
        main.fakes.dialogs.onOptions = [&empty] {
            ProgrammSettings settings;
            settings.Datenbankpfad((empty.path() + u'/').toStdString());
            settings.FilterDbPath((empty.path() + u'/').toStdString());
            shell::contract::ShellDialogs::OptionsOutcome outcome;
            outcome.databasePathChanged = true;
            return outcome;
        };
        auto& builder = *main.window->combinationResultBuilder();
        int resets = 0;
        const auto counted = builder.ListReseted.subscribe([&resets] { ++resets; });
        const int clearsBefore = main.log.listClears[u"uctlSelection"_qs];
        main.window->ShowOptions();
        // The results of the old folder's database go, as at a logout.
        QCOMPARE(resets, 1);
        QCOMPARE(main.log.listClears[u"uctlSelection"_qs], clearsBefore + 1);
        QVERIFY(!main.window->Application()->LoggedIn());
        QVERIFY(!main.fakes.messageBoxes.shown.empty());
        const QString told = main.fakes.messageBoxes.shown.back().text;
        QVERIFY2(told.contains(u"Graukant.MDB"_qs) && told.contains(empty.path()), qPrintable(told));
        QVERIFY(main.window->menuItem(u"mnuDatei"_qs, 8)->isEnabled());
        QVERIFY(!main.window->listBar().isEnabled());
        main.fakes.dialogs.onOptions = [&main] {
            ProgrammSettings settings;
            settings.Datenbankpfad((main.folder.databases() + u'/').toStdString());
            settings.FilterDbPath((main.folder.databases() + u'/').toStdString());
            shell::contract::ShellDialogs::OptionsOutcome outcome;
            outcome.databasePathChanged = true;
            return outcome;
        };
        main.window->ShowOptions();
        QVERIFY(main.window->Application()->LoggedIn());
        QVERIFY(main.window->listBar().isEnabled());
        QCOMPARE(main.window->statusBar().PanelText(u"LINKS"_qs), u"Angemeldet"_qs);
    }

    void screenshotOfTheMainWindowOnTheSampleData() {
        Loaded main;
        main.window->resize(1100, 720);
        main.window->ActivateMaterial(steel14301(*main.window->Application()));
        QApplication::processEvents();
        const QString file = QStringLiteral(GK_BUILD_DIR "/main-window.png");
        QVERIFY(main.window->grab().save(file));
        QVERIFY(QFileInfo(file).size() > 0);
        main.window->ChangeLanguage(2);
        main.window->listBar().clickItem(u"SUCHEN_ANALYSE"_qs);
        QApplication::processEvents();
        QVERIFY(main.window->grab().save(QStringLiteral(GK_BUILD_DIR "/main-window-english.png")));
    }
};

#include "MainWindowTest.moc"
#include "TestMain.h"
GK_SHELL_TEST(MainWindowTest)
