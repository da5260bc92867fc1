#include "uctlCompositionGrid.h"

#include "FocusColour.h"
#include "Grid.h"
#include "ImageCombo.h"
#include "KeyCodes.h"
#include "NumEntry.h"
#include "Twips.h"
#include "common/CompositionSearchItems.h"
#include "common/Helper.h"
#include "common/ProgrammSettings.h"
#include "common/TextID.h"
#include "common/cls_Language.h"
#include "common/qt/QtLanguageForm.h"
#include "objects/ChemicalCompostions.h"
#include "objects/List.h"
#include "platform/CallError.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/ErrorWindow.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

namespace composition {

namespace {

using orvik::common::TextID;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

std::string ss(const QString& text) {
    return text.toStdString();
}

/// The pictures of the two search methods: a bar inside brackets, and one reaching past them.
QPixmap methodPicture(bool inside) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(3, 3, 3, 12);
    p.drawLine(12, 3, 12, 12);
    p.setPen(QPen(inside ? QColor(0, 128, 0) : QColor(0, 0, 192), 2));
    if (inside) {
        p.drawLine(5, 8, 10, 8);
    } else {
        p.drawLine(0, 8, 15, 8);
    }
    return picture;
}

/// The column factors of the layout, simple and advanced.
constexpr std::array<double, 9> simpleWidths = {0, 0.2, 0.2, 0.2, 0.19, 0.18, 0, 0, 0};
constexpr std::array<double, 9> advancedWidths = {0, 0.12, 0.1, 0.1, 0, 0.19, 0.19, 0.23, 0};

} // namespace

uctlCompositionGrid::uctlCompositionGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("uctlCompositionGrid"));
    m_images.add(QStringLiteral("inside"), methodPicture(true));
    m_images.add(QStringLiteral("outside"), methodPicture(false));

    m_grid = new controls::Grid(this);
    m_grid->setObjectName(QStringLiteral("grdSearch"));
    m_grid->setCols(ColCount);
    m_grid->setRows(2);
    m_grid->setFixedRows(1);
    m_grid->setColAlignment(ColElement, controls::CellAlign::LeftCenter);
    for (int col = ColMin; col <= ColTolMax; ++col) {
        m_grid->setColAlignment(col, controls::CellAlign::RightCenter);
    }
    m_grid->setColAlignment(ColPicture, controls::CellAlign::CenterCenter);
    m_grid->setScrollBars(controls::ScrollBars::Vertical);
    const QStringList heads = {QString(),
                               QStringLiteral("Element"),
                               QStringLiteral("Min"),
                               QStringLiteral("Max"),
                               QStringLiteral("Wert"),
                               QStringLiteral("Toleranz"),
                               QStringLiteral("Toleranz max."),
                               QStringLiteral("Methode"),
                               QString()};
    for (int col = 0; col < ColCount; ++col) {
        m_grid->setTextMatrix(0, col, heads[col]);
    }

    m_cboElement = new QComboBox(this);
    m_cboElement->setObjectName(QStringLiteral("cboElement"));
    m_txtElement = new QLineEdit(this);
    m_txtElement->setObjectName(QStringLiteral("txtElement"));
    m_txtElement->installEventFilter(this);
    controls::FocusColour::attach(*m_txtElement);
    controls::FocusColour::attach(*m_cboElement);
    for (std::size_t i = 0; i < m_txtItem.size(); ++i) {
        auto* field = new controls::NumEntry(this);
        field->setObjectName(QStringLiteral("txtItem"));
        field->setProperty("index", static_cast<int>(i));
        const bool tolerance = i >= 3;
        field->setFrontNumbers(3);
        field->setBackNumbers(tolerance ? 2 : 4);
        field->setMax(tolerance ? 999 : 100);
        field->setAllowNegative(false);
        field->setAlignmentCode(1);
        // Tab moves to the next cell as Enter does, not along Qt's focus chain.
        field->setOwnerHandlesTab(true);
        m_txtItem[i] = field;
    }
    m_cboSearchMethod = new controls::ImageCombo(this);
    m_cboSearchMethod->setObjectName(QStringLiteral("cboSearchMethod"));
    m_cboSearchMethod->addKeyedItem(QStringLiteral("inside"), QString(), QIcon(m_images.picture("inside")));
    m_cboSearchMethod->addKeyedItem(QStringLiteral("outside"), QString(), QIcon(m_images.picture("outside")));
    m_cboSearchMethod->setSelectedKey(QStringLiteral("outside"));
    m_txtWorkaround1 = new QLineEdit(QStringLiteral("only for Workaround"), this);
    m_txtWorkaround1->setObjectName(QStringLiteral("txtWorkaround1"));
    m_txtWorkaround1->setGeometry(-100, -100, 10, 10);
    m_txtWorkaround1->setFocusPolicy(Qt::NoFocus);
    hideEditors();

    connect(m_grid, &controls::Grid::EnterCell, this, [this] {
        if (!m_loading) {
            showEditor();
        }
    });
    connect(m_grid, &controls::Grid::KeyDown, this, [this](int key, int) {
        if (key == controls::KeyCode::Return) {
            showEditor();
        }
    });
    for (std::size_t i = 0; i < m_txtItem.size(); ++i) {
        auto* field = m_txtItem[i];
        const int index = static_cast<int>(i);
        connect(field, &controls::NumEntry::GotFocus, this,
                [field] { field->setBackColor(controls::FocusColour::lit()); });
        connect(field, &controls::NumEntry::LostFocus, this, [this, field, index] {
            field->setBackColor(Qt::white);
            commitNumber(index);
        });
        connect(field, &controls::NumEntry::Change, this, [this] { changed(); });
        connect(field, &controls::NumEntry::KeyDown, this, [this, index](int key, int shift) {
            if (key == controls::KeyCode::Return || key == controls::KeyCode::Tab) {
                commitNumber(index);
                moveNext((shift & 1) == 0);
            } else if (key == controls::KeyCode::Escape) {
                hideEditors();
            }
        });
    }
    connect(m_cboElement, &QComboBox::activated, this, [this](int index) { commitChosenElement(index); });
    connect(m_txtElement, &QLineEdit::returnPressed, this, [this] {
        if (commitTypedElement()) {
            moveNext(true);
        }
    });
    connect(m_txtElement, &QLineEdit::textEdited, this, [this] { changed(); });
    connect(m_cboSearchMethod, &controls::ImageCombo::ItemChosen, this,
            [this](const QString& key) { commitMethod(key); });
    // An editor laid over a cell would stand over another row once the grid scrolls; leaving it
    // commits what it holds.
    connect(m_grid, &controls::Grid::AfterScroll, this, [this] { hideEditors(); });
    render();
}

uctlCompositionGrid::~uctlCompositionGrid() {
    // The children go after this object: their last signals and events must not reach it.
    m_grid->disconnect(this);
    m_txtElement->removeEventFilter(this);
    for (auto* field : m_txtItem) {
        field->disconnect(this);
    }
}

void uctlCompositionGrid::setIsAdvanced(bool advanced) {
    m_rows.setAdvanced(advanced);
    layoutColumns();
    render();
}

void uctlCompositionGrid::setList(std::shared_ptr<orvik::objects::List> list) {
    m_list = std::move(list);
    m_elementsAvailable.reset();
    if (m_list) {
        m_elementsAvailable = m_list->ElementsAvailable.subscribe(
            [this](const std::shared_ptr<orvik::objects::Elements>& elements) {
                if (elements) {
                    setElements(*elements);
                }
            });
    }
}

void uctlCompositionGrid::applyCaptions() {
    if (!m_language || !m_language->LanguageClass()) {
        return;
    }
    orvik::common::qt::QtLanguageForm form(*this);
    m_language->LanguageClass()->adjustForm(form);
    if (IsAdvanced()) {
        m_grid->setTextMatrix(0, ColTolMin, text(TextID::ToleranzMin));
    }
    if (m_cboElement->count() > 0) {
        m_cboElement->setItemText(0, text(TextID::entf));
    }
}

QString uctlCompositionGrid::text(TextID id) const {
    if (!m_language || !m_language->LanguageClass()) {
        return {};
    }
    return qs(m_language->LanguageClass()->getTextFromDB(id));
}

void uctlCompositionGrid::message(const QString& textShown) {
    if (m_services.messageBoxes != nullptr) {
        m_services.messageBoxes->show(this, textShown, QString::fromLatin1(shell::contract::ProgramTitle),
                                      platform::qt::MessageBoxes::Icon::Exclamation,
                                      platform::qt::MessageBoxes::Buttons::Ok);
    }
}

void uctlCompositionGrid::setElements(const orvik::objects::Elements& elements) {
    m_known.clear();
    m_cboElement->clear();
    m_cboElement->addItem(text(TextID::entf), 9999);
    for (const auto& element : elements) {
        m_known.push_back({element->Element, element->Order});
        m_cboElement->addItem(qs(element->Element), static_cast<int>(element->Order));
    }
    // The list picked its first entry, the remove entry: an open list shows its row's element.
    const bool open = m_editRow >= 1 && m_editRow <= m_rows.count();
    m_cboElement->setCurrentIndex(
        open ? m_cboElement->findText(qs(m_rows.rows()[static_cast<std::size_t>(m_editRow - 1)].Element))
             : -1);
}

void uctlCompositionGrid::AddEmptyRow() {
    m_rows.AddEmptyRow();
    render();
}

void uctlCompositionGrid::Clear() {
    hideEditors();
    m_rows.Clear();
    render();
    m_grid->setRow(1);
    m_grid->setCol(ColElement);
}

bool uctlCompositionGrid::isValid() {
    hideEditors();
    m_rows.RemoveEmptyRows();
    render();
    return ValidateRows();
}

void uctlCompositionGrid::RemoveActiveRow() {
    hideEditors();
    m_rows.RemoveRow(dataRow());
    render();
    if (m_grid->Row() < 1) {
        m_grid->setRow(1);
    }
}

void uctlCompositionGrid::Sort() {
    m_rows.Sort();
    render();
}

bool uctlCompositionGrid::ValidateRows() {
    const auto verdict = m_rows.ValidateRows();
    render();
    if (verdict.noRows) {
        message(text(TextID::Analyse_Suchen_keine_Daten_angegeben));
    } else if (!verdict.valid) {
        message(QStringLiteral("Bei Element '") + qs(verdict.element) +
                QStringLiteral("' übersteigt der Minimal-Wert den Maximal-Wert!"));
    }
    return verdict.valid;
}

void uctlCompositionGrid::ShowComposition(const orvik::objects::ChemicalCompostion& composition) {
    m_loading = true;
    hideEditors();
    m_rows.ShowComposition(composition);
    render();
    m_grid->setRow(0);
    m_cboElement->setCurrentIndex(-1);
    m_loading = false;
}

std::shared_ptr<orvik::common::CompositionSearchItems> uctlCompositionGrid::GetCompositionSearchItems() {
    return m_rows.SearchItems();
}

bool uctlCompositionGrid::WriteFile(const QString& file, const QString& header1, const QString& header2,
                                    const QString& header3) {
    if (m_editCol >= ColMin && m_editCol <= ColTolMax) {
        commitNumber(m_editCol - ColMin);
    }
    hideEditors();
    m_rows.RemoveEmptyRows();
    Analysis analysis{ss(header1), ss(header2), ss(header3), m_rows.FileRows()};
    const bool written = AnalysisFile::Write(file.toStdString(), analysis);
    if (!written && m_services.errorWindow != nullptr) {
        m_services.errorWindow->ShowErrorForm(this, UserControlName(), QStringLiteral("WriteFile"), 75,
                                              text(TextID::Datei_kann_nicht_geschrieben_werden).arg(file));
    }
    m_rows.AddEmptyRow();
    render();
    return written;
}

void uctlCompositionGrid::LoadRows(const Analysis& analysis) {
    m_loading = true;
    hideEditors();
    const auto report = m_rows.Load(analysis.Rows, m_known);
    if (m_rows.count() == 0) {
        m_rows.AddEmptyRow();
    }
    render();
    m_loading = false;
    QStringList names;
    for (const auto& name : report.unknownElements) {
        names << qs(name);
    }
    if (!names.isEmpty()) {
        message(text(TextID::ElementNichtVorhanden) + QStringLiteral(": ") +
                names.join(QStringLiteral(", ")));
    }
    QStringList bad;
    for (const auto& name : report.badValues) {
        bad << qs(name);
    }
    if (!bad.isEmpty()) {
        message(text(TextID::Fehlerhafter_Aufbau_einer_gespeicherten_Analysedatei) + QStringLiteral(": ") +
                bad.join(QStringLiteral(", ")));
    }
}

void uctlCompositionGrid::ChangeElementEntry() {
    hideEditors();
    if (m_grid->Col() == ColElement && m_grid->Row() >= 1) {
        showEditor();
    }
}

void uctlCompositionGrid::editCell(int row, int col) {
    m_grid->setRow(row);
    m_grid->setCol(col);
    showEditor();
}

void uctlCompositionGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_grid->setGeometry(rect());
    layoutColumns();
}

QRect uctlCompositionGrid::currentCell() const {
    const QRect cell(controls::twipsToPixels(m_grid->CellLeft()), controls::twipsToPixels(m_grid->CellTop()),
                     controls::twipsToPixels(m_grid->CellWidth()),
                     controls::twipsToPixels(m_grid->CellHeight()));
    return cell.translated(m_grid->pos());
}

std::vector<QWidget*> uctlCompositionGrid::editors() const {
    std::vector<QWidget*> all = {m_cboElement, m_txtElement, m_cboSearchMethod};
    all.insert(all.end(), m_txtItem.begin(), m_txtItem.end());
    return all;
}

void uctlCompositionGrid::layoutColumns() {
    const auto& factors = IsAdvanced() ? advancedWidths : simpleWidths;
    const int usable = controls::pixelsToTwips(width()) - 110;
    for (int col = 0; col < ColCount; ++col) {
        m_grid->setColWidth(col, static_cast<int>(usable * factors[static_cast<std::size_t>(col)]));
    }
    // The open editor stays over its cell, whose width follows the grid's. It may have been opened
    // while the panel was hidden (behind the other tab), before the columns had their widths: open
    // is "not hidden", as a hidden parent leaves it invisible.
    for (auto* editor : editors()) {
        if (!editor->isHidden()) {
            editor->setGeometry(currentCell());
        }
    }
}

void uctlCompositionGrid::render() {
    const auto& rows = m_rows.rows();
    m_grid->setRows(static_cast<int>(rows.size()) + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const auto& row = rows[i];
        const std::array<const std::string*, 7> cells = {
            &row.Order,       &row.Element,      &row.MinValue,    &row.MaxValue,
            &row.SingleValue, &row.ToleranceMin, &row.ToleranceMax};
        for (int col = 0; col < 7; ++col) {
            m_grid->setTextMatrix(r, col, qs(*cells[static_cast<std::size_t>(col)]));
        }
        m_grid->setTextMatrix(r, ColMethod, qs(row.SearchMethod));
        m_grid->cells().setCellPicture(r, ColPicture,
                                       IsAdvanced() ? m_images.picture(qs(row.SearchMethod)) : QPixmap());
    }
}

void uctlCompositionGrid::hideEditors() {
    for (auto* editor : editors()) {
        editor->hide();
    }
    m_editRow = -1;
    m_editCol = -1;
}

int uctlCompositionGrid::dataRow() const {
    return m_grid->Row() - 1;
}

void uctlCompositionGrid::showEditor() {
    const int row = m_grid->Row();
    const int col = m_grid->Col();
    if (row < 1 || col < ColElement || m_grid->ColWidth(col) <= 0 || !isEnabled()) {
        return;
    }
    hideEditors();
    QWidget* editor = nullptr;
    const auto& current = m_rows.rows()[static_cast<std::size_t>(row - 1)];
    if (col == ColElement) {
        if (orvik::common::ProgrammSettings().DirectElementInput()) {
            m_txtElement->setText(qs(current.Element));
            editor = m_txtElement;
        } else {
            m_cboElement->setCurrentIndex(m_cboElement->findText(qs(current.Element)));
            editor = m_cboElement;
        }
    } else if (col >= ColMin && col <= ColTolMax) {
        auto* field = m_txtItem[static_cast<std::size_t>(col - ColMin)];
        const std::array<const std::string*, 5> values = {&current.MinValue, &current.MaxValue,
                                                          &current.SingleValue, &current.ToleranceMin,
                                                          &current.ToleranceMax};
        field->setEntryText(qs(*values[static_cast<std::size_t>(col - ColMin)]));
        editor = field;
    } else if (col == ColPicture) {
        m_cboSearchMethod->setSelectedKey(qs(current.SearchMethod));
        editor = m_cboSearchMethod;
    }
    if (editor == nullptr) {
        return;
    }
    m_editRow = row;
    m_editCol = col;
    editor->setProperty("tag", QStringLiteral("%1|%2").arg(row).arg(col));
    editor->setGeometry(currentCell());
    editor->show();
    editor->raise();
    editor->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
    }
}

void uctlCompositionGrid::commitNumber(int index) {
    const int col = ColMin + index;
    if (m_editCol != col || m_editRow < 1) {
        return;
    }
    const int row = m_editRow - 1;
    m_rows.SetValue(row, static_cast<CriteriaField>(col),
                    ss(m_txtItem[static_cast<std::size_t>(index)]->text()));
    render();
}

void uctlCompositionGrid::commitChosenElement(int index) {
    if (m_editRow < 1 || index < 0) {
        return;
    }
    const int row = m_editRow - 1;
    if (index == 0) {
        // The first entry removes the row.
        RemoveActiveRow();
        changed();
        return;
    }
    const auto symbol = ss(m_cboElement->itemText(index));
    if (!m_rows.SetElement(row, symbol, m_cboElement->itemData(index).toInt())) {
        message(text(TextID::Das_Element_darf_nur_einmal_vorhanden_sein));
        m_cboElement->setCurrentIndex(
            m_cboElement->findText(qs(m_rows.rows()[static_cast<std::size_t>(row)].Element)));
        return;
    }
    render();
    changed();
    moveNext(true);
}

bool uctlCompositionGrid::commitTypedElement() {
    if (m_editRow < 1 || m_editCol != ColElement) {
        return false;
    }
    const int row = m_editRow - 1;
    const auto typed = m_txtElement->text().trimmed();
    if (typed.isEmpty()) {
        return true;
    }
    const auto entry = std::find_if(m_known.begin(), m_known.end(), [&](const KnownElement& e) {
        return qs(e.Symbol).compare(typed, Qt::CaseInsensitive) == 0;
    });
    // Emptied before the message: the message box takes the focus, and leaving the field commits.
    if (entry == m_known.end()) {
        m_txtElement->clear();
        message(text(TextID::ElementNichtVorhanden));
        return false;
    }
    if (entry->Symbol == m_rows.rows()[static_cast<std::size_t>(row)].Element) {
        return true;
    }
    if (!m_rows.SetElement(row, entry->Symbol, entry->Order)) {
        m_txtElement->clear();
        message(text(TextID::Das_Element_darf_nur_einmal_vorhanden_sein));
        return false;
    }
    render();
    changed();
    return true;
}

bool uctlCompositionGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtElement && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
        // Leaving the field commits the element as Enter does; a refused one keeps the focus there.
        if (!commitTypedElement() && m_txtElement->isVisible()) {
            QTimer::singleShot(0, m_txtElement,
                               [field = m_txtElement] { field->setFocus(Qt::OtherFocusReason); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void uctlCompositionGrid::commitMethod(const QString& key) {
    if (m_editRow < 1) {
        return;
    }
    m_rows.SetSearchMethod(m_editRow - 1, ss(key));
    render();
    moveNext(true);
}

int uctlCompositionGrid::lastVisibleCol() const {
    for (int col = ColCount - 1; col > ColElement; --col) {
        if (m_grid->ColWidth(col) >= 1) {
            return col;
        }
    }
    return ColElement;
}

void uctlCompositionGrid::moveNext(bool forward) {
    int row = m_editRow >= 1 ? m_editRow : m_grid->Row();
    int col = m_editCol >= 1 ? m_editCol : m_grid->Col();
    hideEditors();
    const int last = lastVisibleCol();
    do {
        col += forward ? 1 : -1;
    } while (col > ColElement && col < last && m_grid->ColWidth(col) < 1);
    if (col > last) {
        col = ColElement;
        ++row;
    } else if (col < ColElement) {
        if (row <= 1) {
            col = ColElement;
        } else {
            col = last;
            --row;
        }
    }
    if (row > m_rows.count()) {
        m_rows.AddEmptyRow("9999");
        render();
    }
    m_grid->setRow(row);
    m_grid->setCol(col);
    showEditor();
}

void uctlCompositionGrid::changed() {
    if (!m_loading) {
        emit CompositionChanged();
    }
}

} // namespace composition
