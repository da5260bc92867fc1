#include "uctlStandardComparison.h"

#include "DisplayTexts.h"
#include "Grid.h"
#include "KeyCodes.h"
#include "WaitCursor.h"
#include "objects/Application.h"
#include "objects/Material.h"
#include "objects/StandardComparisons.h"
#include "platform/CallError.h"

#include <QTimer>
#include <QVBoxLayout>

namespace display {

namespace {

using orvik::common::TextID;

constexpr int TwipsPerPixel = 15;

} // namespace

uctlStandardComparison::uctlStandardComparison(QWidget* parent)
    : Panel(QStringLiteral("uctlStandardComparison"), {}, parent), m_grid(new controls::Grid(this)) {
    m_grid->setObjectName(QStringLiteral("grdNormenvergleich"));
    m_grid->setCols(ColumnCount);
    m_grid->setRows(1);
    m_grid->setFixedRows(1);
    m_grid->setFixedCols(0);
    m_grid->setSelection(controls::GridSelection::ByRow);
    // The filler column takes the rest of the width; there is nothing to scroll to sideways.
    m_grid->setScrollBars(controls::ScrollBars::Vertical);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    connect(m_grid, &controls::Grid::Click, this, &uctlStandardComparison::ShowStandardInfo);
    connect(m_grid, &controls::Grid::DblClick, this, &uctlStandardComparison::doubleClicked);
    connect(m_grid, &controls::Grid::MouseMove, this, [this] { mouseMoved(); });
    connect(m_grid, &controls::Grid::MouseDown, this, [this](int button, int, int, int) {
        if (button == 4 && m_grid->MouseRow() >= 1) {
            m_grid->setRow(m_grid->MouseRow());
        }
    });
    InitComparisonGrid();
}

uctlStandardComparison::~uctlStandardComparison() = default;

void uctlStandardComparison::Clear() {
    m_grid->setRows(1);
}

void uctlStandardComparison::Show() {
    const WaitCursor wait;
    m_shown = true;
    m_grid->setRows(1);
    std::shared_ptr<orvik::objects::StandardComparisons> comparisons;
    try {
        if (material() != nullptr) {
            comparisons = material()->StandardComparisons();
        }
    } catch (const platform::CallError&) {
        comparisons = nullptr;
    }
    if (comparisons != nullptr && comparisons->Count() > 0) {
        m_grid->setEnabled(true);
        for (const auto& c : *comparisons) {
            const int row = m_grid->Rows();
            m_grid->setRows(row + 1);
            const std::array<std::string, Filler> cells{c->Steel_ID,
                                                        c->Desig_ID,
                                                        c->DesigCountryId,
                                                        c->DesignationType,
                                                        std::to_string(c->Standard_ID),
                                                        c->Country,
                                                        c->Designation,
                                                        c->StandardDesignation,
                                                        c->MaterialDesignation};
            for (int col = 0; col < Filler; ++col) {
                m_grid->setTextMatrix(row, col, QString::fromStdString(cells[static_cast<std::size_t>(col)]));
            }
        }
    } else {
        m_grid->setRows(2);
        m_grid->setTextMatrix(1, Country,
                              DisplayTexts::text(dialogLanguage(), TextID::Kein_Normenvergleich_vorhanden));
        m_grid->setEnabled(false);
    }
    m_grid->setRow(0);
    InitComparisonGrid();
}

void uctlStandardComparison::InitComparisonGrid() {
    const int w = m_grid->width() * TwipsPerPixel;
    for (int col = SteelId; col <= StandardId; ++col) {
        m_grid->setColWidth(col, 0);
    }
    const std::array<std::pair<Column, int>, 5> widths{
        {{Country, 28}, {Designation, 23}, {Standard, 30}, {MaterialNumber, 15}, {Filler, 100}}};
    for (const auto& [col, percent] : widths) {
        m_grid->setColWidth(col, w * percent / 100);
        m_grid->setColAlignment(col, col == MaterialNumber ? controls::CellAlign::RightCenter
                                                           : controls::CellAlign::LeftCenter);
    }
    // The no-comparison text must be readable across the visible columns. Only the grid's own state
    // counts: the main window is disabled while it loads this page.
    if (!m_grid->isEnabledTo(this)) {
        m_grid->setColWidth(Country, w * 81 / 100);
    }
}

bool uctlStandardComparison::onDataRow() const {
    return m_grid->isEnabled() && m_grid->Row() >= 1 && m_grid->Row() < m_grid->Rows();
}

void uctlStandardComparison::ShowStandardInfo() {
    if (!onDataRow() || application() == nullptr) {
        return;
    }
    const int id = m_grid->TextMatrix(m_grid->Row(), StandardId).toInt();
    emit DisplayToolTip(QString::fromStdString(application()->StandardInformations(id))
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                        0);
}

void uctlStandardComparison::doubleClicked() {
    if (!onDataRow()) {
        return;
    }
    const int row = m_grid->Row();
    const shell::contract::ActivatedMaterial chosen{
        m_grid->TextMatrix(row, SteelId), m_grid->TextMatrix(row, DesignationId),
        m_grid->TextMatrix(row, DesignationCountryId), m_grid->TextMatrix(row, Designation),
        m_grid->TextMatrix(row, DesignationType)};
    emit MaterialSelected(chosen);
    // The grid is rebuilt only after its own double-click handling has returned.
    QTimer::singleShot(0, this, &uctlStandardComparison::Show);
}

void uctlStandardComparison::mouseMoved() {
    emit DisplayStatusBarText(DisplayTexts::text(dialogLanguage(), TextID::Doppelklick_uebernimmt_Werkstoff));
    const int row = m_grid->MouseRow();
    if (row == m_mouseRow) {
        return;
    }
    m_mouseRow = row;
    if (row == m_grid->Row() && row > 0) {
        ShowStandardInfo();
    } else {
        emit HideToolTip();
    }
}

void uctlStandardComparison::languageChanged() {
    if (m_shown) {
        Show();
    }
    DisplayTexts::adjustForm(dialogLanguage(), *this);
}

void uctlStandardComparison::resizeEvent(QResizeEvent* event) {
    Panel::resizeEvent(event);
    InitComparisonGrid();
}

} // namespace display
