#include "frmErgebniskombination.h"

#include "Grid.h"
#include "StatusBar.h"
#include "WaitCursor.h"
#include "common/cls_Language.h"
#include "common/qt/QtLanguageForm.h"
#include "objects/Application.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/CombinationResultList.h"
#include "shell/contract/Captions.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/ErrorWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace property {

namespace {

using orvik::objects::CombinationResultBuilder;
constexpr int Twips = orvik::common::qt::TwipsPerPixel;
const char* const StatusPanel = "1";

/// The builder's switch and availability of each check box, by its index.
struct ResultKind {
    bool (CombinationResultBuilder::*included)() const;
    void (CombinationResultBuilder::*include)(bool);
    bool (CombinationResultBuilder::*possible)() const;
    const char* caption;
};

constexpr ResultKind kinds[] = {
    {&CombinationResultBuilder::IncludeDesignation, &CombinationResultBuilder::IncludeDesignation,
     &CombinationResultBuilder::DesignationCombinationPossible, "Bezeichnung"},
    {&CombinationResultBuilder::IncludeComposition, &CombinationResultBuilder::IncludeComposition,
     &CombinationResultBuilder::CompositionCombinationPossible, "Standard Suche"},
    {&CombinationResultBuilder::IncludeExtComposition, &CombinationResultBuilder::IncludeExtComposition,
     &CombinationResultBuilder::ExtendedCompositionCombinationPossible, "Erweiterte Suche"},
    {&CombinationResultBuilder::IncludeProperty, &CombinationResultBuilder::IncludeProperty,
     &CombinationResultBuilder::PropertyCombinationPossible, "Eigenschaften"},
};

QString text(const shell::contract::DialogLanguage* relay, orvik::common::TextID id) {
    if (relay == nullptr || !relay->LanguageClass()) {
        return {};
    }
    return QString::fromStdString(relay->LanguageClass()->getTextFromDB(id));
}

} // namespace

frmErgebniskombination::frmErgebniskombination(QWidget* parent) : CombinationWindow(parent) {
    setWindowTitle(QStringLiteral("Suchergebnisse kombinieren"));
    m_fraCombination = new QGroupBox(QStringLiteral("Suchergebnisse"), this);
    m_fraCombination->setObjectName(QStringLiteral("fraCombination"));
    m_label1 = new QLabel(QStringLiteral("Analyse"), m_fraCombination);
    m_label1->setObjectName(QStringLiteral("Label1"));
    // The label names no control of this window: it stays as a caption the text service may fill.
    m_label1->hide();
    for (int i = 0; i < static_cast<int>(m_chkResult.size()); ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(kinds[i].caption), m_fraCombination);
        box->setObjectName(QStringLiteral("chkResult"));
        box->setProperty("index", i);
        connect(box, &QCheckBox::toggled, this, &frmErgebniskombination::updateCombineButton);
        m_chkResult[static_cast<std::size_t>(i)] = box;
    }
    m_cmdCombine = new QPushButton(QStringLiteral("Kombinieren"), m_fraCombination);
    m_cmdCombine->setObjectName(QStringLiteral("cmdCombine"));
    m_fraResult = new QGroupBox(QStringLiteral("Ergebnis der Kombination"), this);
    m_fraResult->setObjectName(QStringLiteral("fraResult"));
    m_grdResult = new controls::Grid(m_fraResult);
    m_grdResult->setObjectName(QStringLiteral("grdResult"));
    m_grdResult->setSelection(controls::GridSelection::ByRow);
    m_statusBar = new controls::StatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->addPanel(QString::fromLatin1(StatusPanel), 1);

    auto* boxes = new QVBoxLayout(m_fraCombination);
    for (auto* box : m_chkResult) {
        boxes->addWidget(box);
    }
    boxes->addWidget(m_cmdCombine);
    auto* result = new QVBoxLayout(m_fraResult);
    result->addWidget(m_grdResult);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fraCombination);
    layout->addWidget(m_fraResult, 1);
    layout->addWidget(m_statusBar);

    connect(m_cmdCombine, &QPushButton::clicked, this, &frmErgebniskombination::combineClicked);
    connect(m_grdResult, &controls::Grid::DblClick, this, &frmErgebniskombination::SelectCurrentResult);
    connect(m_grdResult, &controls::Grid::KeyDown, this, [this](int key, int) {
        if (key == 13) {
            SelectCurrentResult();
        }
    });
    connect(m_grdResult, &controls::Grid::MouseMove, this, [this] {
        if (m_grdResult->Rows() > 0) {
            m_statusBar->setPanelText(QString::fromLatin1(StatusPanel),
                                      text(m_relay, orvik::common::TextID::Doppeklick_selektiert_Werkstoff));
        }
    });
    m_fraCombination->installEventFilter(this);
    m_fraResult->installEventFilter(this);
    m_grdResult->viewport()->installEventFilter(this);
    resize(420, 480);
    InitResultGrid();
}

frmErgebniskombination::~frmErgebniskombination() = default;

void frmErgebniskombination::setApplication(std::shared_ptr<orvik::objects::Application> application) {
    m_application = std::move(application);
    m_materialNumbers.clear();
}

void frmErgebniskombination::setCombinationResultBuilder(std::shared_ptr<CombinationResultBuilder> builder) {
    m_reseted = {};
    m_thrown = {};
    m_builder = std::move(builder);
    if (!m_builder) {
        return;
    }
    m_reseted = m_builder->ListReseted.subscribe([this] {
        m_materialNumbers.clear();
        clearGrid();
        ShowBuilderState();
    });
    m_thrown = m_builder->ThrowException.subscribe([this](const auto& error) {
        if (error && m_services.errorWindow != nullptr) {
            display::WaitCursor::restoreAll();
            m_services.errorWindow->ShowErrorForm(this, QString::fromStdString(error->Modul()),
                                                  QString::fromStdString(error->Procedure()), error->Number(),
                                                  QString::fromStdString(error->Description()));
        }
    });
}

void frmErgebniskombination::setDialogLanguage(shell::contract::DialogLanguage* relay) {
    disconnect(m_afterChange);
    m_relay = relay;
    if (relay != nullptr) {
        m_afterChange = connect(relay, &shell::contract::DialogLanguage::AfterLanguageChange, this,
                                &frmErgebniskombination::adjustCaptions);
        adjustCaptions();
    }
}

void frmErgebniskombination::CloseDialog() {
    close();
}

void frmErgebniskombination::adjustCaptions() {
    if (m_relay != nullptr) {
        shell::contract::adjustCaptions(m_relay->LanguageClass().get(), *this);
    }
}

void frmErgebniskombination::InitResultGrid() {
    auto& grid = *m_grdResult;
    grid.setRows(0);
    grid.setCols(ColumnCount);
    grid.setFixedRows(0);
    grid.setFixedCols(0);
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("X.XXXXXX")) * Twips + 80;
    grid.setColWidth(ColMaterialNo, numberWidth);
    fitColumns();
    for (int c = ColEmpty1; c < ColumnCount; ++c) {
        grid.setColWidth(c, 0);
    }
    grid.setColAlignment(ColDesignation, controls::CellAlign::LeftCenter);
    grid.setColAlignment(ColMaterialNo, controls::CellAlign::LeftCenter);
    grid.setRowHeightMin(fontMetrics().height() * Twips + 20);
    grid.setCompare([&grid](int a, int b) {
        const int x = grid.TextMatrix(a, ColOrder).toInt();
        const int y = grid.TextMatrix(b, ColOrder).toInt();
        return x < y ? -1 : (x > y ? 1 : 0);
    });
}

void frmErgebniskombination::fitColumns() {
    const int numberWidth = m_grdResult->ColWidth(ColMaterialNo);
    m_grdResult->setColWidth(ColDesignation,
                             std::max(600, m_grdResult->viewport()->width() * Twips - numberWidth));
}

void frmErgebniskombination::showEvent(QShowEvent* event) {
    CombinationWindow::showEvent(event);
    // Read afresh each time: the searches may have run while the window was hidden.
    ShowBuilderState();
    BuildAndShow();
}

bool frmErgebniskombination::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == m_grdResult->viewport()) {
        fitColumns();
    }
    if (event->type() == QEvent::Enter && (watched == m_fraCombination || watched == m_fraResult)) {
        m_statusBar->setPanelText(QString::fromLatin1(StatusPanel), QString());
    }
    return CombinationWindow::eventFilter(watched, event);
}

void frmErgebniskombination::ShowBuilderState() {
    for (std::size_t i = 0; i < m_chkResult.size(); ++i) {
        auto* box = m_chkResult[i];
        const QSignalBlocker quiet(box);
        box->setChecked(m_builder && ((*m_builder).*kinds[i].included)());
        box->setEnabled(m_builder && ((*m_builder).*kinds[i].possible)());
    }
    updateCombineButton();
}

void frmErgebniskombination::updateCombineButton() {
    const auto ticked = std::count_if(m_chkResult.begin(), m_chkResult.end(),
                                      [](const QCheckBox* box) { return box->isChecked(); });
    m_cmdCombine->setEnabled(ticked >= 2);
}

void frmErgebniskombination::combineClicked() {
    if (!m_builder) {
        return;
    }
    for (const std::size_t i : {1U, 2U, 0U, 3U}) {
        ((*m_builder).*kinds[i].include)(m_chkResult[i]->isChecked());
    }
    m_materialNumbers.clear();
    BuildAndShow();
}

void frmErgebniskombination::clearGrid() {
    m_grdResult->Clear();
    m_grdResult->setRows(0);
}

void frmErgebniskombination::BuildAndShow() {
    const display::WaitCursor wait;
    clearGrid();
    m_list = m_builder ? m_builder->Build() : nullptr;
    const int count = m_list ? m_list->Count() : 0;
    // Every row, not a first page: the grid shows long lists at once.
    auto& grid = *m_grdResult;
    grid.setRows(count);
    for (int position = 1; position <= count; ++position) {
        m_list->Move(position);
        const auto item = m_list->Current();
        if (!item) {
            continue;
        }
        const int row = position - 1;
        grid.setTextMatrix(row, ColKey, QString::fromStdString(item->IdDesigCountry));
        grid.setTextMatrix(row, ColDesignation, QString::fromStdString(item->Designation));
        grid.setTextMatrix(row, ColMaterialNo, materialNumber(item->idSteel, item->IdCountry));
        grid.setTextMatrix(row, ColOrder, QString::number(item->Order));
    }
    const bool combined = std::count_if(m_chkResult.begin(), m_chkResult.end(),
                                        [](const QCheckBox* box) { return box->isChecked(); }) >= 2;
    m_statusBar->setPanelText(QString::fromLatin1(StatusPanel),
                              combined && count == 0
                                  ? text(m_relay, orvik::common::TextID::Keinen_passenden_Werkstoff_gefunden)
                                  : QString());
}

QString frmErgebniskombination::materialNumber(const std::string& idSteel, std::int32_t idCountry) {
    const auto key = std::make_pair(idSteel, idCountry);
    if (const auto known = m_materialNumbers.find(key); known != m_materialNumbers.end()) {
        return known->second;
    }
    QString number;
    if (m_materialNumberSource) {
        number = QString::fromStdString(m_materialNumberSource(idSteel, idCountry));
    } else if (m_application) {
        number = QString::fromStdString(m_application->GetTop1MaterialNumber(idSteel, idCountry));
    }
    m_materialNumbers.emplace(key, number);
    return number;
}

void frmErgebniskombination::SelectCurrentResult() {
    const auto& grid = *m_grdResult;
    if (grid.Rows() == 0 || grid.Row() < 0 || !m_list) {
        return;
    }
    // The row's key names the item, whatever order the grid shows.
    const std::string key = grid.TextMatrix(grid.Row(), ColKey).toStdString();
    for (int position = 1; position <= m_list->Count(); ++position) {
        m_list->Move(position);
        const auto item = m_list->Current();
        if (!item || item->IdDesigCountry != key) {
            continue;
        }
        shell::contract::ActivatedMaterial chosen;
        chosen.SteelId = QString::fromStdString(item->idSteel);
        chosen.DesignationId = QString::fromStdString(item->IdDesignation);
        chosen.DesignationCountryId = QString::fromStdString(item->IdDesigCountry);
        chosen.Designation = QString::fromStdString(item->Designation);
        emit MaterialSelected(chosen);
        return;
    }
}

} // namespace property
