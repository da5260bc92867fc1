#include "MaterialListModel.h"

#include "common/Helper.h"
#include "platform/CallError.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

#include <QTimer>
#include <optional>

namespace display {

namespace {

QString fieldText(const platform::db::Recordset& records, std::string_view name) {
    return QString::fromStdString(orvik::common::Helper::CVarStr(records.field(name)));
}

bool isEmpty(const platform::db::Recordset& records) {
    return records.bof() && records.eof();
}

} // namespace

MaterialListModel::MaterialListModel(QObject* parent)
    : QAbstractTableModel(parent), m_countPoll(new QTimer(this)) {
    // A count in another thread is looked for now and then; the window waits for nothing meanwhile.
    constexpr int pollMilliseconds = 15;
    m_countPoll->setInterval(pollMilliseconds);
    connect(m_countPoll, &QTimer::timeout, this, [this] {
        if (m_records == nullptr || m_records->countReady()) {
            completeCount();
        }
    });
}

MaterialListModel::~MaterialListModel() = default;

void MaterialListModel::setRecords(std::shared_ptr<platform::db::Recordset> records,
                                   MaterialNumberLookup lookup) {
    beginResetModel();
    m_countPoll->stop();
    m_records = std::move(records);
    m_lookup = std::move(lookup);
    m_count = 0;
    m_countPending = false;
    m_rows.clear();
    m_rowsRead = 0;
    std::optional<platform::CallError> failure;
    try {
        if (m_records != nullptr && m_records->isOpen() && !isEmpty(*m_records)) {
            m_count = countFirstRows();
        }
    } catch (const platform::CallError& error) {
        m_count = 0;
        m_countPending = false;
        failure = error;
    }
    m_rows.resize(static_cast<std::size_t>(m_count));
    endResetModel();
    if (failure) {
        emit readFailed(failure->number(), QString::fromStdString(failure->description()));
    }
    if (m_countPending) {
        // The first rows are painted before the count of a long list is waited for; where the record
        // set can count in another thread, start-up and a new filter do not wait for it at all.
        if (m_records->countInBackground()) {
            m_countPoll->start();
        } else {
            QMetaObject::invokeMethod(this, &MaterialListModel::completeCount, Qt::QueuedConnection);
        }
    }
}

int MaterialListModel::countFirstRows() {
    // A list this short is counted at once: its rows are read as quickly as counted. Beyond it the
    // record set would run its statement a second time to count.
    constexpr int firstRows = 4096;
    m_records->moveFirst();
    for (int row = 0; row < firstRows && !m_records->eof(); ++row) {
        m_records->moveNext();
    }
    m_countPending = !m_records->eof();
    const int known = m_records->recordCount();
    m_records->moveFirst();
    return known;
}

void MaterialListModel::completeCount() {
    m_countPoll->stop();
    if (!m_countPending || m_records == nullptr) {
        return;
    }
    m_countPending = false;
    int total = m_count;
    try {
        m_records->moveLast();
        total = m_records->recordCount();
    } catch (const platform::CallError& error) {
        emit readFailed(error.number(), QString::fromStdString(error.description()));
        return;
    }
    if (total <= m_count) {
        return;
    }
    beginInsertRows({}, m_count, total - 1);
    m_rows.resize(static_cast<std::size_t>(total));
    m_count = total;
    endInsertRows();
}

void MaterialListModel::clear() {
    setRecords(nullptr);
}

int MaterialListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_count;
}

int MaterialListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MaterialListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    return text(index.row(), static_cast<Column>(index.column()));
}

QString MaterialListModel::text(int row, Column column) const {
    const auto* cells = this->row(row);
    if (cells == nullptr || column < 0 || column >= ColumnCount) {
        return {};
    }
    return (*cells)[static_cast<std::size_t>(column)];
}

shell::contract::ActivatedMaterial MaterialListModel::activatedMaterial(int row) const {
    return {text(row, SteelId), text(row, DesignationId), text(row, DesignationCountryId),
            text(row, Designation), text(row, Kind)};
}

int MaterialListModel::findFirst(const std::string& criteria) {
    // A hit may lie among the rows not counted yet.
    completeCount();
    if (m_records == nullptr || m_count == 0 || criteria.empty()) {
        return -1;
    }
    try {
        m_records->moveFirst();
        m_records->findFirst(criteria);
        if (m_records->noMatch()) {
            return -1;
        }
        return m_records->absolutePosition();
    } catch (const platform::CallError&) {
        return -1;
    }
}

const MaterialListModel::Row* MaterialListModel::row(int index) const {
    if (index < 0 || index >= m_count) {
        return nullptr;
    }
    auto& cached = m_rows[static_cast<std::size_t>(index)];
    if (cached == nullptr) {
        cached = std::make_unique<Row>(readRow(index));
        ++m_rowsRead;
    }
    return cached.get();
}

MaterialListModel::Row MaterialListModel::readRow(int index) const {
    Row cells;
    try {
        m_records->setAbsolutePosition(index);
        cells[Designation] = fieldText(*m_records, "Bezeichnung");
        cells[SteelId] = fieldText(*m_records, "Id_Stahl");
        cells[DesignationId] = fieldText(*m_records, "Id_Stahlbez");
        cells[DesignationCountryId] = fieldText(*m_records, "Id_StahlbezVorkommen");
        cells[Kind] = fieldText(*m_records, "Kennung");
        if (m_lookup) {
            const auto country = m_records->field("ID_Land");
            cells[MaterialNumber] =
                m_lookup(cells[SteelId], country.isNumeric() ? platform::CLng(country) : 0);
        }
    } catch (const platform::CallError&) {
        // A record that cannot be read shows what was read of it.
    }
    return cells;
}

} // namespace display
