#include "uctlPropertyViewGrid.h"

#include "DisplayTexts.h"
#include "Grid.h"
#include "ValueRangeText.h"
#include "objects/PropertyBag.h"
#include "platform/CallError.h"
#include "shell/contract/ErrorWindow.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QScrollBar>
#include <cmath>
#include <exception>

namespace display {

namespace {

using controls::CellAlign;
using orvik::common::TextID;
using orvik::objects::Property;
using orvik::objects::PropertyBag;

constexpr int TwipsPerPixel = 15;
const QColor LightGrey(224, 224, 224);

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

/// Lines joined by CR LF in the object model, one line break in the grid.
QString cellLines(const std::string& text) {
    return DisplayTexts::lines(text);
}

bool present(const platform::Variant& a, const platform::Variant& b) {
    return !ValueRangeText::absent(a) || !ValueRangeText::absent(b);
}

} // namespace

uctlPropertyViewGrid::uctlPropertyViewGrid(QWidget* parent)
    : QWidget(parent), m_grid(new controls::Grid(this)) {
    setObjectName(QStringLiteral("uctlPropertyViewGrid"));
    m_grid->setObjectName(QStringLiteral("grdProperties"));
    m_grid->setSelection(controls::GridSelection::Free);
    m_grid->setHighLight(controls::HighLight::Never);
    connect(m_grid, &controls::Grid::MouseMove, this, &uctlPropertyViewGrid::MouseMove);
    Init();
}

uctlPropertyViewGrid::~uctlPropertyViewGrid() = default;

void uctlPropertyViewGrid::Init() {
    m_grid->setRows(1);
    m_grid->setCols(ColumnCount);
    m_grid->Clear();
    m_grid->setScrollBars(controls::ScrollBars::Vertical);
    m_grid->setMergeCells(controls::MergeMode::Free);
    m_grid->setFixedCols(0);
    m_grid->setFixedRows(0);
    m_grid->setWordWrap(true);
}

void uctlPropertyViewGrid::ShowProperties(const PropertyBag& bag) {
    try {
        m_grid->setMergeCells(controls::MergeMode::Free);
        int row = m_grid->Rows() - 1;
        row = ShowStandardHeadlines(row, bag);
        int c = ShowColumnHeadlines(bag, row);
        std::string previousForm;
        std::string previousStatus;
        std::string previousName;
        const QColor buttonFace = palette().color(QPalette::Button);
        for (const auto& p : *bag.Properties) {
            if (!p->FORM.empty() && p->FORM != previousForm) {
                if (c > 3) {
                    c = addRow();
                }
                ShowValueInMergedRow(qs(p->FORM), c - 1, true, Qt::black, buttonFace);
                if (p->Status.empty()) {
                    c = addRow();
                }
                previousForm = p->FORM;
                previousStatus.clear();
                previousName.clear();
            } else if (p->FORM.empty()) {
                previousForm.clear();
            }
            if (!p->Status.empty()) {
                std::string status = p->Status;
                if (present(p->StatusTemp_min, p->StatusTemp_max)) {
                    status += " " + text(static_cast<int>(TextID::Bei)).toStdString() + " " +
                              ValueRangeText::FormatValueRange(p->StatusTemp_min, p->StatusTemp_max, "°C");
                }
                if (status != previousStatus) {
                    if (c > 4) {
                        c = addRow();
                    }
                    ShowValueInMergedRow(qs(status), c - 1, true, Qt::black, buttonFace);
                    c = addRow();
                    previousStatus = status;
                    previousName.clear();
                }
            } else {
                previousStatus.clear();
            }
            if (!p->Name.empty() && p->Name != previousName) {
                ShowValueInMergedRow(qs(p->Name), c - 1, true, Qt::black, LightGrey);
                c = addRow();
                previousName = p->Name;
            } else if (p->Name.empty()) {
                previousName.clear();
            }
            writeValueRow(*p, c - 1);
            c = addRow();
        }
        m_grid->AutoSize(Dimension, Footnotes);
        for (const auto& footnote : *bag.Footnotes) {
            AddFootnoteAtBottom(qs(footnote->Symbol), qs(footnote->Footnote));
        }
        addRow();
        addRow();
    } catch (const platform::CallError& error) {
        if (m_errors != nullptr) {
            m_errors->ShowErrorForm(this, QStringLiteral("uctlPropertyViewGrid"),
                                    QStringLiteral("ShowProperties"), error.number(),
                                    qs(error.description()));
        }
    } catch (const std::exception& error) {
        if (m_errors != nullptr) {
            m_errors->ShowErrorForm(this, QStringLiteral("uctlPropertyViewGrid"),
                                    QStringLiteral("ShowProperties"), 0, QString::fromUtf8(error.what()));
        }
    }
}

void uctlPropertyViewGrid::writeValueRow(const Property& p, int row) {
    SetCellText(qs(ValueRangeText::FormatValueRange(p.Metrics_min, p.Metrics_max, "mm")), CellAlign::RightTop,
                row, Dimension);
    ShowValueRange(p, row);
    SetCellText(qs(p.Specimen), CellAlign::RightTop, row, Specimen);
    SetCellText(qs(ValueRangeText::FormatValueRange(p.Temp_min, p.Temp_max, "°C")), CellAlign::LeftTop, row,
                Temperature);
    SetCellText(qs(p.Cooling), CellAlign::LeftTop, row, Cooling);
    SetCellText(qs(ValueRangeText::FormatValueRange(p.Duration_min, p.Duration_max, "")), CellAlign::RightTop,
                row, Duration);
    SetCellText(qs(p.DurationUnit), CellAlign::RightTop, row, DurationUnit);
    SetCellText(qs(p.Classification), CellAlign::RightTop, row, Classification);

    const QFontMetrics metrics(m_grid->font());
    QString marks;
    if (p.FootnoteReferences->Count() > 0) {
        int height = m_grid->RowHeight(row);
        for (const auto& reference : *p.FootnoteReferences) {
            if (!marks.isEmpty()) {
                marks += QLatin1Char('\n');
                height += metrics.boundingRect(qs(reference->Symbol)).height() * TwipsPerPixel;
            }
            marks += qs(reference->Symbol);
        }
        m_grid->setRowHeight(row, height);
    } else if (!p.Footnote_Symbol.empty()) {
        marks = cellLines(p.Footnote_Symbol);
        m_grid->setRowHeight(row,
                             m_grid->RowHeight(row) * static_cast<int>(marks.count(QLatin1Char('\n')) + 1));
    }
    SetCellText(marks, CellAlign::LeftTop, row, Footnotes);
}

int uctlPropertyViewGrid::ShowStandardHeadlines(int row, const PropertyBag& bag) {
    const QColor highlight = palette().color(QPalette::Highlight);
    ShowValueInMergedRow(qs(bag.PropertyTypeName), row, true, Qt::black, Qt::white);
    if (!bag.StandardName.empty()) {
        addRow();
        ShowValueInMergedRow(qs(bag.StandardName), ++row, true, Qt::white, highlight);
        if (!bag.StandardTitle.empty()) {
            addRow();
            ShowValueInMergedRow(qs(bag.StandardTitle), ++row, true, Qt::white, highlight);
        }
    } else if (!bag.StandardTitle.empty()) {
        addRow();
        ShowValueInMergedRow(qs(bag.StandardTitle), ++row, true, Qt::white, highlight);
    }
    addRow();
    return ++row;
}

int uctlPropertyViewGrid::ShowColumnHeadlines(const PropertyBag& bag, int row) {
    addRow();
    const int heading = row + 1;
    struct Heading {
        Column column;
        TextID id;
        CellAlign align;
        bool (*applies)(const Property&);
    };
    static const Heading headings[] = {
        {Dimension, TextID::Abmessung, CellAlign::RightTop,
         [](const Property& p) {
             return present(p.Metrics_min, p.Metrics_max);
         }},
        {Value, TextID::Wert, CellAlign::LeftTop,
         [](const Property& p) {
             return present(p.Value_min, p.Value_max);
         }},
        {Specimen, TextID::Probenlage, CellAlign::RightTop,
         [](const Property& p) {
             return !p.Specimen.empty();
         }},
        {Temperature, TextID::bei_Temperatur, CellAlign::LeftTop,
         [](const Property& p) {
             return present(p.Temp_min, p.Temp_max);
         }},
        {Cooling, TextID::Abkuehlung, CellAlign::LeftTop,
         [](const Property& p) {
             return !p.Cooling.empty();
         }},
        {Duration, TextID::Dauer, CellAlign::RightTop,
         [](const Property& p) {
             return present(p.Duration_min, p.Duration_max);
         }},
    };
    for (const auto& p : *bag.Properties) {
        for (const auto& h : headings) {
            if (h.applies(*p)) {
                SetCellText(text(static_cast<int>(h.id)), h.align, heading, h.column);
            }
        }
    }
    addRow();
    return heading + 2;
}

void uctlPropertyViewGrid::SetCellText(const QString& text, CellAlign alignment, int row, int col) {
    m_grid->setRow(row);
    m_grid->setCol(col);
    m_grid->setCellAlignment(alignment);
    m_grid->setTextMatrix(row, col, text);
}

void uctlPropertyViewGrid::ShowValueRange(const Property& property, int row) {
    const auto value = qs(ValueRangeText::valueText(property.Value_min, property.Value_max));
    if (value.isEmpty()) {
        return;
    }
    SetCellText(value, CellAlign::RightTop, row, Value);
    SetCellText(qs(property.unit), CellAlign::LeftTop, row, Unit);
}

void uctlPropertyViewGrid::ShowValueInMergedRow(const QString& text, int row, bool bold,
                                                const QColor& foreground, const QColor& background) {
    if (row < 0 || row >= m_grid->Rows()) {
        return;
    }
    for (int col = 0; col < m_grid->Cols(); ++col) {
        m_grid->setTextMatrix(row, col, text);
        m_grid->setRow(row);
        m_grid->setCol(col);
        m_grid->setCellFontBold(bold);
        m_grid->setCellForeColor(foreground);
        m_grid->setCellBackColor(background);
        m_grid->setCellAlignment(CellAlign::LeftCenter);
    }
    QFont font = m_grid->font();
    font.setBold(bold);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(text);
    // The grid fills the control; its own size may not be laid out yet.
    const int gridWidth = std::max(1, width());
    if (gridWidth < textWidth) {
        const int lines = static_cast<int>(std::lround(static_cast<double>(textWidth) / gridWidth + 0.5));
        m_grid->setRowHeight(row, metrics.height() * TwipsPerPixel + lines * 190);
    }
    m_grid->setMergeRow(row, true);
}

void uctlPropertyViewGrid::AddFootnoteAtBottom(const QString& sSymbol, const QString& sFootnote) {
    const int row = addRow() - 1;
    m_grid->setRow(row);
    ShowValueInMergedRow(sSymbol + QStringLiteral(" ") + sFootnote, row, false, Qt::black, Qt::white);
}

void uctlPropertyViewGrid::ShowScrollBar() {
    FitColumnWidths();
    int sum = 0;
    for (int col = 0; col < m_grid->Cols(); ++col) {
        sum += m_grid->ColWidth(col);
    }
    if (m_grid->Rows() >= 1 && width() * TwipsPerPixel <= sum + 200) {
        m_grid->setScrollBars(controls::ScrollBars::Both);
    }
    scrollToStart();
}

void uctlPropertyViewGrid::scrollToStart() {
    // Writing the cells moved the current cell down and across the table; the reader starts at its
    // top left.
    if (m_grid->Rows() > 0) {
        m_grid->setRow(0);
        m_grid->setCol(0);
    }
    m_grid->setTopRow(0);
    m_grid->horizontalScrollBar()->setValue(0);
}

void uctlPropertyViewGrid::FitColumnWidths() {
    // A column no table of the grid fills would only show as a narrow empty strip.
    for (int col = Dimension; col <= Footnotes; ++col) {
        m_grid->setColHidden(col, !hasValues(col));
    }
    m_grid->AutoSize(Dimension, Footnotes);
    int used = 0;
    for (int col = Dimension; col <= Footnotes; ++col) {
        used += m_grid->ColWidth(col);
    }
    // The rest of the visible width, so that titles and footnotes wrap where the grid ends; never
    // hidden, so that they span every column.
    const int rest = m_grid->viewport()->width() * TwipsPerPixel - used;
    m_grid->setColWidth(Filler, std::max(TwipsPerPixel, rest));
    fitMergedRows();
}

bool uctlPropertyViewGrid::hasValues(int col) const {
    for (int row = 0; row < m_grid->Rows(); ++row) {
        if (!m_grid->MergeRow(row) && !m_grid->TextMatrix(row, col).isEmpty()) {
            return true;
        }
    }
    return false;
}

void uctlPropertyViewGrid::fitMergedRows() {
    int spanWidth = 0;
    for (int col = 0; col < m_grid->Cols(); ++col) {
        spanWidth += m_grid->ColWidth(col);
    }
    // Wrapped within the cell's text margins, as the cell paints it.
    const int wrapWidth = std::max(1, spanWidth / TwipsPerPixel - 8);
    const int oneLine = m_grid->verticalHeader()->defaultSectionSize();
    for (int row = 0; row < m_grid->Rows(); ++row) {
        if (!m_grid->MergeRow(row)) {
            continue;
        }
        QFont font = m_grid->font();
        font.setBold(m_grid->cells().cellBold(row, 0));
        const QRect lines = QFontMetrics(font).boundingRect(QRect(0, 0, wrapWidth, 1 << 20), Qt::TextWordWrap,
                                                            m_grid->TextMatrix(row, 0));
        m_grid->setRowHeight(row, std::max(oneLine, lines.height() + 4) * TwipsPerPixel);
    }
}

void uctlPropertyViewGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_grid->setGeometry(rect());
    ShowScrollBar();
    FitColumnWidths();
}

int uctlPropertyViewGrid::addRow() {
    m_grid->setRows(m_grid->Rows() + 1);
    return m_grid->Rows();
}

QString uctlPropertyViewGrid::text(int id) const {
    return DisplayTexts::text(m_language, static_cast<TextID>(id));
}

} // namespace display
