#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

class QPaintDevice;

namespace orvik::objects {
class ReportDocument;
}

namespace shell::print {

/// One thing drawn on a page: a text in its box, a rule, or a filled box behind a table head.
struct PageItem {
    enum class Kind { Text, Rule, Fill };
    Kind kind = Kind::Text;
    QRectF rect;
    QString text;
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
};

/// The body of one page; the head and foot are drawn around it, once the page count is known.
struct Page {
    std::vector<PageItem> items;
};

/// The data sheet laid out into pages of one size for one paint device, whose resolution the font
/// metrics follow. Sections keep their caption with their first rows, and a heading and the title
/// above a table stay with its first rows; a table too wide for the page goes on in further column
/// groups that repeat its first column, a table broken by a page repeats its column heads and the
/// group lines (form, state, property) its next rows stand under, a text under a heading (a
/// supplier's parts) goes on under that heading repeated and keeps its first line with the second,
/// footnotes stay under their table, and every text wraps at the page width.
/// Lengths are in the device's pixels. Holds no reference to the document or the device once made.
class DataSheetPages {
public:
    /// `pageSize` is the printable area of a page; `font` the font of the body text, from which
    /// the captions and heads derive.
    DataSheetPages(const orvik::objects::ReportDocument& document, const QFont& font, QPaintDevice& device,
                   const QSizeF& pageSize);

    [[nodiscard]] const std::vector<Page>& pages() const noexcept { return m_pages; }
    /// The band at the top of every page: title, designation line and country.
    [[nodiscard]] std::vector<PageItem> head() const;
    /// The band at the bottom of page `index` (from 0): print date and "page x of y".
    [[nodiscard]] std::vector<PageItem> foot(int index) const;

    /// The number of pages.
    [[nodiscard]] int pageCount() const noexcept { return static_cast<int>(m_pages.size()); }

private:
    std::vector<PageItem> m_head;
    std::vector<PageItem> m_foot;
    QString m_footTemplate;
    std::vector<Page> m_pages;
};

} // namespace shell::print
