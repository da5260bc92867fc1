#include "PropertyDetailsGrid.h"

#include "common/Helper.h"
#include "objects/Properties.h"
#include "objects/Property.h"
#include "objects/PropertyBag.h"

namespace property {

namespace {

enum Column { Name, Value, Unit, Dimension, ColumnCount };

QString number(const platform::Variant& value) {
    return QString::fromStdString(orvik::common::Helper::CVarStr(value));
}

/// ">=" min, "<=" max, "~ " a single value, "min - max".
QString range(const platform::Variant& min, const platform::Variant& max) {
    const QString low = number(min);
    const QString high = number(max);
    if (low.isEmpty()) {
        return high.isEmpty() ? QString() : QStringLiteral("<=") + high;
    }
    if (high.isEmpty()) {
        return QStringLiteral(">=") + low;
    }
    return low == high ? QStringLiteral("~ ") + low : low + QStringLiteral(" - ") + high;
}

} // namespace

PropertyDetailsGrid::PropertyDetailsGrid(QWidget* parent) : controls::Grid(parent) {
    setObjectName(QStringLiteral("grdResultDetails"));
    Init();
}

void PropertyDetailsGrid::Init() {
    setRows(0);
    setCols(ColumnCount);
    setFixedRows(0);
    setFixedCols(0);
    setMergeCells(controls::MergeMode::Free);
    Clear();
}

void PropertyDetailsGrid::appendTitle(const QString& text) {
    const int row = Rows();
    setRows(row + 1);
    for (int c = 0; c < ColumnCount; ++c) {
        setTextMatrix(row, c, text);
    }
    setMergeRow(row, true);
    cells().setCellBold(row, 0, true);
}

void PropertyDetailsGrid::ShowProperties(const orvik::objects::PropertyBag& bag) {
    appendTitle(QString::fromStdString(bag.PropertyTypeName));
    const QString standard =
        QString::fromStdString(bag.StandardName.empty() ? bag.StandardTitle : bag.StandardName);
    if (!standard.isEmpty()) {
        appendTitle(standard);
    }
    for (const auto& value : *bag.Properties) {
        const int row = Rows();
        setRows(row + 1);
        setTextMatrix(row, Name, QString::fromStdString(value->Name));
        setTextMatrix(row, Value, range(value->Value_min, value->Value_max));
        setTextMatrix(row, Unit, QString::fromStdString(value->unit));
        const QString dimension = range(value->Metrics_min, value->Metrics_max);
        setTextMatrix(row, Dimension, dimension.isEmpty() ? QString() : dimension + QStringLiteral(" mm"));
        cells().setCellAlignment(row, Value, controls::CellAlign::RightTop);
        cells().setCellAlignment(row, Dimension, controls::CellAlign::RightTop);
    }
    setRows(Rows() + 1);
}

void PropertyDetailsGrid::ShowScrollBar() {
    AutoSize(0, ColumnCount - 1);
}

} // namespace property
