#include "Grid.h"

#include "KeyCodes.h"
#include "Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <set>

namespace controls {

namespace {

constexpr int CellPadding = 8; // pixels beside the widest text when fitting a column

void prepareView(QTableView& view) {
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.horizontalHeader()->setMinimumSectionSize(1);
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setWordWrap(false);
    view.setCornerButtonEnabled(false);
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

QString longestLine(const QString& text, const QFontMetrics& metrics) {
    QString widest;
    int best = -1;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = QString(line).remove(QLatin1Char('\r'));
        const int w = metrics.horizontalAdvance(trimmed);
        if (w > best) {
            best = w;
            widest = trimmed;
        }
    }
    return widest;
}

// Pixels of the text's longest line.
int textWidth(const QString& text, const QFontMetrics& metrics) {
    return text.isEmpty() ? 0 : metrics.horizontalAdvance(longestLine(text, metrics));
}

} // namespace

Grid::Grid(QWidget* parent) : QTableView(parent) {
    prepareView(*this);
    setModel(&m_model);
    m_delegate = new GridDelegate(this);
    setItemDelegate(m_delegate);
    setMouseTracking(true);
    setTabKeyNavigation(false); // Tab leaves the grid, as with the other controls of a window

    m_fixed = new QTableView(this);
    prepareView(*m_fixed);
    m_fixed->setModel(&m_model);
    m_fixed->setItemDelegate(m_delegate);
    m_fixed->setFocusPolicy(Qt::NoFocus);
    m_fixed->setSelectionMode(QAbstractItemView::NoSelection);
    m_fixed->setFrameShape(QFrame::NoFrame);
    m_fixed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixed->setMouseTracking(true);
    m_fixed->viewport()->installEventFilter(this);
    m_fixed->hide();

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int col, int, int size) { m_fixed->setColumnWidth(col, size); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_fixed->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &Grid::scrolled);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &Grid::scrolled);
    connect(&m_model, &GridModel::spansChanged, this, &Grid::scheduleSpans);
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, &Grid::structureChanged);
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, &Grid::structureChanged);
    connect(&m_model, &QAbstractItemModel::columnsInserted, this, &Grid::structureChanged);
    connect(&m_model, &QAbstractItemModel::columnsRemoved, this, &Grid::structureChanged);
    connect(&m_model, &QAbstractItemModel::layoutChanged, this, &Grid::syncCurrent);

    updateRowSizes();
    setSelection(GridSelection::Free);
}

Grid::~Grid() {
    // The views must let go of the model before it goes, as it is a member destroyed before them.
    m_fixed->setModel(nullptr);
    setModel(nullptr);
}

void Grid::setRows(int rows) {
    m_model.setRows(rows);
}

void Grid::setCols(int cols) {
    m_model.setCols(cols);
}

void Grid::setFixedRows(int rows) {
    m_model.setFixedRows(rows);
    syncFixedRows();
}

void Grid::setFixedCols(int cols) {
    m_model.setFixedCols(cols);
    syncCurrent();
}

void Grid::AddItem(const QString& text, int beforeRow) {
    m_model.addItem(text, beforeRow);
}

void Grid::RemoveItem(int row) {
    m_model.removeItem(row);
}

void Grid::Clear() {
    m_model.clear();
}

void Grid::setRow(int row) {
    changeCurrent(row, m_col);
}

void Grid::setCol(int col) {
    changeCurrent(m_row, col);
}

int Grid::ColWidth(int col) const {
    if (col < 0 || col >= Cols() || isColumnHidden(col)) {
        return 0;
    }
    return pixelsToTwips(columnWidth(col));
}

void Grid::setColWidth(int col, int twips) {
    if (col < 0 || col >= Cols()) {
        return;
    }
    const bool hide = twips <= 0;
    if (!hide) {
        setColumnWidth(col, std::max(1, twipsToPixels(twips)));
    }
    setColHidden(col, hide);
}

bool Grid::ColHidden(int col) const {
    return col >= 0 && col < Cols() && isColumnHidden(col);
}

void Grid::setColHidden(int col, bool hidden) {
    if (col < 0 || col >= Cols() || isColumnHidden(col) == hidden) {
        return;
    }
    setColumnHidden(col, hidden);
    m_fixed->setColumnHidden(col, hidden);
    scheduleSpans();
}

int Grid::RowHeight(int row) const {
    if (row < 0 || row >= Rows()) {
        return 0;
    }
    return pixelsToTwips(row < FixedRows() ? m_fixed->rowHeight(row) : rowHeight(row));
}

void Grid::setRowHeight(int row, int twips) {
    if (row < 0 || row >= Rows()) {
        return;
    }
    const int pixels = std::max(twipsToPixels(twips), twipsToPixels(m_rowHeightMin));
    m_fixed->setRowHeight(row, pixels);
    if (row < FixedRows()) {
        syncFixedRows(); // the heading area follows the heights of the fixed rows
    } else {
        QTableView::setRowHeight(row, pixels);
    }
}

void Grid::setRowHeightMin(int twips) {
    m_rowHeightMin = std::max(0, twips);
    updateRowSizes();
}

void Grid::AutoSize(int col1, int col2) {
    const auto spans = m_model.mergedSpans([this](int c) { return !isColumnHidden(c); });
    std::set<std::pair<int, int>> merged;
    for (const auto& span : spans) {
        for (int c = span.col; c < span.col + span.cols; ++c) {
            merged.emplace(span.row, c);
        }
    }
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics plainMetrics(font());
    const QFontMetrics boldMetrics(bold);
    for (int col = std::max(0, col1); col <= std::min(col2, Cols() - 1); ++col) {
        if (isColumnHidden(col)) {
            continue;
        }
        int widest = 0;
        for (int row = 0; row < Rows(); ++row) {
            if (merged.count({row, col}) != 0) {
                continue;
            }
            const QFontMetrics& metrics = m_model.cellBold(row, col) ? boldMetrics : plainMetrics;
            int width = textWidth(m_model.text(row, col), metrics);
            const QPixmap picture = m_model.cellPicture(row, col);
            width = std::max(width, static_cast<int>(picture.deviceIndependentSize().width()));
            widest = std::max(widest, width);
        }
        setColumnWidth(col, widest + CellPadding);
    }
}

int Grid::cellTextWidth(int row, int col) const {
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols() || m_model.text(row, col).isEmpty()) {
        return 0;
    }
    QFont cellFont = font();
    cellFont.setBold(m_model.cellBold(row, col));
    return pixelsToTwips(textWidth(m_model.text(row, col), QFontMetrics(cellFont)) + CellPadding);
}

bool Grid::cellTextCut(int row, int col) {
    if (m_spansDirty) {
        applySpans();
    }
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols() || m_model.text(row, col).isEmpty()) {
        return false;
    }
    const QTableView& view = row < FixedRows() ? *m_fixed : static_cast<const QTableView&>(*this);
    QRect cell = view.visualRect(m_model.index(row, col));
    if (cell.isEmpty()) {
        return false; // a hidden row or column shows nothing to cut
    }
    if (view.showGrid()) {
        cell.adjust(0, 0, 1, 1); // the cell's own grid line belongs to it, as with the column width
    }
    const bool oneLineFits = cell.width() >= twipsToPixels(cellTextWidth(row, col));
    if (!oneLineFits && !view.wordWrap()) {
        return true;
    }
    // The lines the cell paints: its own line breaks, and with word wrap those its width makes.
    const bool wraps = !oneLineFits;
    const int wrapWidth = wraps ? std::max(1, cell.width() - CellPadding) : 1 << 20;
    QFont cellFont = font();
    cellFont.setBold(m_model.cellBold(row, col));
    const QRect lines = QFontMetrics(cellFont).boundingRect(
        QRect(0, 0, wrapWidth, 1 << 20), wraps ? Qt::TextWordWrap : 0, m_model.text(row, col));
    return cell.height() < lines.height() || (wraps && wrapWidth < lines.width());
}

int Grid::RowPos(int row) const {
    if (row < 0 || row >= Rows()) {
        return 0;
    }
    if (row < FixedRows()) {
        return pixelsToTwips(m_fixed->geometry().y() + m_fixed->rowViewportPosition(row));
    }
    return pixelsToTwips(viewport()->geometry().y() + rowViewportPosition(row));
}

bool Grid::RowHidden(int row) const {
    return row >= FixedRows() && row < Rows() && isRowHidden(row);
}

void Grid::setRowHidden(int row, bool hidden) {
    if (row >= FixedRows() && row < Rows()) {
        QTableView::setRowHidden(row, hidden);
    }
}

bool Grid::RowIsVisible(int row) const {
    if (row < 0 || row >= Rows()) {
        return false;
    }
    if (row < FixedRows()) {
        return m_fixed->isVisible();
    }
    if (isRowHidden(row)) {
        return false;
    }
    const int top = rowViewportPosition(row);
    return top >= 0 && top + rowHeight(row) <= viewport()->height();
}

int Grid::TopRow() const {
    const int row = rowAt(0);
    if (row >= 0) {
        return row;
    }
    return Rows() > FixedRows() ? FixedRows() : -1;
}

void Grid::setTopRow(int row) {
    const int col = firstShownCol();
    if (row < FixedRows() || row >= Rows() || col < 0) {
        return;
    }
    const int left = horizontalScrollBar()->value();
    scrollTo(m_model.index(row, col), QAbstractItemView::PositionAtTop);
    horizontalScrollBar()->setValue(left); // only the rows scroll
}

int Grid::LeftCol() const {
    const int col = columnAt(0);
    return col >= 0 ? col : 0;
}

int Grid::ColSpan(int row, int col) {
    if (m_spansDirty) {
        applySpans();
    }
    return row < FixedRows() ? m_fixed->columnSpan(row, col) : columnSpan(row, col);
}

void Grid::Sort(SortOrder order, int col) {
    if (order == SortOrder::Custom) {
        m_model.sortCustom(m_compare);
    } else {
        m_model.sort(order, col);
    }
}

void Grid::Select(int row1, int col1, int row2, int col2) {
    changeCurrent(row1, col1);
    row2 = row2 < 0 ? row1 : row2;
    col2 = col2 < 0 ? col1 : col2;
    if (row1 < FixedRows() || row2 >= Rows() || col1 < 0 || col2 >= Cols()) {
        return;
    }
    const QItemSelection range(m_model.index(std::min(row1, row2), std::min(col1, col2)),
                               m_model.index(std::max(row1, row2), std::max(col1, col2)));
    selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
}

std::vector<int> Grid::SelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
    }
    return {rows.begin(), rows.end()};
}

void Grid::setHighLight(HighLight mode) {
    m_delegate->setHighLight(mode);
    viewport()->update();
}

void Grid::setSelection(GridSelection mode) {
    m_selection = mode;
    switch (mode) {
    case GridSelection::Free:
        setSelectionMode(QAbstractItemView::ContiguousSelection);
        setSelectionBehavior(QAbstractItemView::SelectItems);
        break;
    case GridSelection::ByRow:
        setSelectionMode(QAbstractItemView::ContiguousSelection);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        break;
    case GridSelection::ListBox:
        setSelectionMode(QAbstractItemView::ExtendedSelection);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        break;
    }
}

void Grid::setScrollBars(controls::ScrollBars bars) {
    m_scrollBars = bars;
    const bool vertical = bars == controls::ScrollBars::Vertical || bars == controls::ScrollBars::Both;
    const bool horizontal = bars == controls::ScrollBars::Horizontal || bars == controls::ScrollBars::Both;
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

int Grid::captionColWidth(int col) const {
    return ColWidth(col) / orvik::common::qt::TwipsPerPixel;
}

void Grid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (m_syncing || !current.isValid() || (current.row() == m_row && current.column() == m_col)) {
        return;
    }
    m_noCurrent = false;
    m_row = current.row();
    m_col = current.column();
    emit RowColChange();
    emit EnterCell();
}

void Grid::updateGeometries() {
    QTableView::updateGeometries();
    if (m_fixed == nullptr) {
        return;
    }
    if (horizontalHeader()->isVisible()) {
        m_fixed->setGeometry(horizontalHeader()->geometry());
        m_fixed->show();
        m_fixed->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    } else {
        m_fixed->hide();
    }
}

void Grid::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(keyCodeOf(*event), shiftStateOf(event->modifiers()));
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127) {
        emit KeyPress(text.at(0).unicode());
    } else if (keyCodeOf(*event) == KeyCode::Return) {
        emit KeyPress(KeyCode::Return);
    }
    if (keyCodeOf(*event) == KeyCode::Return) {
        event->accept(); // Enter belongs to the grid's owner, not to a default button of the window
        return;
    }
    QTableView::keyPressEvent(event);
}

void Grid::mousePressEvent(QMouseEvent* event) {
    trackMouse(*this, event->position().toPoint());
    const QPoint at = viewport()->mapTo(this, event->position().toPoint());
    emit MouseDown(mouseButtonsOf(event->buttons()), shiftStateOf(event->modifiers()), pixelsToTwips(at.x()),
                   pixelsToTwips(at.y()));
    QTableView::mousePressEvent(event);
}

void Grid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint())) {
        emit Click();
    }
}

void Grid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit DblClick();
    }
}

void Grid::mouseMoveEvent(QMouseEvent* event) {
    trackMouse(*this, event->position().toPoint());
    const QPoint at = viewport()->mapTo(this, event->position().toPoint());
    emit MouseMove(mouseButtonsOf(event->buttons()), shiftStateOf(event->modifiers()), pixelsToTwips(at.x()),
                   pixelsToTwips(at.y()));
    QTableView::mouseMoveEvent(event);
}

void Grid::leaveEvent(QEvent* event) {
    m_mouseRow = -1;
    m_mouseCol = -1;
    QTableView::leaveEvent(event);
}

void Grid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateRowSizes();
    }
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
    if (m_fixed != nullptr && watched == m_fixed->viewport()) {
        const auto type = event->type();
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            trackMouse(*m_fixed, mouse->position().toPoint());
            const QPoint at = m_fixed->viewport()->mapTo(this, mouse->position().toPoint());
            const int button = mouseButtonsOf(mouse->buttons());
            const int shift = shiftStateOf(mouse->modifiers());
            if (type == QEvent::MouseMove) {
                emit MouseMove(button, shift, pixelsToTwips(at.x()), pixelsToTwips(at.y()));
            } else {
                emit MouseDown(button, shift, pixelsToTwips(at.x()), pixelsToTwips(at.y()));
            }
        } else if (type == QEvent::MouseButtonRelease) {
            emit Click();
        } else if (type == QEvent::Leave) {
            m_mouseRow = -1;
            m_mouseCol = -1;
        } else if (type == QEvent::ToolTip) {
            showCutText(*m_fixed, *static_cast<QHelpEvent*>(event));
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

bool Grid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        showCutText(*this, *static_cast<QHelpEvent*>(event));
        return true;
    }
    return QTableView::viewportEvent(event);
}

void Grid::showCutText(const QTableView& view, const QHelpEvent& event) {
    const QModelIndex index = view.indexAt(event.pos());
    if (!index.isValid() || !cellTextCut(index.row(), index.column())) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(event.globalPos(), m_model.text(index.row(), index.column()), view.viewport(),
                       view.visualRect(index));
}

void Grid::structureChanged() {
    syncFixedRows();
    syncCurrent();
}

void Grid::syncFixedRows() {
    const int fixed = std::min(FixedRows(), Rows());
    // Rows that were fixed before and are data rows now become visible again.
    for (int row = fixed; row < std::min(Rows(), fixed + m_hiddenFixed); ++row) {
        QTableView::setRowHidden(row, false);
    }
    int height = 0;
    for (int row = 0; row < fixed; ++row) {
        QTableView::setRowHidden(row, true);
        height += m_fixed->rowHeight(row);
    }
    m_hiddenFixed = fixed;
    if (fixed > 0) {
        horizontalHeader()->setFixedHeight(height);
        horizontalHeader()->show();
    } else {
        horizontalHeader()->hide();
    }
    updateGeometries();
    scheduleSpans();
}

void Grid::syncCurrent() {
    if (Rows() == 0 || Cols() == 0) {
        m_row = -1;
        m_col = -1;
        return;
    }
    if (m_noCurrent) {
        return; // the window cleared the current cell; it stays cleared until set again
    }
    const int row = std::clamp(m_row < 0 ? FixedRows() : m_row, 0, Rows() - 1);
    const int col = std::clamp(m_col < 0 ? FixedCols() : m_col, 0, Cols() - 1);
    m_row = row;
    m_col = col;
    m_syncing = true;
    if (row >= FixedRows() && col >= FixedCols()) {
        selectionModel()->setCurrentIndex(m_model.index(row, col), QItemSelectionModel::NoUpdate);
    }
    m_syncing = false;
}

void Grid::changeCurrent(int row, int col) {
    if (Rows() == 0 || Cols() == 0) {
        return;
    }
    if (row < 0) {
        clearCurrent();
        return;
    }
    m_noCurrent = false;
    row = std::clamp(row, 0, Rows() - 1);
    col = std::clamp(col, 0, Cols() - 1);
    if (row == m_row && col == m_col) {
        return;
    }
    m_row = row;
    m_col = col;
    m_syncing = true;
    if (row >= FixedRows() && col >= FixedCols()) {
        const auto behaviour = selectionBehavior() == QAbstractItemView::SelectRows
                                   ? QItemSelectionModel::Rows
                                   : QItemSelectionModel::NoUpdate;
        selectionModel()->setCurrentIndex(m_model.index(row, col),
                                          QItemSelectionModel::ClearAndSelect | behaviour);
    } else {
        selectionModel()->clearCurrentIndex();
    }
    m_syncing = false;
    emit RowColChange();
    emit EnterCell();
}

void Grid::clearCurrent() {
    if (m_row < 0) {
        return;
    }
    m_row = -1;
    m_noCurrent = true;
    m_syncing = true;
    selectionModel()->clear();
    m_syncing = false;
    emit RowColChange();
}

void Grid::scheduleSpans() {
    if (m_spansDirty) {
        return;
    }
    m_spansDirty = true;
    QTimer::singleShot(0, this, &Grid::applySpans);
}

void Grid::applySpans() {
    if (!m_spansDirty) {
        return;
    }
    m_spansDirty = false;
    clearSpans();
    m_fixed->clearSpans();
    const int fixed = FixedRows();
    for (const auto& span : m_model.mergedSpans([this](int c) { return !isColumnHidden(c); })) {
        QTableView& view = span.row < fixed ? *m_fixed : *this;
        view.setSpan(span.row, span.col, 1, span.cols);
    }
}

void Grid::scrolled() {
    const int top = TopRow();
    const int left = LeftCol();
    if (top == m_lastTop && left == m_lastLeft) {
        return;
    }
    const int oldTop = m_lastTop < 0 ? FixedRows() : m_lastTop;
    const int oldLeft = m_lastLeft < 0 ? 0 : m_lastLeft;
    m_lastTop = top;
    m_lastLeft = left;
    emit AfterScroll(oldTop, oldLeft, top, left);
}

void Grid::trackMouse(const QAbstractItemView& view, const QPoint& viewportPos) {
    const auto& table = static_cast<const QTableView&>(view);
    m_mouseRow = table.rowAt(viewportPos.y());
    m_mouseCol = table.columnAt(viewportPos.x());
}

void Grid::updateRowSizes() {
    const int minimum = twipsToPixels(m_rowHeightMin);
    const int standard = std::max(fontMetrics().height() + 4, minimum);
    for (QTableView* view : {static_cast<QTableView*>(this), m_fixed}) {
        view->verticalHeader()->setMinimumSectionSize(std::max(1, minimum));
        view->verticalHeader()->setDefaultSectionSize(standard);
    }
    syncFixedRows();
}

QRect Grid::cellRect() const {
    if (m_row < 0 || m_col < 0) {
        return {};
    }
    const bool fixed = m_row < FixedRows();
    const QTableView& view = fixed ? *m_fixed : static_cast<const QTableView&>(*this);
    QRect rect = view.visualRect(m_model.index(m_row, m_col));
    if (showGrid()) {
        rect.adjust(0, 0, 1, 1); // the cell's own grid line belongs to it, as with the column width
    }
    return {view.viewport()->mapTo(this, rect.topLeft()), rect.size()};
}

QRect Grid::cellRectTwips() const {
    const QRect rect = cellRect();
    return {pixelsToTwips(rect.x()), pixelsToTwips(rect.y()), pixelsToTwips(rect.width()),
            pixelsToTwips(rect.height())};
}

int Grid::firstShownCol() const {
    for (int col = 0; col < Cols(); ++col) {
        if (!isColumnHidden(col)) {
            return col;
        }
    }
    return -1;
}

} // namespace controls
