// Menus and toolbar of the main window: the file actions, the page choice, the language with the
// user-defined texts, the options, favourites and help, and the connection refresh after connecting or
// disconnecting.
#include "BusyCursor.h"
#include "ListBar.h"
#include "MissingDatabase.h"
#include "Pages.h"
#include "StatusBar.h"
#include "TabControl.h"
#include "ToolBar.h"
#include "common/ProgrammSettings.h"
#include "common/cls_Language.h"
#include "frmMain.h"
#include "objects/Application.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/List.h"
#include "shell/contract/Captions.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/FileDialogs.h"
#include "shell/contract/HelpViewer.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopeGuard>

namespace shell {

using orvik::common::ProgrammSettings;

void frmMain::ConnectionRefresh() {
    const bool connected = m_application && m_application->LoggedIn();
    m_uctlPropertySearch->Init();
    step();
    for (int index = 0; index <= 4; ++index) {
        menuItem(QStringLiteral("mnuZeile"), index)->setEnabled(index == 1 || index == 3 ? connected : true);
    }
    step();
    for (int index = 0; index <= 11; ++index) {
        QAction* item = menuItem(QStringLiteral("mnuDatei"), index);
        if (item != nullptr && !item->isSeparator()) {
            item->setEnabled(index == 8 || index == 9 || index == 11 ? true : connected);
        }
    }
    step();
    menuPage(QStringLiteral("SUCHEN"), QStringLiteral("AUSWAHL"));
    step();
    menuItem(QStringLiteral("mnuOptionen"), 0)->setEnabled(connected);
    m_toolbar->setEnabled(connected);
    m_listBar->setEnabled(connected);
    m_uctlSelection->setEnabled(connected);
    SetStatusRight({});
    step();
    if (connected) {
        LoadSelectionLists(false);
        ProgrammSettings settings;
        if (settings.StahlAktivieren() == 1) {
            ReactivateRememberedMaterial();
        } else {
            settings.ID_Stahl("0");
            settings.ID_Bez("0");
        }
        menuItem(QStringLiteral("mnuDatei"), 8)->setEnabled(false);
        menuItem(QStringLiteral("mnuDatei"), 9)->setEnabled(true);
    } else {
        m_displayInfo->Clear();
        menuItem(QStringLiteral("mnuDatei"), 8)->setEnabled(true);
        menuItem(QStringLiteral("mnuDatei"), 9)->setEnabled(false);
    }
    ShowConnectionState();
    step();
    EnableByPage();
}

void frmMain::LoadSelectionLists(bool leaveSelectionAlone) {
    m_list = m_application->List();
    for (contract::Panel* page :
         std::initializer_list<contract::Panel*>{m_uctlSelection, m_uctlPropertySearch,
                                                 m_uctlCompositionSearch, m_uctlAdvancedCompositionSearch}) {
        page->setList(m_list);
    }
    // The panels bound to the list take its lists from its events; each request is one start-up step.
    (void)m_list->Steelgroups();
    step();
    (void)m_list->Countries();
    step();
    (void)m_list->Standards();
    step();
    (void)m_list->PropertyCountries();
    step();
    (void)m_list->Suppliers();
    step();
    if (!leaveSelectionAlone) {
        m_uctlSelection->Show();
    }
    m_uctlPropertySearch->InitFields();
}

void frmMain::menuPage(const QString& groupKey, const QString& itemKey) {
    const int before = m_listBar->CurrentGroup();
    const int pageBefore = m_page;
    m_listBar->setCurrentGroup(m_listBar->groupByKey(groupKey));
    m_listBar->clickItem(itemKey);
    const Page* page = pageOfKey(itemKey);
    if (page != nullptr && page->number != m_page && m_page == pageBefore) {
        m_listBar->setCurrentGroup(before); // the page was refused: the list bar stays where the user was
    }
    RefreshPageState();
}

void frmMain::Connect() {
    const BusyCursor busy;
    m_application->OpenConnection(false);
    ShowConnectionState();
    if (m_application->LoggedIn()) {
        ConnectionRefresh();
        contract::adjustCaptions(languageClass(), *this);
        if (m_uctlSelection->isVisible()) {
            m_uctlSelection->setFocus();
        }
    }
    m_favorites.LoadFavorites(*m_listBar);
}

void frmMain::Disconnect() {
    const BusyCursor busy;
    m_application->CloseConnection();
    ForgetResults();
    ConnectionRefresh();
}

void frmMain::ForgetResults() {
    m_builder->Reset();
    m_uctlSelection->ClearMaterialList();
}

void frmMain::NewSearch() {
    ProgrammSettings settings;
    settings.ID_Stahl("");
    settings.ID_Bez("");
    settings.IdDesignationCountry("");
    settings.Designation("");
    settings.DesignationType("");
    m_materialErrors.reset();
    m_material.reset();
    ResetShownFlags();
    ResetMaterialDisplay();
    RefreshPageState();
    HandMaterialToPanels();
}

contract::CompositionSearchPanel* frmMain::visibleCompositionPanel() const {
    return m_tabCompositionSearch->Tab() == 0 ? m_uctlCompositionSearch : m_uctlAdvancedCompositionSearch;
}

void frmMain::ToolbarClick(const QString& key) {
    if (key == QLatin1String("NEW")) {
        NewSearch();
    } else if (key == QLatin1String("FIND")) {
        if (m_page == 1) {
            m_uctlSelection->Search();
        } else if (m_page == 2) {
            visibleCompositionPanel()->Search();
        } else if (m_page == 3) {
            m_uctlPropertySearch->Search();
        }
    } else if (key == QLatin1String("SAVE")) {
        if (m_page == 2) {
            SaveAnalysis();
        } else if (m_page == 5) {
            ExportSuppliers();
        }
    } else if (key == QLatin1String("OPEN")) {
        if (m_page == 2) {
            LoadAnalysis();
        }
    } else if (key == QLatin1String("PRINT")) {
        PrintMaterial();
    }
}

void frmMain::LoadAnalysis() {
    visibleCompositionPanel()->LoadComposition();
}

void frmMain::SaveAnalysis() {
    visibleCompositionPanel()->SaveComposition();
}

void frmMain::ExportSuppliers() {
    if (m_services.fileDialogs == nullptr || m_services.dialogs == nullptr) {
        return;
    }
    QString title;
    QString filter;
    switch (m_dialogLanguage->Language()) {
    case 0:
        title = QStringLiteral("Steuerdatei festlegen");
        filter = QStringLiteral("Textdateien (*.txt);;Alle Dateien (*)");
        break;
    case 1:
        title = QStringLiteral("fixer le fichier de commands");
        filter = QStringLiteral("fichier de texte (*.txt);;tous fichiers (*)");
        break;
    default:
        title = QStringLiteral("set delimited data file");
        filter = QStringLiteral("text files (*.txt);;all files (*)");
        break;
    }
    const QString file = m_services.fileDialogs->saveFileName(
        this, title, QString::fromStdString(m_files.exportFolder().string()), filter, QStringLiteral("txt"));
    if (file.trimmed().isEmpty()) {
        return;
    }
    m_services.dialogs->showSupplierExport(dialogContext(), file);
}

void frmMain::PrinterSetup() {
    // The choice (printer, paper, orientation) is the program's own and goes to its printer object; the
    // system's default printer stays as it is. Nothing is printed here.
    QPrintDialog dialog(m_printer.get(), this);
    dialog.setWindowTitle(menuItem(QStringLiteral("mnuDatei"), 5)->text().remove(QLatin1Char('&')));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.exec();
}

void frmMain::PrintMaterial() {
    if (!m_materialSelected || !m_material) {
        information(text(5, QStringLiteral("Sie haben keinen Werkstoff ausgewählt.")));
        return;
    }
    if (m_services.dialogs != nullptr) {
        m_services.dialogs->showPrintSettings(dialogContext());
    }
    BusyCursor::restoreAll();
}

void frmMain::ChangeLanguage(int language) {
    const BusyCursor busy;
    // A click has toggled the item's own mark; the marks end on the language the windows show. That
    // language, not the stored setting, decides whether there is anything to switch.
    const auto marks = qScopeGuard([this] { MarkLanguage(m_dialogLanguage->Language()); });
    if (language == m_dialogLanguage->Language()) {
        return;
    }
    ProgrammSettings settings;
    m_dialogLanguage->ExecBeforeLanguageChange();
    languageClass()->setLanguage(language);
    m_qtTexts.use(language);
    settings.CurrentLanguage(static_cast<orvik::common::Language>(language));
    languageClass()->setHelpFile(m_files.HelpFile(language).string());
    m_dialogLanguage->setLanguage(language);
    if (m_application->LoggedIn()) {
        LoadSelectionLists(true);
        ReactivateRememberedMaterial();
    }
    ShowConnectionState();
    SetStatusRight({});
    contract::adjustCaptions(languageClass(), *this);
    m_dialogLanguage->ExecAfterLanguageChange();
    m_favorites.LoadFavorites(*m_listBar);
    layoutFrame(); // the list bar fits its longest text in the new language
    if (const Page* page = pageOfNumber(m_page)) {
        m_lblUebersicht->setText(QLatin1Char(' ') + m_listBar->itemText(QLatin1String(page->itemKey)));
    }
}

void frmMain::SelfDefinedTexts(bool on) {
    ProgrammSettings().SelfDefined(on);
    languageClass()->setUseSelfDefined(on);
    contract::adjustCaptions(languageClass(), *this);
    m_dialogLanguage->ExecAfterLanguageChange();
    m_favorites.LoadFavorites(*m_listBar);
    menuItem(QStringLiteral("mnuEigeneSprache"), 1)->setEnabled(!on);
    menuItem(QStringLiteral("mnuEigeneSprache"), 2)->setEnabled(on);
}

void frmMain::EditSelfDefinedTexts() {
    orvik::common::cls_Language* language = languageClass();
    language->setHelpFile(m_files.HelpFile(language->Language()).string());
    language->showSettingsDialog();
    if (language->UseSelfDefined()) {
        contract::adjustCaptions(language, *this);
        m_dialogLanguage->ExecAfterLanguageChange();
    }
}

void frmMain::ShowOptions() {
    if (m_services.dialogs == nullptr) {
        return;
    }
    const auto outcome = m_services.dialogs->showOptions(dialogContext());
    if (outcome.elementInputVariantChanged) {
        m_uctlAdvancedCompositionSearch->ChangeElementEntry();
        m_uctlCompositionSearch->ChangeElementEntry();
    }
    if (outcome.databasePathChanged) {
        // Connect to the new folder at once; if it holds no database either, say again what was looked for.
        m_application->CloseConnection();
        ForgetResults(); // the results came from the old folder's database
        NewSearch();     // so did the remembered steel: its ids name rows of that database
        Connect();
        if (!m_application->LoggedIn()) {
            ConnectionRefresh();
            information(MissingDatabaseText(m_dialogLanguage->Language()).section(u'\n', 0, 2));
        }
        return;
    }
    if (m_application->LoggedIn() && outcome.enSuppressChanged) {
        m_uctlSelection->ReloadMaterialList();
    }
}

void frmMain::ShowHelp(int contextId) {
    if (m_services.help != nullptr) {
        m_services.help->showHelp(contextId);
    }
}

} // namespace shell
