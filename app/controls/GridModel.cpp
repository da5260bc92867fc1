#include "GridModel.h"

#include "platform/UserLocale.h"
#include "platform/VbConvert.h"

#include <QFont>
#include <algorithm>
#include <numeric>
#include <optional>

namespace controls {

namespace {

std::optional<double> numberOf(const QString& text, const std::string& separator) {
    if (text.trimmed().isEmpty()) {
        return std::nullopt;
    }
    try {
        return platform::parseNumber(text.toStdString(), separator);
    } catch (...) {
        return std::nullopt; // beyond a Double: not a number for sorting
    }
}

int compareTexts(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

int compareNumbers(double a, double b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

/// A merge sort that stays in bounds and keeps equal rows in order even when the comparison is not
/// a consistent order (the windows' comparisons answer 0 for pairs they cannot judge).
void mergeSort(std::vector<int>& items, std::vector<int>& buffer, std::size_t begin, std::size_t end,
               const std::function<int(int, int)>& compare) {
    if (end - begin < 2) {
        return;
    }
    const std::size_t middle = begin + (end - begin) / 2;
    mergeSort(items, buffer, begin, middle, compare);
    mergeSort(items, buffer, middle, end, compare);
    std::size_t left = begin;
    std::size_t right = middle;
    std::size_t out = begin;
    while (left < middle && right < end) {
        buffer[out++] = compare(items[right], items[left]) < 0 ? items[right++] : items[left++];
    }
    while (left < middle) {
        buffer[out++] = items[left++];
    }
    while (right < end) {
        buffer[out++] = items[right++];
    }
    std::copy(buffer.begin() + static_cast<std::ptrdiff_t>(begin),
              buffer.begin() + static_cast<std::ptrdiff_t>(end),
              items.begin() + static_cast<std::ptrdiff_t>(begin));
}

} // namespace

Qt::Alignment toQtAlignment(CellAlign align) {
    const int code = static_cast<int>(align);
    if (code < 0 || code > 8) {
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
    static constexpr Qt::AlignmentFlag Horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::AlignmentFlag Vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return Horizontal[code / 3] | Vertical[code % 3];
}

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent), m_decimalSeparator(platform::UserLocale::currentDecimalSeparator()) {}

void GridModel::setDecimalSeparator(std::string separator) {
    m_decimalSeparator = separator.empty() ? std::string(".") : std::move(separator);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !valid(index.row(), index.column())) {
        return {};
    }
    const int row = index.row();
    const int col = index.column();
    const CellFormat* f = format(row, col);
    switch (role) {
    case Qt::DisplayRole: {
        QString shown = text(row, col);
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        return shown;
    }
    case Qt::TextAlignmentRole: {
        const CellAlign align = cellAlignment(row, col);
        if (align != CellAlign::General) {
            return QVariant::fromValue(toQtAlignment(align));
        }
        const bool number = numberOf(text(row, col), m_decimalSeparator).has_value();
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::FontRole:
        if (f != nullptr && f->bold) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::ForegroundRole:
        return f != nullptr && f->fore.isValid() ? QVariant(f->fore) : QVariant();
    case Qt::BackgroundRole:
        return f != nullptr && f->back.isValid() ? QVariant(f->back) : QVariant();
    case FixedRole:
        return row < m_fixedRows || col < m_fixedCols;
    case PictureRole:
        return f != nullptr && !f->picture.isNull() ? QVariant(f->picture) : QVariant();
    case PictureAlignmentRole:
        return f != nullptr ? f->pictureAlignment : static_cast<int>(CellAlign::CenterCenter);
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (index.row() < m_fixedRows || index.column() < m_fixedCols) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridModel::setRows(int rows) {
    rows = std::max(0, rows);
    const int now = this->rows();
    if (rows > now) {
        beginInsertRows({}, now, rows - 1);
        m_rows.resize(static_cast<std::size_t>(rows));
        endInsertRows();
    } else if (rows < now) {
        beginRemoveRows({}, rows, now - 1);
        m_rows.resize(static_cast<std::size_t>(rows));
        endRemoveRows();
    } else {
        return;
    }
    emit spansChanged();
}

void GridModel::setCols(int cols) {
    cols = std::max(0, cols);
    if (cols == m_cols) {
        return;
    }
    if (cols > m_cols) {
        beginInsertColumns({}, m_cols, cols - 1);
        m_cols = cols;
        m_colAlignment.resize(static_cast<std::size_t>(cols), static_cast<int>(CellAlign::General));
        endInsertColumns();
    } else {
        beginRemoveColumns({}, cols, m_cols - 1);
        m_cols = cols;
        m_colAlignment.resize(static_cast<std::size_t>(cols));
        for (Row& row : m_rows) {
            if (row.cells.size() > static_cast<std::size_t>(cols)) {
                row.cells.resize(static_cast<std::size_t>(cols));
            }
            if (row.formats.size() > static_cast<std::size_t>(cols)) {
                row.formats.resize(static_cast<std::size_t>(cols));
            }
        }
        endRemoveColumns();
    }
    emit spansChanged();
}

void GridModel::setFixedRows(int rows) {
    rows = std::max(0, rows);
    if (rows == m_fixedRows) {
        return;
    }
    const int last = std::min(std::max(rows, m_fixedRows), this->rows()) - 1;
    m_fixedRows = rows;
    if (last >= 0 && m_cols > 0) {
        emit dataChanged(index(0, 0), index(last, m_cols - 1));
    }
}

void GridModel::setFixedCols(int cols) {
    cols = std::max(0, cols);
    if (cols == m_fixedCols) {
        return;
    }
    const int last = std::min(std::max(cols, m_fixedCols), m_cols) - 1;
    m_fixedCols = cols;
    if (last >= 0 && rows() > 0) {
        emit dataChanged(index(0, 0), index(rows() - 1, last));
    }
}

QString GridModel::text(int row, int col) const {
    if (!valid(row, col)) {
        return {};
    }
    const auto& cells = m_rows[static_cast<std::size_t>(row)].cells;
    return static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)] : QString();
}

void GridModel::setText(int row, int col, const QString& text) {
    if (!valid(row, col)) {
        return;
    }
    Row& r = m_rows[static_cast<std::size_t>(row)];
    // A row written before the column count grew holds fewer cells than the grid has columns.
    if (static_cast<std::size_t>(col) >= r.cells.size()) {
        if (text.isEmpty()) {
            return;
        }
        r.cells.resize(static_cast<std::size_t>(m_cols));
    }
    QString& cell = r.cells[static_cast<std::size_t>(col)];
    if (cell == text) {
        return;
    }
    cell = text;
    cellChanged(row, col, Qt::DisplayRole);
    if (r.merge) {
        emit spansChanged();
    }
}

void GridModel::addItem(const QString& tabbedText, int beforeRow) {
    const int at = beforeRow < 0 || beforeRow > rows() ? rows() : beforeRow;
    Row row;
    const QStringList parts = tabbedText.split(QLatin1Char('\t'));
    if (!tabbedText.isEmpty() && m_cols > 0) {
        row.cells.resize(static_cast<std::size_t>(m_cols));
        for (int c = 0; c < std::min<int>(m_cols, static_cast<int>(parts.size())); ++c) {
            row.cells[static_cast<std::size_t>(c)] = parts[c];
        }
    }
    beginInsertRows({}, at, at);
    m_rows.insert(m_rows.begin() + at, std::move(row));
    endInsertRows();
    emit spansChanged();
}

void GridModel::removeItem(int row) {
    if (row < 0 || row >= rows()) {
        return;
    }
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    emit spansChanged();
}

void GridModel::clear() {
    for (Row& row : m_rows) {
        row.cells.clear();
        row.formats.clear();
    }
    if (rows() > 0 && m_cols > 0) {
        emit dataChanged(index(0, 0), index(rows() - 1, m_cols - 1));
    }
    emit spansChanged();
}

CellAlign GridModel::colAlignment(int col) const {
    if (col < 0 || col >= m_cols) {
        return CellAlign::General;
    }
    return static_cast<CellAlign>(m_colAlignment[static_cast<std::size_t>(col)]);
}

void GridModel::setColAlignment(int col, CellAlign align) {
    if (col < 0 || col >= m_cols) {
        return;
    }
    m_colAlignment[static_cast<std::size_t>(col)] = static_cast<int>(align);
    if (rows() > 0) {
        emit dataChanged(index(0, col), index(rows() - 1, col), {Qt::TextAlignmentRole});
    }
}

CellAlign GridModel::cellAlignment(int row, int col) const {
    const CellFormat* f = format(row, col);
    return f != nullptr && f->alignment >= 0 ? static_cast<CellAlign>(f->alignment) : colAlignment(col);
}

void GridModel::setCellAlignment(int row, int col, CellAlign align) {
    if (CellFormat* f = formatForWrite(row, col)) {
        f->alignment = static_cast<int>(align);
        cellChanged(row, col, Qt::TextAlignmentRole);
    }
}

bool GridModel::cellBold(int row, int col) const {
    const CellFormat* f = format(row, col);
    return f != nullptr && f->bold;
}

void GridModel::setCellBold(int row, int col, bool bold) {
    if (CellFormat* f = formatForWrite(row, col)) {
        f->bold = bold;
        cellChanged(row, col, Qt::FontRole);
    }
}

QColor GridModel::cellForeColor(int row, int col) const {
    const CellFormat* f = format(row, col);
    return f != nullptr ? f->fore : QColor();
}

void GridModel::setCellForeColor(int row, int col, const QColor& color) {
    if (CellFormat* f = formatForWrite(row, col)) {
        f->fore = color;
        cellChanged(row, col, Qt::ForegroundRole);
    }
}

QColor GridModel::cellBackColor(int row, int col) const {
    const CellFormat* f = format(row, col);
    return f != nullptr ? f->back : QColor();
}

void GridModel::setCellBackColor(int row, int col, const QColor& color) {
    if (CellFormat* f = formatForWrite(row, col)) {
        f->back = color;
        cellChanged(row, col, Qt::BackgroundRole);
    }
}

QPixmap GridModel::cellPicture(int row, int col) const {
    const CellFormat* f = format(row, col);
    return f != nullptr ? f->picture : QPixmap();
}

void GridModel::setCellPicture(int row, int col, const QPixmap& picture) {
    if (CellFormat* f = formatForWrite(row, col)) {
        f->picture = picture;
        cellChanged(row, col, PictureRole);
    }
}

CellAlign GridModel::cellPictureAlignment(int row, int col) const {
    const CellFormat* f = format(row, col);
    return f != nullptr ? static_cast<CellAlign>(f->pictureAlignment) : CellAlign::CenterCenter;
}

void GridModel::setCellPictureAlignment(int row, int col, CellAlign align) {
    if (CellFormat* f = formatForWrite(row, col)) {
        f->pictureAlignment = static_cast<int>(align);
        cellChanged(row, col, PictureAlignmentRole);
    }
}

void GridModel::setMergeCells(MergeMode mode) {
    if (mode != m_mergeMode) {
        m_mergeMode = mode;
        emit spansChanged();
    }
}

bool GridModel::mergeRow(int row) const {
    return row >= 0 && row < rows() && m_rows[static_cast<std::size_t>(row)].merge;
}

void GridModel::setMergeRow(int row, bool merge) {
    if (row < 0 || row >= rows() || m_rows[static_cast<std::size_t>(row)].merge == merge) {
        return;
    }
    m_rows[static_cast<std::size_t>(row)].merge = merge;
    emit spansChanged();
}

std::vector<GridModel::Span> GridModel::mergedSpans(const std::function<bool(int col)>& isShown) const {
    std::vector<Span> spans;
    if (m_mergeMode == MergeMode::Never) {
        return spans;
    }
    for (int row = 0; row < rows(); ++row) {
        const Row& r = m_rows[static_cast<std::size_t>(row)];
        if (!r.merge || r.cells.empty()) {
            continue;
        }
        int start = -1; // first shown column of the current run
        int lastShown = -1;
        auto close = [&] {
            if (start >= 0 && lastShown > start) {
                spans.push_back({row, start, lastShown - start + 1});
            }
        };
        for (int col = 0; col < m_cols; ++col) {
            if (!isShown(col)) {
                continue;
            }
            const QString cell = text(row, col);
            if (start >= 0 && !cell.isEmpty() && cell == text(row, start)) {
                lastShown = col;
                continue;
            }
            close();
            start = cell.isEmpty() ? -1 : col;
            lastShown = col;
        }
        close();
    }
    return spans;
}

void GridModel::sort(SortOrder order, int col) {
    if (order == SortOrder::Custom || col < 0 || col >= m_cols) {
        return;
    }
    const bool descending = order == SortOrder::GenericDescending || order == SortOrder::NumericDescending ||
                            order == SortOrder::StringDescending;
    const bool numeric = order == SortOrder::NumericAscending || order == SortOrder::NumericDescending;
    const bool generic = order == SortOrder::GenericAscending || order == SortOrder::GenericDescending;
    // Each row's key is worked out once, not at every one of the many comparisons.
    struct Key {
        QString text;
        std::optional<double> number;
    };
    std::vector<Key> keys(m_rows.size());
    for (int r = m_fixedRows; r < rows(); ++r) {
        Key& key = keys[static_cast<std::size_t>(r)];
        key.text = text(r, col);
        if (numeric || generic) {
            key.number = numberOf(key.text, m_decimalSeparator);
        }
    }
    auto ascending = [&](int a, int b) {
        const Key& ka = keys[static_cast<std::size_t>(a)];
        const Key& kb = keys[static_cast<std::size_t>(b)];
        if (numeric) {
            return compareNumbers(ka.number.value_or(0.0), kb.number.value_or(0.0));
        }
        if (generic && ka.number && kb.number) {
            return compareNumbers(*ka.number, *kb.number);
        }
        return compareTexts(ka.text, kb.text);
    };
    sortCustom([&](int a, int b) { return descending ? ascending(b, a) : ascending(a, b); });
}

void GridModel::sortCustom(const RowCompare& compare) {
    if (!compare || rows() - m_fixedRows < 2) {
        return;
    }
    reorder(sortedOrder(compare));
}

int GridModel::findRow(const QString& text, int startRow, int col, bool caseSensitive) const {
    if (col < 0 || col >= m_cols) {
        return -1;
    }
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int row = std::max(startRow < 0 ? m_fixedRows : startRow, 0); row < rows(); ++row) {
        if (QString::compare(this->text(row, col), text, cs) == 0) {
            return row;
        }
    }
    return -1;
}

bool GridModel::valid(int row, int col) const {
    return row >= 0 && row < rows() && col >= 0 && col < m_cols;
}

const GridModel::CellFormat* GridModel::format(int row, int col) const {
    if (!valid(row, col)) {
        return nullptr;
    }
    const auto& formats = m_rows[static_cast<std::size_t>(row)].formats;
    return static_cast<std::size_t>(col) < formats.size() ? &formats[static_cast<std::size_t>(col)] : nullptr;
}

GridModel::CellFormat* GridModel::formatForWrite(int row, int col) {
    if (!valid(row, col)) {
        return nullptr;
    }
    auto& formats = m_rows[static_cast<std::size_t>(row)].formats;
    if (formats.size() < static_cast<std::size_t>(m_cols)) {
        formats.resize(static_cast<std::size_t>(m_cols));
    }
    return &formats[static_cast<std::size_t>(col)];
}

void GridModel::cellChanged(int row, int col, int role) {
    const QModelIndex cell = index(row, col);
    emit dataChanged(cell, cell, {role});
}

std::vector<int> GridModel::sortedOrder(const RowCompare& compare) const {
    std::vector<int> order(static_cast<std::size_t>(rows() - m_fixedRows));
    std::iota(order.begin(), order.end(), m_fixedRows);
    std::vector<int> buffer(order.size());
    mergeSort(order, buffer, 0, order.size(), compare);
    return order;
}

void GridModel::reorder(const std::vector<int>& order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(m_rows.size());
    std::iota(newRowOf.begin(), newRowOf.end(), 0);
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    for (int r = 0; r < m_fixedRows && r < rows(); ++r) {
        sorted.push_back(std::move(m_rows[static_cast<std::size_t>(r)]));
    }
    for (const int old : order) {
        newRowOf[static_cast<std::size_t>(old)] = static_cast<int>(sorted.size());
        sorted.push_back(std::move(m_rows[static_cast<std::size_t>(old)]));
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after.push_back(this->index(newRowOf[static_cast<std::size_t>(index.row())], index.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    emit spansChanged();
}

} // namespace controls
