// Page navigation of the main window: the list bar's pages, their reload rules, the visible panels and
// the steel that every overview page shows.
#include "BusyCursor.h"
#include "ListBar.h"
#include "Pages.h"
#include "StatusBar.h"
#include "TabControl.h"
#include "ToolBar.h"
#include "common/ProgrammSettings.h"
#include "frmMain.h"
#include "objects/Application.h"
#include "objects/Material.h"
#include "platform/CallError.h"
#include "shell/contract/DialogLanguage.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

namespace shell {

using orvik::common::ProgrammSettings;

void frmMain::ItemClick(const QString& key) {
    const BusyCursor busy;
    SetStatusRight({});
    if (const Page* page = pageOfKey(key)) {
        if (page->needsSteel && !m_materialSelected) {
            // Refused: the title still names the page the user is on.
            information(text(5, QStringLiteral("Sie haben keinen Werkstoff ausgewählt.")));
        } else {
            m_lblUebersicht->setText(QLatin1Char(' ') + m_listBar->itemText(key));
            openPage(page->number);
        }
    } else {
        m_lblUebersicht->setText(QLatin1Char(' ') + m_listBar->itemText(key));
    }
    m_listBar->setItemTag(key, true);
    RefreshPageState();
    QWidget* shown = pagePanel(m_page);
    if (shown != nullptr && shown->isEnabled() && shown->isVisible()) {
        shown->setFocus();
    }
}

QWidget* frmMain::pagePanel(int number) const {
    switch (number) {
    case 1:
        return m_uctlSelection;
    case 2:
        return m_tabCompositionSearch;
    case 3:
        return m_uctlPropertySearch;
    case 4:
        return m_uctlCompositionView;
    case 5:
        return m_uctlSupplier;
    case 6:
    case 7:
    case 8:
        return m_uctlPropertiesView;
    case 9:
        return m_uctlInfo;
    case 10:
        return m_uctlStandardComparison;
    default:
        return nullptr;
    }
}

bool frmMain::needsReload(int number) const {
    const Page* page = pageOfNumber(number);
    const QString key = QLatin1String(page->itemKey);
    const QString twin = QLatin1String(page->favoriteKey);
    const bool pageShown = m_listBar->itemTag(key).toBool();
    if (!m_listBar->findItem(twin)) {
        return !pageShown;
    }
    return !pageShown && !m_listBar->itemTag(twin).toBool();
}

void frmMain::openPage(int number) {
    const Page* page = pageOfNumber(number);
    m_helpContextId = page->helpContextId;
    const bool reload = needsReload(number);
    m_page = number;
    // Qt lays a hidden widget out only when it is shown: the page is shown before it loads, so that it
    // fits its rows and columns to the size the user sees.
    ShowPanelsOfPage();
    const QString right = m_statusBar->PanelText(QStringLiteral("RECHTS"));
    switch (number) {
    case 1:
        m_uctlSelection->setStatusBarText(right);
        break;
    case 2:
        if (reload) {
            m_uctlCompositionSearch->Show();
            m_uctlAdvancedCompositionSearch->Show();
        }
        break;
    case 3:
        m_uctlPropertySearch->setStatusBarText(right);
        break;
    case 4:
        if (reload) {
            m_uctlCompositionView->Show();
        }
        break;
    case 5:
        if (reload) {
            m_uctlSupplier->Show();
        }
        break;
    case 6:
    case 7:
    case 8: {
        // title, first and second property type of the mechanical, physical and heat-treatment pages
        static constexpr int types[3][3] = {{0, 1, 4}, {1, 2, 0}, {2, 3, 5}};
        const auto& type = types[number - 6];
        m_uctlPropertiesView->SetHelpContextId(page->helpContextId);
        m_uctlPropertiesView->setTitle(type[0]);
        m_uctlPropertiesView->setFirstPropertyType(type[1]);
        m_uctlPropertiesView->setSecondPropertyType(type[2]);
        m_uctlPropertiesView->Show();
        break;
    }
    case 9: {
        const QString info = m_material ? QString::fromStdString(m_material->Info()) : QString();
        m_uctlInfo->setText(info.trimmed().isEmpty()
                                ? text(15, QStringLiteral("Keine weiteren Informationen vorhanden."))
                                : info);
        break;
    }
    case 10:
        if (reload) {
            setEnabled(false);
            m_uctlStandardComparison->setStatusBarText(right);
            m_uctlStandardComparison->Show();
            setEnabled(true);
        }
        m_helpContextId = page->helpContextId;
        break;
    default:
        break;
    }
}

void frmMain::ResetShownFlags() {
    for (const QString& key : m_listBar->itemKeys()) {
        m_listBar->setItemTag(key, false);
    }
}

void frmMain::RefreshPageState() {
    EnableByPage();
    ShowPanelsOfPage();
    m_displayInfo->ResetToMaterial();
    if (m_page == 5) {
        m_uctlSupplier->ShowSupplierInfo();
    }
    HideToolTip();
}

void frmMain::EnableByPage() {
    for (const char* key : {"OPEN", "SAVE", "FIND"}) {
        m_toolbar->setButtonEnabled(QLatin1String(key), false);
    }
    for (int index : {3, 0, 1}) {
        menuItem(QStringLiteral("mnuDatei"), index)->setEnabled(false);
    }
    switch (m_page) {
    case 1:
    case 3:
        m_toolbar->setButtonEnabled(QStringLiteral("FIND"), true);
        break;
    case 2:
        for (const char* key : {"OPEN", "SAVE", "FIND"}) {
            m_toolbar->setButtonEnabled(QLatin1String(key), true);
        }
        menuItem(QStringLiteral("mnuDatei"), 0)->setEnabled(true);
        menuItem(QStringLiteral("mnuDatei"), 1)->setEnabled(true);
        break;
    case 5:
        menuItem(QStringLiteral("mnuDatei"), 3)->setEnabled(true);
        m_toolbar->setButtonEnabled(QStringLiteral("SAVE"), true);
        break;
    default:
        break;
    }
}

void frmMain::ShowPanelsOfPage() {
    m_uctlSelection->setVisible(m_page == 1);
    m_tabCompositionSearch->setVisible(m_page == 2);
    m_uctlPropertySearch->setVisible(m_page == 3);
    m_uctlCompositionView->setVisible(m_page == 4);
    m_uctlSupplier->setVisible(m_page == 5);
    m_uctlPropertiesView->setVisible(m_page >= 6 && m_page <= 8);
    m_uctlInfo->setVisible(m_page == 9);
    m_uctlStandardComparison->setVisible(m_page == 10);
    m_uctlDescription->setVisible(m_page != 2 && m_page != 3);
}

void frmMain::GroupChange(int newGroup, int previousGroup) {
    if (m_listBar->groupKey(newGroup) == QLatin1String("UEBERSICHT") && !m_materialSelected) {
        information(text(5, QStringLiteral("Sie haben keinen Werkstoff ausgewählt.")));
        m_listBar->setCurrentGroup(previousGroup);
    }
}

void frmMain::CompositionTabClick() {
    const bool simple = m_tabCompositionSearch->Tab() == 0;
    m_uctlAdvancedCompositionSearch->setVisible(!simple);
    m_uctlCompositionSearch->setVisible(simple);
}

void frmMain::ActivateMaterial(const contract::ActivatedMaterial& record) {
    const BusyCursor busy;
    if (!record.isSteel() || !m_application) {
        return;
    }
    try {
        auto material =
            m_application->Material(record.SteelId.toStdString(), record.DesignationId.toStdString(),
                                    platform::Variant(record.DesignationCountryId.toStdString()));
        if (!material) {
            return; // the object model reported why; the previous steel stays current
        }
        m_uctlCompositionView->Clear();
        m_materialSelected = true;
        m_materialErrors = material->Error.subscribe([this](const orvik::objects::ErrorPtr& error) {
            if (error) {
                reportError(QString::fromStdString(error->Modul()),
                            QString::fromStdString(error->Procedure()), error->Number(),
                            QString::fromStdString(error->Description()));
            }
        });
        m_material = std::move(material);
        HandMaterialToPanels();
        if (const QString footnote = QString::fromStdString(m_material->Footnote());
            !footnote.trimmed().isEmpty()) {
            information(footnote);
        }
        m_displayInfo->setLanguageClass(m_dialogLanguage->LanguageClass());
        m_displayInfo->setMaterial(m_material);
        m_displayInfo->setLanguage(m_dialogLanguage->Language());
        m_displayInfo->setPage(m_page);
        m_displayInfo->Show();
        m_lblAktuellerStahl->setText(record.Designation + QLatin1Char(' '));
        ProgrammSettings settings;
        settings.ID_Stahl(record.SteelId.toStdString());
        settings.ID_Bez(record.DesignationId.toStdString());
        settings.IdDesignationCountry(record.DesignationCountryId.toStdString());
        settings.DesignationType(record.DesignationType.toStdString());
        settings.Designation(record.Designation.toStdString());
    } catch (const platform::CallError& error) {
        reportError(QStringLiteral("frmMain"), QStringLiteral("ActivateMaterial"), error.number(),
                    QString::fromStdString(error.description()));
    }
    ResetShownFlags();
}

void frmMain::ReactivateRememberedMaterial() {
    const ProgrammSettings settings;
    contract::ActivatedMaterial record;
    record.SteelId = QString::fromStdString(settings.ID_Stahl());
    record.DesignationId = QString::fromStdString(settings.ID_Bez());
    record.DesignationCountryId = QString::fromStdString(settings.IdDesignationCountry());
    record.Designation = QString::fromStdString(settings.Designation());
    record.DesignationType = QString::fromStdString(settings.DesignationType());
    ActivateMaterial(record);
    if (m_page == 9) {
        openPage(9);
    }
}

} // namespace shell
