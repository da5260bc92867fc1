#include "HitComparisonGrid.h"

#include "Twips.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace composition {

namespace {

/// The mark of an element that was not searched for: a small exclamation sign.
QPixmap markPicture() {
    QPixmap picture(14, 14);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 200, 0));
    p.setPen(QColor(160, 110, 0));
    p.drawEllipse(1, 1, 12, 12);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(7, 3, 7, 8);
    p.drawPoint(7, 11);
    return picture;
}

} // namespace

HitComparisonGrid::HitComparisonGrid(QWidget* parent) : controls::Grid(parent), m_mark(markPicture()) {
    setObjectName(QStringLiteral("grdTreffer"));
    setCols(HitRow::Count);
    setRows(2);
    setFixedRows(2);
    setScrollBars(controls::ScrollBars::Vertical);
    for (int col = 0; col < HitRow::Count; ++col) {
        setColAlignment(col, controls::CellAlign::CenterCenter);
    }
    setColAlignment(HitRow::Others, controls::CellAlign::LeftCenter);
    // German defaults; the text service replaces them.
    const QStringList top = {QString(),
                             QStringLiteral("Element"),
                             QStringLiteral("Suche"),
                             QStringLiteral("Suche"),
                             QStringLiteral("Suche"),
                             QStringLiteral("Treffer"),
                             QStringLiteral("Treffer"),
                             QStringLiteral("Abweichung in %"),
                             QStringLiteral("Abweichung in %"),
                             QStringLiteral("Sonstige")};
    const QStringList second = {QString(),
                                QString(),
                                QStringLiteral("Min"),
                                QStringLiteral("Max"),
                                QStringLiteral("Wert"),
                                QStringLiteral("Min"),
                                QStringLiteral("Max"),
                                QStringLiteral("Min"),
                                QStringLiteral("Max"),
                                QString()};
    for (int col = 0; col < HitRow::Count; ++col) {
        setTextMatrix(0, col, top[col]);
        setTextMatrix(1, col, second[col]);
    }
    setMergeCells(controls::MergeMode::Free);
    setMergeRow(0, true);
    layoutColumns();
}

void HitComparisonGrid::setAdvanced(bool advanced) {
    m_advanced = advanced;
    layoutColumns();
}

void HitComparisonGrid::Reset() {
    setRows(2);
    m_hasOthers = false;
    layoutColumns();
}

void HitComparisonGrid::ShowRows(const std::vector<HitRow>& rows, bool hasOthers) {
    Reset();
    setRows(2 + static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = 2 + static_cast<int>(i);
        const auto& row = rows[i];
        for (int col = 0; col < HitRow::Count; ++col) {
            setTextMatrix(r, col, QString::fromStdString(row.cells[static_cast<std::size_t>(col)]));
        }
        for (const auto& [col, red] : {std::pair{int{HitRow::DevLower}, row.lowerRed},
                                       std::pair{int{HitRow::DevUpper}, row.upperRed}}) {
            cells().setCellForeColor(r, col, red ? QColor(255, 0, 0) : QColor(0, 0, 0));
            cells().setCellPicture(r, col, row.notSearched ? m_mark : QPixmap());
            cells().setCellPictureAlignment(r, col, controls::CellAlign::CenterCenter);
        }
    }
    m_hasOthers = hasOthers;
    layoutColumns();
}

void HitComparisonGrid::resizeEvent(QResizeEvent* event) {
    controls::Grid::resizeEvent(event);
    layoutColumns();
}

void HitComparisonGrid::layoutColumns() {
    // The widths follow the grid's width as it is laid out, not as it was made.
    const double w = controls::pixelsToTwips(width());
    setColWidth(HitRow::Order, 0);
    // At least as wide as its heading, which is wider than 700 twips in some languages and fonts.
    setColWidth(HitRow::Element,
                std::max(700, controls::pixelsToTwips(
                                  fontMetrics().horizontalAdvance(TextMatrix(0, HitRow::Element)) + 12)));
    for (const int col : {int{HitRow::CritMin}, int{HitRow::CritMax}, int{HitRow::HitMin},
                          int{HitRow::HitMax}, int{HitRow::DevLower}, int{HitRow::DevUpper}}) {
        setColWidth(col, static_cast<int>(0.11 * w));
    }
    setColWidth(HitRow::CritSingle, m_advanced ? 0 : static_cast<int>(0.13 * w));
    if (m_hasOthers) {
        setColWidth(HitRow::Others, 1);
        AutoSize(HitRow::Others, HitRow::Others);
    } else {
        setColWidth(HitRow::Others, 0);
    }
}

} // namespace composition
