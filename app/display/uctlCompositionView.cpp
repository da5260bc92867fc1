#include "uctlCompositionView.h"

#include "DisplayTexts.h"
#include "Grid.h"
#include "PanelErrors.h"
#include "common/Helper.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Elements.h"
#include "objects/Footnotes.h"
#include "objects/Material.h"
#include "platform/VbConvert.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSet>
#include <QVBoxLayout>

namespace display {

namespace {

using orvik::common::TextID;

constexpr int TwipsPerPixel = 15;

/// The text broken at blanks into lines that stay within `width` pixels; a word wider than that
/// stands on its own line.
QString wrapped(const QString& text, int width, const QFontMetrics& metrics) {
    QStringList lines;
    QString line;
    for (const auto& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines.join(u'\n').trimmed();
}

} // namespace

uctlCompositionView::uctlCompositionView(QWidget* parent)
    : Panel(QStringLiteral("uctlCompositionView"), {}, parent),
      m_label(new QLabel(QStringLiteral("Analyse"), this)), m_analyses(new QComboBox(this)),
      m_grid(new controls::Grid(this)), m_footnotes(new QPlainTextEdit(this)) {
    m_label->setObjectName(QStringLiteral("lblAnalyse"));
    m_analyses->setObjectName(QStringLiteral("cboAnalyse"));
    m_grid->setObjectName(QStringLiteral("grdAnalyse"));
    m_footnotes->setObjectName(QStringLiteral("txtAnalyseFussnote"));
    m_footnotes->setReadOnly(true);
    m_grid->setHighLight(controls::HighLight::Never);
    // The filler column takes the rest of the width; there is nothing to scroll to sideways.
    m_grid->setScrollBars(controls::ScrollBars::Vertical);
    auto* top = new QHBoxLayout;
    top->addWidget(m_label);
    top->addWidget(m_analyses, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 3);
    layout->addWidget(m_footnotes, 1);
    m_grid->setCols(ColumnCount);
    m_grid->setRows(1);
    m_grid->setFixedRows(1);
    m_grid->setFixedCols(0);
    // A user's pick only; filling the choice shows its first analysis itself.
    connect(m_analyses, &QComboBox::activated, this, &uctlCompositionView::showAnalysis);
    InitAnalysisGrid();
}

uctlCompositionView::~uctlCompositionView() = default;

void uctlCompositionView::Clear() {
    m_analyses->clear();
    m_grid->setRows(1);
    m_footnotes->clear();
    m_others.clear();
}

void uctlCompositionView::Show() {
    Clear();
    m_shown = true;
    std::shared_ptr<orvik::objects::ChemicalCompostions> compositions;
    try {
        if (material() != nullptr) {
            compositions = material()->ChemicalCompositions(0);
        }
    } catch (const platform::CallError&) {
        compositions = nullptr;
    }
    if (compositions != nullptr) {
        const QSignalBlocker block(m_analyses);
        for (const auto& composition : *compositions) {
            m_analyses->addItem(QString::fromStdString(composition->CompositonDesignation));
        }
    }
    if (m_analyses->count() > 0) {
        m_grid->setEnabled(true);
        m_grid->setMergeCells(controls::MergeMode::Never);
        m_analyses->setCurrentIndex(0);
        showAnalysis(0);
        m_analyses->setEnabled(m_analyses->count() >= 2);
        return;
    }
    m_grid->setRows(2);
    const QString none = DisplayTexts::text(dialogLanguage(), TextID::Keine_Analyse_vorhanden);
    for (int col = 0; col < ColumnCount; ++col) {
        m_grid->setTextMatrix(1, col, none);
    }
    m_grid->setMergeCells(controls::MergeMode::WithinRows);
    m_grid->setMergeRow(1, true);
    m_grid->setEnabled(false);
    m_analyses->setEnabled(false);
}

void uctlCompositionView::showAnalysis(int index) {
    m_grid->setRows(1);
    m_others.clear();
    QString notes;
    trapped(*this, QStringLiteral("uctlCompositionView"), QStringLiteral("cboAnalyse_Click"), [&] {
        if (material() == nullptr) {
            return;
        }
        const auto compositions = material()->ChemicalCompositions(0);
        const auto composition = compositions != nullptr ? compositions->Item(index + 1) : nullptr;
        if (composition == nullptr) {
            return;
        }
        QSet<QString> listed;
        for (const auto& element : *composition->Elements) {
            if (element->OnlySearch) {
                continue;
            }
            const int row = m_grid->Rows();
            m_grid->setRows(row + 1);
            m_grid->setTextMatrix(row, Symbol, QString::fromStdString(element->Element));
            m_others << QString::fromStdString(element->Others);
            m_grid->setTextMatrix(row, Others, m_others.last());
            if (element->Rest) {
                m_grid->setTextMatrix(row, Minimum, DisplayTexts::text(dialogLanguage(), TextID::Rest));
            } else {
                WriteMinimum(row, element->MinValue, element->Backnumbers);
            }
            WriteMaximum(row, element->MaxValue, element->Backnumbers);
            MarkOptionalRange(row, element->OptionalValue);
            for (const auto& footnote : *element->Footnotes) {
                const QString symbol = QString::fromStdString(footnote->Symbol);
                m_grid->setTextMatrix(row, Marks,
                                      m_grid->TextMatrix(row, Marks) + symbol + QStringLiteral(") "));
                if (!listed.contains(symbol)) {
                    listed.insert(symbol);
                    notes += symbol + QStringLiteral(") ") + QString::fromStdString(footnote->Footnote) +
                             QStringLiteral("\n\n");
                }
            }
        }
    });
    while (notes.size() > 2 && notes.endsWith(u'\n')) {
        notes.chop(1);
    }
    m_footnotes->setPlainText(notes);
    WrapOthersColumn();
}

QString uctlCompositionView::footnotes() const {
    return m_footnotes->toPlainText();
}

void uctlCompositionView::WriteMinimum(int row, const platform::Variant& value, int decimals) {
    if (value.isNumeric() && platform::CDbl(value) > 0) {
        m_grid->setTextMatrix(
            row, Minimum,
            QString::fromStdString(orvik::common::Helper::FormatDoubleToString(value, decimals)));
    }
}

void uctlCompositionView::WriteMaximum(int row, const platform::Variant& value, int decimals) {
    if (value.isNumeric() && platform::CDbl(value) < 100) {
        m_grid->setTextMatrix(
            row, Maximum,
            QString::fromStdString(orvik::common::Helper::FormatDoubleToString(value, decimals)));
    }
}

void uctlCompositionView::MarkOptionalRange(int row, bool optional) {
    if (!optional) {
        return;
    }
    const QString minimum = m_grid->TextMatrix(row, Minimum);
    const QString maximum = m_grid->TextMatrix(row, Maximum);
    if (minimum.isEmpty()) {
        if (!maximum.isEmpty()) {
            m_grid->setTextMatrix(row, Maximum, u'(' + maximum + u')');
        }
        return;
    }
    m_grid->setTextMatrix(row, Minimum, u'(' + minimum);
    if (!maximum.isEmpty()) {
        m_grid->setTextMatrix(row, Maximum, maximum + u')');
    } else {
        m_grid->setTextMatrix(row, Minimum, m_grid->TextMatrix(row, Minimum) + u')');
    }
}

void uctlCompositionView::InitAnalysisGrid() {
    const int w = std::max(0, m_grid->width() * TwipsPerPixel - 500);
    const std::array<int, ColumnCount> percent{15, 15, 15, 2, 35, 20, 100};
    for (int col = 0; col < ColumnCount; ++col) {
        m_grid->setColWidth(col, w * percent[static_cast<std::size_t>(col)] / 100);
        m_grid->setColAlignment(col,
                                col == Marks ? controls::CellAlign::RightTop : controls::CellAlign::LeftTop);
    }
    WrapOthersColumn();
}

void uctlCompositionView::WrapOthersColumn() {
    if (m_analyses->count() == 0) {
        return;
    }
    const QFontMetrics metrics(m_grid->font());
    const int width = std::max(1, m_grid->ColWidth(Others) / TwipsPerPixel - 6);
    for (int row = 1; row < m_grid->Rows() && row - 1 < m_others.size(); ++row) {
        // Always from the text as given, so that a wider column takes the words back.
        QString text = m_others[row - 1];
        text.remove(u'\r').remove(u'\n');
        if (metrics.horizontalAdvance(text) <= width) {
            m_grid->setTextMatrix(row, Others, text);
            m_grid->setRowHeight(row, metrics.height() * TwipsPerPixel + 50);
            continue;
        }
        const QString lines = wrapped(text, width, metrics);
        m_grid->setTextMatrix(row, Others, lines);
        m_grid->setRowHeight(
            row, metrics.lineSpacing() * static_cast<int>(lines.count(u'\n') + 1) * TwipsPerPixel + 150);
    }
}

void uctlCompositionView::languageChanged() {
    if (m_shown) {
        Show();
    }
    DisplayTexts::adjustForm(dialogLanguage(), *this);
}

void uctlCompositionView::resizeEvent(QResizeEvent* event) {
    Panel::resizeEvent(event);
    InitAnalysisGrid();
}

} // namespace display
