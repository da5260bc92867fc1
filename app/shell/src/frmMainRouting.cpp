// What the main window does with the notifications of its panels: the tooltip panel floating over
// them, the right-hand status text, a chosen steel, start-up steps and an analysis file that only the
// advanced composition search can take.
#include "StatusBar.h"
#include "TabControl.h"
#include "Twips.h"
#include "frmMain.h"
#include "objects/ChemicalCompostions.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/Material.h"
#include "objects/StandardComparisons.h"
#include "shell/contract/MaterialDisplayInfo.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace shell {
namespace {

int px(int twips) {
    return twips / orvik::common::qt::TwipsPerPixel;
}

} // namespace

void frmMain::connectPanel(contract::Panel& source) {
    connect(&source, &contract::Panel::HideToolTip, this, &frmMain::HideToolTip);
    connect(&source, &contract::Panel::DisplayToolTip, this,
            [this, &source](const QString& tip, int top) { ShowToolTip(source, tip, top); });
    connect(&source, &contract::Panel::DisplayStatusBarText, this, &frmMain::SetStatusRight);
    connect(
        &source, &contract::Panel::MaterialSelected, this,
        [this, &source](const contract::ActivatedMaterial& record) { MaterialSelectedFrom(source, record); });
    connect(&source, &contract::Panel::InitializeStep, this, [this, &source] {
        if (&source == m_uctlSelection) {
            step();
        }
    });
    connect(&source, &contract::Panel::UnableToLoadStandardComparisonFromDisk, this,
            [this](const QString& file) {
                m_tabCompositionSearch->setTab(1);
                CompositionTabClick();
                m_uctlAdvancedCompositionSearch->LoadComposition(file);
            });
}

void frmMain::ShowToolTip(const contract::Panel& source, const QString& tip, int top) {
    if (tip.isEmpty()) {
        m_picToolTip->hide();
        return;
    }
    const int windowWidth = centralWidget()->width();
    // The previous tip's wrapped, fixed size would hold the label at that size: each tip is measured anew.
    m_lblToolTip->setMinimumSize(0, 0);
    m_lblToolTip->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_lblToolTip->setWordWrap(false);
    m_lblToolTip->setText(tip);
    m_lblToolTip->adjustSize();
    int panelWidth = m_lblToolTip->width() + px(120);
    const int left = m_picToolTip->x();
    if (left + panelWidth >= windowWidth) {
        m_lblToolTip->setWordWrap(true);
        const int wrapped = windowWidth - (left + px(300));
        m_lblToolTip->setFixedWidth(std::max(wrapped, px(600)));
        m_lblToolTip->setMinimumHeight(0);
        m_lblToolTip->setFixedHeight(m_lblToolTip->heightForWidth(m_lblToolTip->width()));
        panelWidth = m_lblToolTip->width() + px(120);
    }
    const int height = m_lblToolTip->height() + px(120);
    const bool inTabs = &source == m_uctlCompositionSearch || &source == m_uctlAdvancedCompositionSearch;
    const QWidget& anchor = inTabs ? static_cast<const QWidget&>(*m_tabCompositionSearch) : source;
    const int y = anchor.y() + px(top) - height - px(120);
    const int x = anchor.x() + (inTabs ? source.x() : 0);
    m_picToolTip->setGeometry(x, y, panelWidth, height);
    m_picToolTip->show();
    m_picToolTip->raise();
}

void frmMain::HideToolTip() {
    m_picToolTip->hide();
}

void frmMain::ToolTipTick() {
    if (QApplication::focusWidget() != nullptr &&
        m_uctlSelection->isAncestorOf(QApplication::focusWidget())) {
        m_picToolTip->show();
        m_timerToolTip->stop();
    }
    if (m_page == 10) {
        m_picToolTip->hide();
        m_timerToolTip->stop();
    }
}

void frmMain::SetStatusRight(const QString& message) {
    m_statusBar->setPanelText(QStringLiteral("RECHTS"), message);
}

void frmMain::MaterialSelectedFrom(const contract::Panel& source, const contract::ActivatedMaterial& record) {
    if (&source == m_uctlDescription || &source == m_uctlSupplier || &source == m_uctlCompositionView ||
        &source == m_uctlPropertiesView || &source == m_uctlInfo) {
        return;
    }
    if (&source != m_uctlSelection) {
        m_displayInfo->setShowSupplier(false);
        m_displayInfo->setFilterAddress({});
    }
    ActivateMaterial(record);
    if (&source == m_uctlCompositionSearch) {
        m_uctlCompositionView->Show();
    }
}

void frmMain::CombinationMaterialSelected(const QString& idDesignationCountry) {
    if (m_builder->IncludeExtComposition()) {
        m_uctlAdvancedCompositionSearch->SelectDesignation(idDesignationCountry);
    }
    if (m_builder->IncludeComposition()) {
        m_uctlCompositionSearch->SelectDesignation(idDesignationCountry);
    }
    if (m_builder->IncludeDesignation()) {
        m_uctlSelection->SelectDesignation(idDesignationCountry);
    }
    if (m_builder->IncludeProperty()) {
        m_uctlPropertySearch->SelectDesignation(idDesignationCountry);
    }
}

void frmMain::CombinationChosen(const contract::ActivatedMaterial& record) {
    CombinationMaterialSelected(record.DesignationCountryId);
    // The steel comes from the combined results, not from the supplier filter of the selection page.
    m_displayInfo->setShowSupplier(false);
    m_displayInfo->setFilterAddress({});
    ActivateMaterial(record);
}

void frmMain::wireCombinationWindow() {
    m_combinationWindow->setServices(windowServices());
    m_combinationWindow->setApplication(m_application);
    m_combinationWindow->setDialogLanguage(m_dialogLanguage);
    m_combinationWindow->setCombinationResultBuilder(m_builder);
}

void frmMain::ShowCombinationWindow() {
    if (m_combinationWindow == nullptr) {
        return;
    }
    wireCombinationWindow();
    if (!m_combinationPlaced) {
        // First shown over the middle of the main window; later where the user left it.
        m_combinationPlaced = true;
        m_combinationWindow->move(geometry().center() - m_combinationWindow->rect().center());
    }
    m_combinationWindow->show();
    m_combinationWindow->raise();
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_uctlSelection->isVisible() &&
        m_uctlSelection->isEnabled()) {
        m_uctlSelection->setFocus();
    }
}

void frmMain::CountInformation() {
    QString message;
    if (m_page == 1) {
        message = QStringLiteral("Anzahl der Bezeichnungen = %1").arg(m_uctlSelection->Count());
        if (m_uctlSelection->IsFilter()) {
            message += QStringLiteral("; Gefiltert = %1").arg(m_uctlSelection->FilterCount());
        }
    } else if (m_page == 4 && m_material) {
        const auto compositions = m_material->ChemicalCompositions(0);
        message = QStringLiteral("Anzahl der Analysen = %1").arg(compositions ? compositions->Count() : 0);
    } else if (m_page == 10 && m_material) {
        const auto comparisons = m_material->StandardComparisons();
        message =
            QStringLiteral("Anzahl der Normenvergleiche = %1").arg(comparisons ? comparisons->Count() : 0);
    }
    SetStatusRight(message);
}

} // namespace shell
