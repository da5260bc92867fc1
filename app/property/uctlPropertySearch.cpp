#include "uctlPropertySearch.h"

#include "ColumnShares.h"
#include "FocusColour.h"
#include "Grid.h"
#include "KeyCodes.h"
#include "NumEntry.h"
#include "WaitCursor.h"
#include "common/Helper.h"
#include "common/cls_Language.h"
#include "common/qt/LanguageCaptions.h"
#include "common/qt/QtLanguageForm.h"
#include "objects/Application.h"
#include "objects/CombinationResultBuilder.h"
#include "objects/List.h"
#include "objects/MaterialItems.h"
#include "objects/PropertyBags.h"
#include "objects/PropertyMaskInit.h"
#include "objects/PropertySearch.h"
#include "objects/PropertySearchFields.h"
#include "platform/CallError.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/contract/ErrorWindow.h"
#include "uctlPropertyViewGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

namespace property {

namespace {

using orvik::common::TextID;
constexpr auto PanelName = "uctlPropertySearch";
constexpr int RowHeightTwips = 240;
constexpr int Twips = orvik::common::qt::TwipsPerPixel;
const char* const PropertyFieldname = "tabEigenschaftswerte.SId_Eigenschaft";

template <typename W> W* indexed(W* widget, const QString& name, int index) {
    widget->setObjectName(name);
    widget->setProperty("index", index);
    return widget;
}

int tagRow(const QWidget& editor) {
    return editor.property("tagRow").toInt();
}
int tagCol(const QWidget& editor) {
    return editor.property("tagCol").toInt();
}

bool isPropertyField(const orvik::objects::PropertySearchField& field) {
    return QString::fromStdString(field.Fieldname)
               .compare(QLatin1String(PropertyFieldname), Qt::CaseInsensitive) == 0;
}

} // namespace

uctlPropertySearch::uctlPropertySearch(QWidget* parent) : PropertySearchPanel(parent) {
    m_fraMechSuchen = new QGroupBox(QStringLiteral(" Suche "), this);
    m_fraMechSuchen->setObjectName(QStringLiteral("fraMechSuchen"));
    m_lblMechSuchen = new QLabel(QStringLiteral("Land"), m_fraMechSuchen);
    m_lblMechSuchen->setObjectName(QStringLiteral("lblMechSuchen"));
    m_cboMechLand = new QComboBox(m_fraMechSuchen);
    m_cboMechLand->setObjectName(QStringLiteral("cboMechLand"));
    // As wide as its longest country in the current language.
    m_cboMechLand->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_cboMechLand->setMinimumWidth(220);
    m_cmdMechSuchen = new QPushButton(QStringLiteral("&Suchen"), m_fraMechSuchen);
    m_cmdMechSuchen->setObjectName(QStringLiteral("cmdMechSuchen"));
    m_cmdMechEintragLoeschen = new QPushButton(QStringLiteral("&Eintrag löschen"), m_fraMechSuchen);
    m_cmdMechEintragLoeschen->setObjectName(QStringLiteral("cmdMechEintragLoeschen"));
    m_cmdMechListeLoeschen = new QPushButton(QStringLiteral("&Liste löschen"), m_fraMechSuchen);
    m_cmdMechListeLoeschen->setObjectName(QStringLiteral("cmdMechListeLoeschen"));
    m_grdMechSuchen = new controls::Grid(m_fraMechSuchen);
    m_grdMechSuchen->setObjectName(QStringLiteral("grdMechSuchen"));
    for (int i = 0; i < static_cast<int>(m_cboMechSuchen.size()); ++i) {
        auto* combo = indexed(new QComboBox(m_grdMechSuchen), QStringLiteral("cboMechSuchen"), i);
        combo->hide();
        combo->installEventFilter(this);
        // Lit by its palette: a style sheet set while the click that opens the list is handled pulls the
        // style from under the opening list.
        controls::FocusColour::attach(*combo);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, i] { choiceChosen(i); });
        m_cboMechSuchen[static_cast<std::size_t>(i)] = combo;
    }
    for (int i = 0; i < static_cast<int>(m_txtMechSuchen.size()); ++i) {
        auto* entry = indexed(new controls::NumEntry(m_grdMechSuchen), QStringLiteral("txtMechSuchen"), i);
        entry->setFrontNumbers(9);
        entry->setBackNumbers(9);
        entry->setMax(999999999);
        entry->setAlignmentCode(1);
        entry->setFormatEnabled(true);
        entry->setAllowNegative(i >= 2 && i <= 5);
        entry->setOwnerHandlesTab(true);
        entry->hide();
        connect(entry, &QLineEdit::textChanged, this, [this, i] { writeBackNumber(i); });
        connect(entry, &controls::NumEntry::KeyDown, this,
                [this, entry](int key, int shift) { editorKey(key, shift, *entry); });
        connect(entry, &controls::NumEntry::GotFocus, this, [this, entry, i] {
            entry->setBackColor(controls::FocusColour::lit());
            const auto key = m_grdMechSuchen->TextMatrix(tagRow(*entry), criteria::PropertyKeyColumn).toInt();
            const auto m = mask();
            if (!m || key <= 0) {
                return;
            }
            const int temperature = (i == 2 || i == 3) ? m->GetTemperatureTendencyByID(key) : 0;
            const int second = (i == 6 || i == 7) ? m->GetDRMTendencyByID(key) : 0;
            if (i == 2 && temperature >= 1) {
                emit DisplayStatusBarText(text(TextID::Tendenz_TempPos));
            } else if (i == 3 && temperature < 0) {
                emit DisplayStatusBarText(text(TextID::Tendenz_TempNeg));
            } else if (i == 6 && second >= 1) {
                emit DisplayStatusBarText(text(TextID::Tendenz_DRMPos));
            } else if (i == 7 && second < 0) {
                emit DisplayStatusBarText(text(TextID::Tendenz_DRMNeg));
            }
        });
        connect(entry, &controls::NumEntry::LostFocus, this, [this, entry] {
            entry->setBackColor(Qt::white);
            emit DisplayStatusBarText(QString());
        });
        m_txtMechSuchen[static_cast<std::size_t>(i)] = entry;
    }
    m_fraMechErgebnis = new QGroupBox(QStringLiteral(" Ergebnis der Suche "), this);
    m_fraMechErgebnis->setObjectName(QStringLiteral("fraMechErgebnis"));
    m_grdMechTrefferliste = new controls::Grid(m_fraMechErgebnis);
    m_grdMechTrefferliste->setObjectName(QStringLiteral("grdMechTrefferliste"));
    m_grdMechTrefferliste->setSelection(controls::GridSelection::ByRow);
    m_grdResultDetails = new display::uctlPropertyViewGrid(m_fraMechErgebnis);
    m_grdResultDetails->setObjectName(QStringLiteral("grdResultDetails"));

    connect(m_cmdMechSuchen, &QPushButton::clicked, this, &uctlPropertySearch::Search);
    connect(m_cmdMechEintragLoeschen, &QPushButton::clicked, this, &uctlPropertySearch::deleteEntry);
    connect(m_cmdMechListeLoeschen, &QPushButton::clicked, this, &uctlPropertySearch::clearList);
    connect(m_grdMechSuchen, &controls::Grid::EnterCell, this, &uctlPropertySearch::enterCell);
    connect(m_grdMechSuchen, &controls::Grid::AfterScroll, this, &uctlPropertySearch::hideEditors);
    connect(m_grdMechTrefferliste, &controls::Grid::RowColChange, this, &uctlPropertySearch::ShowProperties);
    connect(m_grdMechTrefferliste, &controls::Grid::DblClick, this, &uctlPropertySearch::openHit);
    connect(m_grdMechTrefferliste, &controls::Grid::KeyDown, this, [this](int key, int) {
        if (key == controls::KeyCode::Return) {
            openHit();
        }
    });
    connect(m_grdMechTrefferliste, &controls::Grid::MouseMove, this, &uctlPropertySearch::hitMouseMove);
    // The middle button makes the row under the mouse current, in both grids.
    for (auto* grid : {m_grdMechTrefferliste, m_grdMechSuchen}) {
        connect(grid, &controls::Grid::MouseDown, this, [grid](int button, int, int, int) {
            if (button == 4 && grid->MouseRow() >= grid->FixedRows()) {
                grid->setRow(grid->MouseRow());
            }
        });
    }
    connect(m_grdResultDetails, &display::uctlPropertyViewGrid::MouseMove, this, [this] {
        emit HideToolTip();
        emit DisplayStatusBarText(statusBarText());
    });

    InitGrids();
    m_grdMechSuchen->setRows(criteria::FixedRows + 1);
}

uctlPropertySearch::~uctlPropertySearch() = default;

QString uctlPropertySearch::text(TextID id) const {
    const auto* relay = dialogLanguage();
    if (relay == nullptr || !relay->LanguageClass()) {
        return {};
    }
    return QString::fromStdString(relay->LanguageClass()->getTextFromDB(id));
}

void uctlPropertySearch::message(const QString& text, bool question) {
    if (auto* boxes = services().messageBoxes) {
        (void)boxes->show(this, text, QString::fromLatin1(shell::contract::ProgramTitle),
                          question ? platform::qt::MessageBoxes::Icon::Question
                                   : platform::qt::MessageBoxes::Icon::Exclamation,
                          question ? platform::qt::MessageBoxes::Buttons::YesNo
                                   : platform::qt::MessageBoxes::Buttons::Ok);
    }
}

bool uctlPropertySearch::ask(const QString& text) {
    auto* boxes = services().messageBoxes;
    return boxes != nullptr &&
           boxes->show(this, text, QString::fromLatin1(shell::contract::ProgramTitle),
                       platform::qt::MessageBoxes::Icon::Question,
                       platform::qt::MessageBoxes::Buttons::YesNo) == platform::qt::MessageBoxes::Answer::Yes;
}

void uctlPropertySearch::reportError(const char* procedure, int number, const std::string& description) {
    if (auto* window = services().errorWindow) {
        window->ShowErrorForm(this, QString::fromLatin1(PanelName), QString::fromLatin1(procedure), number,
                              QString::fromStdString(description));
    }
}

std::shared_ptr<orvik::objects::PropertyMaskInit> uctlPropertySearch::mask() {
    if (!m_mask && application() && application()->LoggedIn()) {
        m_mask = application()->PropertyMaskInit();
    }
    return m_mask;
}

std::shared_ptr<orvik::objects::PropertySearchFields> uctlPropertySearch::searchFields() {
    // Held until the next connection: a collection that failed to load is not kept by the mask, and
    // the pointers field() hands out must outlive the call that read it.
    if (!m_fields) {
        const auto m = mask();
        m_fields = m ? m->PropertySearchFields() : nullptr;
    }
    return m_fields;
}

const orvik::objects::PropertySearchField* uctlPropertySearch::field(int column) {
    const auto fields = searchFields();
    if (!fields) {
        return nullptr;
    }
    for (const auto& f : *fields) {
        if (f->Column == column) {
            return f.get();
        }
    }
    return nullptr;
}

void uctlPropertySearch::setList(std::shared_ptr<orvik::objects::List> list) {
    PropertySearchPanel::setList(list);
    m_countries = {};
    if (!list) {
        return;
    }
    m_countries = list->PropertyCountriesAvailable.subscribe([this](const auto& countries) {
        const int previous = m_cboMechLand->currentData().toInt();
        m_cboMechLand->clear();
        m_cboMechLand->addItem(text(TextID::alle), 0);
        if (countries) {
            for (const auto& entry : *countries) {
                m_cboMechLand->addItem(
                    QString::fromStdString(entry.item),
                    QString::fromStdString(orvik::common::Helper::CVarStr(entry.key)).toInt());
            }
        }
        m_cboMechLand->setCurrentIndex(std::max(0, m_cboMechLand->findData(previous)));
    });
}

void uctlPropertySearch::InitGrids() {
    m_busy = true;
    auto& hits = *m_grdMechTrefferliste;
    hits.setCols(HitColumns);
    hits.setFixedRows(0);
    hits.setFixedCols(0);
    const int materialNoWidth = 380 + fontMetrics().horizontalAdvance(QStringLiteral("X.XXXXXX")) * Twips;
    hits.setColWidth(HitMaterialNo, materialNoWidth);
    hits.setColWidth(HitDesignation, std::max(0, hits.width() * Twips - materialNoWidth - 22 * Twips));
    for (int c = HitPosition; c < HitColumns; ++c) {
        hits.setColWidth(c, 0);
    }
    hits.setRowHeightMin(fontMetrics().height() * Twips + 20);

    auto& grid = *m_grdMechSuchen;
    grid.setCols(criteria::Columns);
    grid.setFixedCols(0);
    grid.setFixedRows(criteria::FixedRows);
    QFont font = grid.font();
    font.setPointSize(9);
    grid.setFont(font);
    grid.setMergeCells(controls::MergeMode::Free);
    grid.setMergeRow(0, true);
    grid.setMergeRow(1, false);
    for (int c = 0; c < criteria::Columns; ++c) {
        grid.setColWidth(c, 0);
        grid.cells().setCellAlignment(0, c, controls::CellAlign::LeftCenter);
    }
    m_busy = false;
}

void uctlPropertySearch::Init() {
    // After a new connection the layout is read again from its database; the hits of the one before
    // go with it, also when there is no connection now.
    dropHits();
    m_mask.reset();
    m_fields.reset();
    InitSearchGrid();
}

void uctlPropertySearch::dropHits() {
    m_items.reset();
    m_search.reset();
    m_searchErrors = {};
    m_grdMechTrefferliste->setRows(0);
    m_grdResultDetails->Init();
}

void uctlPropertySearch::InitSearchGrid() {
    const auto fields = searchFields();
    if (!fields) {
        return;
    }
    auto& grid = *m_grdMechSuchen;
    const int usable = std::max(0, grid.width() - 22) * Twips;
    std::vector<int> wanted(criteria::Columns, -1); // -1: a column the layout leaves alone
    int sum = 0;
    for (const auto& f : *fields) {
        if (f->Column >= 0 && f->Column < criteria::Columns) {
            wanted[static_cast<std::size_t>(f->Column)] = f->Width * usable / 100;
        }
        grid.setColAlignment(f->Column, static_cast<controls::CellAlign>(std::clamp(f->Alignment, 0, 9)));
        sum += f->Width;
    }
    wanted[criteria::UnitColumn] = std::max(0, 100 - sum) * usable / 100;
    // The shares are the database's; a caption or a chosen entry longer than its share widens its
    // column at the others' expense, so every text of the grid reads whole.
    std::vector<int> shares(wanted.size());
    std::transform(wanted.begin(), wanted.end(), shares.begin(), [](int w) { return std::max(0, w); });
    const auto widths = controls::widenToMinimums(shares, neededWidths(shares));
    for (int c = 0; c < criteria::Columns; ++c) {
        if (wanted[static_cast<std::size_t>(c)] >= 0) {
            grid.setColWidth(c, widths[static_cast<std::size_t>(c)]);
        }
    }
    m_ready = true;
}

std::vector<int> uctlPropertySearch::neededWidths(const std::vector<int>& shares) const {
    const auto& grid = *m_grdMechSuchen;
    std::vector<int> needed(shares.size(), 0);
    const auto shown = [&shares](int c) {
        return shares[static_cast<std::size_t>(c)] > 0;
    };
    for (int c = 0; c < criteria::Columns; ++c) {
        if (!shown(c)) {
            continue;
        }
        for (int r = 1; r < grid.Rows(); ++r) {
            needed[static_cast<std::size_t>(c)] =
                std::max(needed[static_cast<std::size_t>(c)], grid.cellTextWidth(r, c));
        }
    }
    // The top heading row merges equal neighbours: their caption is shared by the run of columns.
    for (int c = 0; c < criteria::Columns;) {
        if (!shown(c)) {
            ++c;
            continue;
        }
        int end = c + 1;
        while (end < criteria::Columns && (!shown(end) || grid.TextMatrix(0, end) == grid.TextMatrix(0, c))) {
            ++end;
        }
        const auto run = static_cast<int>(
            std::count_if(shares.begin() + c, shares.begin() + end, [](int w) { return w > 0; }));
        const int each = (grid.cellTextWidth(0, c) + run - 1) / run;
        for (int i = c; i < end; ++i) {
            if (shown(i)) {
                needed[static_cast<std::size_t>(i)] = std::max(needed[static_cast<std::size_t>(i)], each);
            }
        }
        c = end;
    }
    return needed;
}

void uctlPropertySearch::InitFields() {
    const auto fields = searchFields();
    if (!fields) {
        return;
    }
    m_filling = true;
    for (const auto& f : *fields) {
        if (!f->isCombo || !f->Visible || f->Index < 0 ||
            f->Index >= static_cast<int>(m_cboMechSuchen.size())) {
            continue;
        }
        auto* combo = m_cboMechSuchen[static_cast<std::size_t>(f->Index)];
        combo->clear();
        combo->addItem(isPropertyField(*f) ? text(TextID::entf) : QString(), -1);
        if (!isPropertyField(*f)) {
            combo->setItemData(0, QVariant());
        }
        if (const auto items = m_mask->GetSearchItems(f->ComboContent)) {
            for (const auto& entry : *items) {
                combo->addItem(QString::fromStdString(entry.item),
                               QString::fromStdString(orvik::common::Helper::CVarStr(entry.key)).toInt());
            }
        }
        combo->setCurrentIndex(0);
    }
    m_filling = false;
}

void uctlPropertySearch::hideEditors() {
    for (auto* combo : m_cboMechSuchen) {
        combo->hide();
    }
    for (auto* entry : m_txtMechSuchen) {
        entry->hide();
    }
}

void uctlPropertySearch::enterCell() {
    auto& grid = *m_grdMechSuchen;
    const int row = grid.Row();
    if (m_busy || !m_ready || row < criteria::FixedRows || grid.RowHidden(row)) {
        return;
    }
    hideEditors();
    int col = grid.Col();
    if (col >= criteria::FirstKeyColumn) {
        col = criteria::FilterColumns;
    }
    if (col == criteria::UnitColumn || col < 1) {
        col = col == criteria::UnitColumn ? criteria::UnitColumn + 1 : criteria::PropertyColumn;
    }
    if (col != grid.Col()) {
        grid.setCol(col);
        return; // the move enters the corrected cell
    }
    const auto* f = field(col);
    if (f == nullptr || !f->Visible) {
        return;
    }
    QWidget* editor = nullptr;
    if (f->isCombo && f->Index >= 0 && f->Index < static_cast<int>(m_cboMechSuchen.size())) {
        auto* combo = m_cboMechSuchen[static_cast<std::size_t>(f->Index)];
        m_filling = true;
        combo->setCurrentIndex(std::max(0, combo->findText(grid.TextMatrix(row, col))));
        m_filling = false;
        editor = combo;
    } else if (!f->isCombo && f->Index >= 0 && f->Index < static_cast<int>(m_txtMechSuchen.size())) {
        auto* entry = m_txtMechSuchen[static_cast<std::size_t>(f->Index)];
        m_filling = true;
        entry->setEntryText(grid.TextMatrix(row, col));
        m_filling = false;
        entry->selectAll();
        editor = entry;
    }
    if (editor == nullptr) {
        return;
    }
    editor->setProperty("tagRow", row);
    editor->setProperty("tagCol", col);
    editor->setGeometry(grid.cellRect());
    editor->show();
    editor->raise();
    editor->setFocus();
}

void uctlPropertySearch::writeBackNumber(int index) {
    if (m_filling) {
        return;
    }
    const auto& entry = *m_txtMechSuchen[static_cast<std::size_t>(index)];
    m_grdMechSuchen->setTextMatrix(tagRow(entry), tagCol(entry), entry.text().trimmed());
}

void uctlPropertySearch::choiceChosen(int index) {
    if (m_filling) {
        return;
    }
    auto& combo = *m_cboMechSuchen[static_cast<std::size_t>(index)];
    auto& grid = *m_grdMechSuchen;
    const int row = tagRow(combo);
    const int col = tagCol(combo);
    if (row < criteria::FixedRows || row >= grid.Rows()) {
        return;
    }
    const QVariant chosenData = combo.currentData();
    const int keyCol = criteria::keyColumnOf(col);
    if (col == criteria::PropertyColumn) {
        if (chosenData.isValid() && chosenData.toInt() == -1) {
            grid.setRow(row);
            deleteEntry();
            return;
        }
        for (int r = criteria::FixedRows; r < grid.Rows(); ++r) {
            if (r != row && chosenData.isValid() &&
                grid.TextMatrix(r, keyCol) == QString::number(chosenData.toInt())) {
                message(text(TextID::Die_Eigenschaft_darf_nur_einmal_vorhanden_sein));
                m_filling = true;
                combo.setCurrentIndex(std::max(0, combo.findText(grid.TextMatrix(row, col))));
                m_filling = false;
                return;
            }
        }
    }
    const bool chosen = chosenData.isValid() && chosenData.toInt() != -1;
    grid.setTextMatrix(row, col, chosen ? combo.currentText() : QString());
    if (keyCol >= 0) {
        grid.setTextMatrix(row, keyCol, chosen ? QString::number(chosenData.toInt()) : QString());
    }
    if (col == criteria::PropertyColumn) {
        const auto m = mask();
        grid.setTextMatrix(row, criteria::UnitColumn,
                           chosen && m ? QString::fromStdString(m->GetPropteryUnitByID(chosenData.toInt()))
                                       : QString());
    }
    // The entry may need a wider column; the editor stays over its cell.
    InitSearchGrid();
    if (combo.isVisible() && grid.Row() == row && grid.Col() == col) {
        combo.setGeometry(grid.cellRect());
    }
}

void uctlPropertySearch::editorKey(int keyCode, int shift, const QWidget& editor) {
    auto& grid = *m_grdMechSuchen;
    int row = tagRow(editor);
    int col = tagCol(editor);
    const bool back = (shift & 1) != 0;
    if (keyCode == controls::KeyCode::Return) {
        row = back ? std::max(criteria::FixedRows, row - 1) : row + 1;
        if (row >= grid.Rows()) {
            appendEmptyCriterion();
        }
    } else if (keyCode == controls::KeyCode::Tab) {
        int next = col;
        do {
            next += back ? -1 : 1;
        } while (next >= 1 && next <= criteria::FilterColumns &&
                 (next == criteria::UnitColumn || field(next) == nullptr || !field(next)->Visible));
        if (next >= 1 && next <= criteria::FilterColumns) {
            col = next;
        }
    } else {
        return;
    }
    grid.setFocus();
    grid.setRow(row);
    grid.setCol(col);
    enterCell();
}

bool uctlPropertySearch::eventFilter(QObject* watched, QEvent* event) {
    auto* combo = qobject_cast<QComboBox*>(watched);
    if (combo != nullptr && combo->isVisible()) {
        if (event->type() == QEvent::KeyPress) {
            // Enter and Tab move on to the next cell, as in the number editors.
            const auto* key = static_cast<QKeyEvent*>(event);
            const int shift = (key->modifiers() & Qt::ShiftModifier) != 0 ? 1 : 0;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                editorKey(controls::KeyCode::Return, shift, *combo);
                return true;
            }
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                editorKey(controls::KeyCode::Tab, key->key() == Qt::Key_Backtab ? 1 : shift, *combo);
                return true;
            }
        }
    }
    return PropertySearchPanel::eventFilter(watched, event);
}

void uctlPropertySearch::appendEmptyCriterion() {
    m_grdMechSuchen->setRows(m_grdMechSuchen->Rows() + 1);
}

void uctlPropertySearch::deleteEntry() {
    hideEditors();
    auto& grid = *m_grdMechSuchen;
    const int row = grid.Row();
    if (row >= criteria::FixedRows && row < grid.Rows()) {
        if (grid.Rows() > criteria::FixedRows + 1) {
            grid.RemoveItem(row);
        } else {
            for (int c = 0; c < criteria::Columns; ++c) {
                grid.setTextMatrix(row, c, QString());
            }
        }
    }
    m_busy = true;
    grid.setRow(std::clamp(row, criteria::FixedRows, grid.Rows() - 1));
    grid.setCol(0);
    m_busy = false;
    grid.setFocus();
}

void uctlPropertySearch::clearList() {
    if (!ask(text(TextID::Eigenschaftensuche_Liste_loeschen))) {
        return;
    }
    hideEditors();
    setCriteria({});
}

std::vector<CriterionRow> uctlPropertySearch::criterionRows() const {
    std::vector<CriterionRow> rows;
    const auto& grid = *m_grdMechSuchen;
    for (int r = criteria::FixedRows; r < grid.Rows(); ++r) {
        CriterionRow row;
        for (int c = 0; c < criteria::Columns; ++c) {
            row.push_back(grid.TextMatrix(r, c).trimmed().toStdString());
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void uctlPropertySearch::setCriteria(const std::vector<CriterionRow>& rows) {
    auto& grid = *m_grdMechSuchen;
    m_busy = true;
    grid.setRows(criteria::FixedRows);
    grid.setRows(criteria::FixedRows + static_cast<int>(std::max<std::size_t>(rows.size(), 1)));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            grid.setTextMatrix(criteria::FixedRows + static_cast<int>(r), static_cast<int>(c),
                               QString::fromStdString(rows[r][c]));
        }
    }
    grid.setRow(criteria::FixedRows);
    m_busy = false;
}

void uctlPropertySearch::removeEmptyRows() {
    auto rows = criterionRows();
    for (auto& row : rows) {
        if (row[2].empty() && row[3].empty()) {
            row[criteria::PropertyColumn].clear();
            row[criteria::PropertyKeyColumn].clear();
            row[criteria::UnitColumn].clear();
        }
    }
    std::vector<CriterionRow> kept;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(kept),
                 [](const CriterionRow& row) { return !row[criteria::PropertyColumn].empty(); });
    if (kept.empty() && !rows.empty()) {
        kept.push_back(rows.front());
    }
    // Criteria in the order of their property keys; rows without a numeric key keep their place.
    std::stable_sort(kept.begin(), kept.end(), [](const CriterionRow& a, const CriterionRow& b) {
        const auto& x = a[criteria::PropertyKeyColumn];
        const auto& y = b[criteria::PropertyKeyColumn];
        if (!PropertySearchFilters::isWholeNumber(x) || !PropertySearchFilters::isWholeNumber(y)) {
            return false;
        }
        return std::stol(x) < std::stol(y);
    });
    setCriteria(kept);
}

QString uctlPropertySearch::columnHeading(int column) const {
    const QString top = m_grdMechSuchen->TextMatrix(0, column).trimmed();
    const QString second = m_grdMechSuchen->TextMatrix(1, column).trimmed();
    return second.isEmpty() || second == top ? top : top + QLatin1Char(' ') + second;
}

bool uctlPropertySearch::checkData() {
    const auto& grid = *m_grdMechSuchen;
    struct Pair {
        int column;
        TextID text;
    };
    static constexpr Pair pairs[] = {{2, TextID::Eigenschaft_Min_hoeher_Max},
                                     {5, TextID::Dauer_Min_hoeher_Max},
                                     {9, TextID::Abmass_Min_hoeher_Max},
                                     {13, TextID::Temp_Min_hoeher_Max},
                                     {16, TextID::ZustandTemp_Min_hoeher_Max}};
    for (int r = criteria::FixedRows; r < grid.Rows(); ++r) {
        for (const auto& pair : pairs) {
            const auto* f = field(pair.column);
            const QString min = grid.TextMatrix(r, pair.column).trimmed();
            const QString max = grid.TextMatrix(r, pair.column + 1).trimmed();
            if (f == nullptr || !f->Visible || f->isCombo || min.isEmpty() || max.isEmpty()) {
                continue;
            }
            if (orvik::common::Helper::Str2Dbl(min.toStdString()) >
                orvik::common::Helper::Str2Dbl(max.toStdString())) {
                message(grid.TextMatrix(r, criteria::PropertyColumn) + QStringLiteral(":\n") +
                        text(pair.text));
                return false;
            }
        }
        if (grid.TextMatrix(r, criteria::PropertyColumn).trimmed().isEmpty()) {
            message(text(TextID::Eigenschaft_fehlt));
            return false;
        }
    }
    return true;
}

void uctlPropertySearch::enableSearch(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_grdMechSuchen, m_cboMechLand, m_cmdMechSuchen,
                                                      m_grdMechTrefferliste, m_grdResultDetails}) {
        w->setEnabled(enabled);
    }
}

void uctlPropertySearch::Search() {
    const display::WaitCursor wait;
    emit DisplayStatusBarText(text(TextID::Suche_laeuft));
    dropHits();
    enableSearch(false);
    hideEditors();
    try {
        removeEmptyRows();
        if (checkData() && m_grdMechSuchen->Rows() > criteria::FixedRows) {
            runSearch();
        } else {
            emit DisplayStatusBarText(QString());
        }
    } catch (const platform::CallError& e) {
        reportError("Search", e.number(), e.description());
    } catch (const std::exception& e) {
        reportError("Search", 5, e.what());
    }
    enableSearch(true);
    appendEmptyCriterion();
    // Shown once the list is enabled again, so the first hit's tables appear with the hits.
    if (m_grdMechTrefferliste->Rows() > 0) {
        m_grdMechTrefferliste->setFocus();
        m_grdMechTrefferliste->Select(0, 0, 0, HitOrder);
        ShowProperties();
    }
}

void uctlPropertySearch::runSearch() {
    const auto m = mask();
    if (!m || !application()) {
        return;
    }
    const PropertySearchFilters filters(
        [this](int column) { return field(column); },
        [m](const std::string& kind, std::int32_t key) { return m->GetSearchId(kind, key); });
    const auto outcome = filters.build(criterionRows());
    if (outcome.refusal) {
        const int row = criteria::FixedRows + static_cast<int>(outcome.refusal->row);
        message(m_grdMechSuchen->TextMatrix(row, criteria::PropertyColumn) + QStringLiteral(" (") +
                QString::number(row - criteria::FixedRows + 1) + QStringLiteral("), ") +
                columnHeading(outcome.refusal->column) + QStringLiteral(": \"") +
                QString::fromStdString(outcome.refusal->text) + QLatin1Char('"'));
        emit DisplayStatusBarText(QString());
        return;
    }
    if (outcome.filters.empty()) {
        message(text(TextID::Eigenschaft_fehlt));
        emit DisplayStatusBarText(QString());
        return;
    }
    m_search = application()->PropertySearch();
    m_searchErrors = m_search->Error.subscribe([this](const orvik::objects::ErrorPtr& error) {
        if (auto* window = services().errorWindow) {
            window->ShowErrorForm(this, QString::fromStdString(error->Modul()),
                                  QString::fromStdString(error->Procedure()), error->Number(),
                                  QString::fromStdString(error->Description()));
        }
    });
    for (const auto& filter : outcome.filters) {
        m_search->addFilter(filter.sql);
        m_search->AddXmlFilter(filter.xml);
    }
    m_items = m_search->MaterialItems(m_cboMechLand->currentData().toInt());
    if (const auto& builder = combinationResultBuilder()) {
        builder->SetPropertyResult(m_items, true);
    }
    fillHits();
}

void uctlPropertySearch::fillHits() {
    auto& hits = *m_grdMechTrefferliste;
    const int count = m_items ? m_items->Count() : 0;
    if (count == 0) {
        emit DisplayStatusBarText(text(TextID::Suche_erfolglos));
        return;
    }
    m_busy = true;
    hits.setRows(count);
    int position = 0;
    for (const auto& item : *m_items) {
        hits.setTextMatrix(position, HitDesignation, QString::fromStdString(item->Designation));
        hits.setTextMatrix(position, HitMaterialNo, QString::fromStdString(item->MaterialNo));
        hits.setTextMatrix(position, HitPosition, QString::number(position + 1));
        hits.setTextMatrix(position, HitOrder, QString::number(item->Order));
        hits.setTextMatrix(position, HitKey, QString::fromStdString(item->IdDesigCountry));
        ++position;
    }
    hits.setCompare([&hits](int a, int b) {
        const int x = hits.TextMatrix(a, HitOrder).toInt();
        const int y = hits.TextMatrix(b, HitOrder).toInt();
        return x < y ? -1 : (x > y ? 1 : 0);
    });
    hits.Sort(controls::SortOrder::Custom);
    hits.setRow(0);
    m_busy = false;
    emit DisplayStatusBarText(QString::number(count) + QLatin1Char(' ') +
                              text(TextID::Anzahl_Eigenschaften_Gefunden));
}

void uctlPropertySearch::ShowProperties() {
    const auto& hits = *m_grdMechTrefferliste;
    if (m_busy || !hits.isEnabled() || hits.Rows() == 0 || !m_items || !m_search || hits.Row() < 0) {
        return;
    }
    // The tables are read from the open database; after a logout there is none.
    if (!application() || !application()->LoggedIn()) {
        return;
    }
    const display::WaitCursor wait;
    // Emptied first: a hit without tables must not show the previous steel's.
    m_grdResultDetails->setDialogLanguage(dialogLanguage());
    m_grdResultDetails->setErrorWindow(services().errorWindow);
    m_grdResultDetails->Init();
    const std::string key = hits.TextMatrix(hits.Row(), HitKey).toStdString();
    const auto item = m_items->Item(std::string_view(key));
    if (!item) {
        return;
    }
    try {
        const auto bags = m_search->PropertyBags(item->ID_Steel, item->IdCountry);
        if (bags) {
            for (const auto& bag : *bags) {
                m_grdResultDetails->ShowProperties(*bag);
            }
        }
        m_grdResultDetails->ShowScrollBar();
    } catch (const platform::CallError& e) {
        reportError("ShowProperties", e.number(), e.description());
    }
}

void uctlPropertySearch::openHit() {
    const auto& hits = *m_grdMechTrefferliste;
    if (hits.Rows() == 0 || hits.Row() < 0 || !m_items) {
        return;
    }
    const auto item = m_items->Item(hits.TextMatrix(hits.Row(), HitPosition).toInt());
    if (!item) {
        return;
    }
    shell::contract::ActivatedMaterial chosen;
    chosen.SteelId = QString::fromStdString(item->ID_Steel);
    chosen.DesignationId = QString::fromStdString(item->ID_Label);
    chosen.DesignationCountryId = QString::fromStdString(item->IdDesigCountry);
    chosen.Designation = QString::fromStdString(item->Designation);
    chosen.DesignationType = QString::fromStdString(item->DesignationType);
    emit MaterialSelected(chosen);
}

void uctlPropertySearch::hitMouseMove() {
    const auto& hits = *m_grdMechTrefferliste;
    if (hits.Rows() > 0) {
        emit DisplayStatusBarText(text(TextID::Doppelklick_uebernimmt_Werkstoff));
    }
    if (hits.Row() < 0 || hits.MouseRow() != hits.Row()) {
        emit HideToolTip();
        return;
    }
    const QString number = hits.TextMatrix(hits.Row(), HitMaterialNo);
    const QString tip = text(TextID::Werkstoff_Nr) + QStringLiteral(": ") +
                        (number.isEmpty() ? QStringLiteral("-") : number) + QStringLiteral("\r\n") +
                        text(TextID::Kurzname) + QStringLiteral(": ") +
                        hits.TextMatrix(hits.Row(), HitDesignation);
    const int top = (m_fraMechErgebnis->y() + hits.y()) * Twips + hits.RowPos(hits.Row()) + 100;
    emit DisplayToolTip(tip, top);
}

void uctlPropertySearch::SelectDesignation(const QString& idDesignationCountry) {
    auto& hits = *m_grdMechTrefferliste;
    const int row = hits.FindRow(idDesignationCountry, -1, HitKey, true);
    if (row < 0 || hits.TextMatrix(row, HitKey) != idDesignationCountry) {
        return;
    }
    hits.setTopRow(row);
    hits.setRow(row);
}

void uctlPropertySearch::Clear() {
    hideEditors();
    auto& grid = *m_grdMechSuchen;
    m_busy = true;
    grid.setRows(std::min(grid.Rows(), criteria::FixedRows + 1));
    m_busy = false;
    m_grdMechTrefferliste->setRows(0);
    m_grdResultDetails->Init();
}

void uctlPropertySearch::showChoiceTexts() {
    const auto m = mask();
    if (!m) {
        return;
    }
    auto& grid = *m_grdMechSuchen;
    for (int c = 1; c <= criteria::FilterColumns; ++c) {
        const auto* f = field(c);
        const int keyCol = criteria::keyColumnOf(c);
        if (f == nullptr || !f->isCombo || keyCol < 0) {
            continue;
        }
        const auto items = m->GetSearchItems(f->ComboContent);
        for (int r = criteria::FixedRows; r < grid.Rows(); ++r) {
            const QString key = grid.TextMatrix(r, keyCol);
            const auto* entry =
                items && !key.isEmpty() ? items->find(platform::Variant(key.toStdString())) : nullptr;
            grid.setTextMatrix(r, c, entry != nullptr ? QString::fromStdString(*entry) : QString());
            if (c == criteria::PropertyColumn && entry != nullptr) {
                grid.setTextMatrix(r, criteria::UnitColumn,
                                   QString::fromStdString(m->GetPropteryUnitByID(key.toInt())));
            }
        }
    }
}

void uctlPropertySearch::languageAboutToChange() {
    hideEditors();
    m_savedCriteria = criterionRows();
    m_savedCountry = m_cboMechLand->currentData().toInt();
}

void uctlPropertySearch::languageChanged() {
    adjustCaptions();
    // The captions have their new widths.
    ManualResize();
    if (!m_savedCriteria.empty()) {
        setCriteria(m_savedCriteria);
        m_savedCriteria.clear();
    }
    InitFields();
    showChoiceTexts();
    // The entries now read in the new language.
    if (m_ready) {
        InitSearchGrid();
    }
    if (m_cboMechLand->count() > 0) {
        m_cboMechLand->setItemText(0, text(TextID::alle));
    }
    m_cboMechLand->setCurrentIndex(std::max(0, m_cboMechLand->findData(m_savedCountry)));
    // The current hit's tables were read in the old language.
    ShowProperties();
}

void uctlPropertySearch::resizeEvent(QResizeEvent* event) {
    PropertySearchPanel::resizeEvent(event);
    ManualResize();
}

void uctlPropertySearch::ManualResize() {
    const int margin = 4; // 60 twips
    const int gap = 8;    // 120 twips
    const int w = width();
    const int h = height();
    const int searchHeight = std::max(120, h * 45 / 100);
    m_fraMechSuchen->setGeometry(0, 0, w, searchHeight);
    const int line = std::max(m_cboMechLand->sizeHint().height(), m_cmdMechSuchen->sizeHint().height());
    const int top = 20;
    m_lblMechSuchen->setGeometry(gap, top, m_lblMechSuchen->sizeHint().width(), line);
    m_cboMechLand->setGeometry(m_lblMechSuchen->geometry().right() + gap, top,
                               m_cboMechLand->sizeHint().width(), line);
    int right = w - gap;
    for (auto* button : {m_cmdMechSuchen, m_cmdMechListeLoeschen, m_cmdMechEintragLoeschen}) {
        const int bw = std::max(100, button->sizeHint().width());
        button->setGeometry(right - bw, top, bw, line);
        right -= bw + margin;
    }
    const int gridTop = top + line + gap;
    m_grdMechSuchen->setGeometry(gap, gridTop, w - 2 * gap, std::max(0, searchHeight - gridTop - gap));
    m_fraMechErgebnis->setGeometry(0, searchHeight + margin, w, std::max(0, h - searchHeight - margin));
    const int inner = m_fraMechErgebnis->width() - 2 * gap;
    const int resultHeight = std::max(0, m_fraMechErgebnis->height() - top - gap);
    const int hitWidth = inner * 35 / 100;
    m_grdMechTrefferliste->setGeometry(gap, top, hitWidth, resultHeight);
    m_grdResultDetails->setGeometry(gap + hitWidth + margin, top, inner - hitWidth - margin, resultHeight);
    InitGrids();
    if (m_ready) {
        InitSearchGrid();
    }
    hideEditors();
}

} // namespace property
