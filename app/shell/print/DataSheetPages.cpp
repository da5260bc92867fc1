#include "DataSheetPages.h"

#include "objects/ReportDocument.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextLayout>
#include <algorithm>
#include <numeric>

namespace shell::print {

namespace {

using orvik::objects::DocumentBlock;
using orvik::objects::DocumentRow;
using orvik::objects::DocumentSection;
using orvik::objects::DocumentTable;
using orvik::objects::ReportDocument;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QFont derived(const QFont& base, double scale, bool bold, bool italic = false) {
    QFont font(base);
    font.setPointSizeF(base.pointSizeF() * scale);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// A piece of the flow that goes whole onto one page; its items lie from its top at 0.
struct Unit {
    double height = 0;
    std::vector<PageItem> items;
    bool keepWithNext = false;
    // What a page that this unit begins shows above it, so that the reader knows what goes on
    // there: the column heads of its table and the group lines it stands under, or the heading of
    // its text. Indices into the layout's repeated units, outermost first.
    std::vector<std::size_t> repeats{};
};

// Units one under the other as one unit.
Unit stacked(std::vector<Unit>::const_iterator first, std::vector<Unit>::const_iterator last) {
    Unit whole;
    for (; first != last; ++first) {
        for (auto item : first->items) {
            item.rect.translate(0, whole.height);
            whole.items.push_back(std::move(item));
        }
        whole.height += first->height;
    }
    return whole;
}

class Layout {
public:
    Layout(const QFont& font, QPaintDevice& device, const QSizeF& size)
        : m_device(device), m_width(size.width()), m_font(font), m_bold(derived(font, 1.0, true)),
          m_note(derived(font, 0.9, false)), m_caption(derived(font, 1.25, true)),
          m_title(derived(font, 1.5, true)), m_pad(points(2.0)) {}

    [[nodiscard]] double points(double pt) const { return pt * m_device.logicalDpiY() / 72.0; }
    [[nodiscard]] double lineHeight(const QFont& font) const {
        return QFontMetricsF(font, &m_device).lineSpacing();
    }
    [[nodiscard]] double advance(const QFont& font, const QString& text) const {
        return QFontMetricsF(font, &m_device).horizontalAdvance(text);
    }

    // The lines a text breaks into at that width; an empty text is one empty line.
    [[nodiscard]] std::vector<QString> wrap(const QString& text, const QFont& font, double width) const {
        if (text.isEmpty()) {
            return {QString()};
        }
        std::vector<QString> lines;
        QTextLayout layout(text, font, &m_device);
        layout.beginLayout();
        for (auto line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(width, 1.0));
            lines.push_back(text.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
        return lines;
    }

    [[nodiscard]] std::vector<PageItem> head(const ReportDocument& document) const {
        std::vector<PageItem> items;
        const double title = lineHeight(m_title);
        const double line = lineHeight(m_font);
        items.push_back(
            {PageItem::Kind::Text, QRectF(0, 0, m_width, title), qt(document.head.title), m_title});
        const auto material = qt(document.head.materialCaption + ": " + document.head.material);
        const auto country = qt(document.head.countryCaption + ": " + document.head.country);
        items.push_back({PageItem::Kind::Text, QRectF(0, title, m_width, line), material, m_bold});
        items.push_back(
            {PageItem::Kind::Text, QRectF(0, title, m_width, line), country, m_font, Qt::AlignRight});
        items.push_back({PageItem::Kind::Rule, QRectF(0, title + line + m_pad, m_width, 0), {}, {}});
        return items;
    }
    [[nodiscard]] double headHeight() const { return lineHeight(m_title) + lineHeight(m_font) + 4 * m_pad; }

    // The foot at the bottom of the area; its last item takes the page text.
    [[nodiscard]] std::vector<PageItem> foot(const ReportDocument& document, double bottom) const {
        const double line = lineHeight(m_note);
        const double top = bottom - line;
        std::vector<PageItem> items;
        items.push_back({PageItem::Kind::Rule, QRectF(0, top - m_pad, m_width, 0), {}, {}});
        items.push_back({PageItem::Kind::Text, QRectF(0, top, m_width, line),
                         qt(document.foot.dateCaption + ": " + document.foot.date), m_note});
        items.push_back({PageItem::Kind::Text, QRectF(0, top, m_width, line), {}, m_note, Qt::AlignRight});
        return items;
    }
    [[nodiscard]] double footHeight() const { return lineHeight(m_note) + 3 * m_pad; }

    void section(const DocumentSection& section) {
        if (!section.caption.empty()) {
            const double gap = lineHeight(m_font) * 0.8;
            const double line = lineHeight(m_caption);
            Unit unit{gap + line + m_pad, {}, true};
            unit.items.push_back(
                {PageItem::Kind::Text, QRectF(0, gap, m_width, line), qt(section.caption), m_caption});
            unit.items.push_back({PageItem::Kind::Rule, QRectF(0, gap + line, m_width, 0), {}, {}});
            m_units.push_back(std::move(unit));
        } else if (!m_units.empty()) {
            m_units.push_back({lineHeight(m_font) * 0.5, {}});
        }
        // The heading that the texts under it repeat on a new page.
        std::vector<std::size_t> heading;
        for (std::size_t i = 0; i < section.blocks.size(); ++i) {
            const auto& block = section.blocks[i];
            switch (block.kind) {
            case DocumentBlock::Kind::Heading: {
                const auto first = m_units.size();
                lines(block.lines, block.bold ? m_bold : m_font, 0, true, lineHeight(m_font) * 0.3);
                heading = {m_repeats.size()};
                m_repeats.push_back(
                    stacked(m_units.begin() + static_cast<std::ptrdiff_t>(first), m_units.end()));
                break;
            }
            case DocumentBlock::Kind::Text: {
                // A text that leads into a table (a standard's title above its table) goes with it;
                // any other keeps its first line (a caption) with the second.
                const bool leads =
                    i + 1 < section.blocks.size() && section.blocks[i + 1].kind == DocumentBlock::Kind::Table;
                const auto first = m_units.size();
                lines(block.lines, block.bold ? m_bold : m_font, 0, leads, 0);
                const auto begin = m_units.begin() + static_cast<std::ptrdiff_t>(first);
                if (m_units.end() - begin > 1) {
                    begin->keepWithNext = true;
                }
                for (auto unit = begin; unit != m_units.end(); ++unit) {
                    unit->repeats = heading;
                }
                break;
            }
            case DocumentBlock::Kind::Footnotes:
                if (!m_units.empty()) {
                    // The first footnote goes where the end of its table goes.
                    m_units.back().keepWithNext = true;
                }
                lines(block.lines, m_note, points(6), false, m_pad);
                break;
            case DocumentBlock::Kind::Table:
                table(block.table);
                heading.clear();
                break;
            }
        }
    }

    [[nodiscard]] std::vector<Page> paginate(double top, double bottom) const {
        std::vector<Page> pages(1);
        double y = top;
        bool fresh = true;
        const auto place = [&](const Unit& unit) {
            for (auto item : unit.items) {
                item.rect.translate(0, y);
                pages.back().items.push_back(std::move(item));
            }
            y += unit.height;
            fresh = false;
        };
        for (std::size_t i = 0; i < m_units.size(); ++i) {
            const auto& unit = m_units[i];
            double chain = unit.height;
            for (std::size_t j = i; j + 1 < m_units.size() && m_units[j].keepWithNext; ++j) {
                chain += m_units[j + 1].height;
            }
            const bool fits = y + unit.height <= bottom;
            const bool chainFits = y + chain <= bottom || chain > bottom - top;
            if (!fresh && (!fits || !chainFits)) {
                pages.emplace_back();
                y = top;
                fresh = true;
                for (const auto repeated : unit.repeats) {
                    place(m_repeats[repeated]);
                }
            }
            place(unit);
        }
        return pages;
    }

private:
    void lines(const std::vector<std::string>& texts, const QFont& font, double indent, bool keep,
               double gap) {
        const double line = lineHeight(font);
        bool first = true;
        for (const auto& text : texts) {
            for (const auto& piece : wrap(qt(text), font, m_width - indent)) {
                const double top = first ? gap : 0;
                Unit unit{top + line, {}, keep};
                unit.items.push_back(
                    {PageItem::Kind::Text, QRectF(indent, top, m_width - indent, line), piece, font});
                m_units.push_back(std::move(unit));
                first = false;
            }
        }
    }

    [[nodiscard]] std::vector<double> naturalWidths(const DocumentTable& table) const {
        std::vector<double> widths(table.heads.size(), 0.0);
        const auto measure = [&](const std::vector<std::string>& cells, const QFont& font) {
            for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
                widths[i] = std::max(widths[i], advance(font, qt(cells[i])) + 2 * m_pad + 1);
            }
        };
        measure(table.heads, m_bold);
        for (const auto& row : table.rows) {
            if (!row.group) {
                measure(row.cells, m_font);
            }
        }
        for (auto& w : widths) {
            w = std::min(w, m_width / 2);
        }
        return widths;
    }

    // Column groups that each fit the page; every group after the first repeats column 0.
    [[nodiscard]] std::vector<std::vector<std::size_t>>
    columnGroups(const std::vector<double>& widths) const {
        std::vector<std::vector<std::size_t>> groups{{0}};
        double used = widths.empty() ? 0 : widths[0];
        for (std::size_t i = 1; i < widths.size(); ++i) {
            if (used + widths[i] > m_width && groups.back().size() > 1) {
                groups.push_back({0});
                used = widths[0];
            }
            groups.back().push_back(i);
            used += widths[i];
        }
        return groups;
    }

    void table(const DocumentTable& table) {
        if (table.heads.empty()) {
            return;
        }
        const auto natural = naturalWidths(table);
        const auto groups = columnGroups(natural);
        const bool grouped =
            std::any_of(table.rows.begin(), table.rows.end(), [](const DocumentRow& r) { return r.group; });
        for (std::size_t g = 0; g < groups.size(); ++g) {
            std::vector<double> widths;
            for (const auto column : groups[g]) {
                widths.push_back(natural[column]);
            }
            const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
            if (grouped && groups.size() == 1 && total < m_width) {
                // Tables with group lines run across the page, as the lines do.
                for (auto& w : widths) {
                    w *= m_width / total;
                }
            }
            chunk(table, groups[g], widths, g == 0 ? m_pad * 2 : lineHeight(m_font) * 0.5);
        }
    }

    [[nodiscard]] Unit row(const std::vector<std::string>& cells, const std::vector<std::size_t>& columns,
                           const std::vector<double>& widths, const QFont& font) const {
        const double line = lineHeight(font);
        Unit unit;
        double x = 0;
        std::size_t most = 1;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const auto text = columns[c] < cells.size() ? qt(cells[columns[c]]) : QString();
            const auto pieces = wrap(text, font, widths[c] - 2 * m_pad);
            most = std::max(most, pieces.size());
            for (std::size_t k = 0; k < pieces.size(); ++k) {
                if (!pieces[k].isEmpty()) {
                    unit.items.push_back({PageItem::Kind::Text,
                                          QRectF(x + m_pad, m_pad + static_cast<double>(k) * line,
                                                 widths[c] - 2 * m_pad, line),
                                          pieces[k], font});
                }
            }
            x += widths[c];
        }
        unit.height = static_cast<double>(most) * line + 2 * m_pad;
        return unit;
    }

    void chunk(const DocumentTable& table, const std::vector<std::size_t>& columns,
               const std::vector<double>& widths, double gap) {
        const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
        Unit head = row(table.heads, columns, widths, m_bold);
        head.items.insert(head.items.begin(),
                          {PageItem::Kind::Fill, QRectF(0, 0, total, head.height), {}, {}});
        head.items.push_back({PageItem::Kind::Rule, QRectF(0, head.height, total, 0), {}, {}});
        head.keepWithNext = true;
        // The heads, then the group lines in effect, by level: what a continued row stands under.
        std::vector<std::pair<int, std::size_t>> context{{-1, m_repeats.size()}};
        m_repeats.push_back(head);
        const auto inEffect = [&context] {
            std::vector<std::size_t> repeats;
            for (const auto& group : context) {
                repeats.push_back(group.second);
            }
            return repeats;
        };
        for (auto& item : head.items) {
            item.rect.translate(0, gap);
        }
        head.height += gap;
        m_units.push_back(std::move(head));
        // A short table such as a composition stays on one page.
        const bool whole = table.rows.size() <= 4;
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const auto& source = table.rows[r];
            Unit unit;
            if (source.group) {
                const QFont& font = source.level == 0 ? m_bold : (source.level == 1 ? italic() : m_font);
                const double indent = points(8) * source.level;
                const auto text = source.cells.empty() ? QString() : qt(source.cells.front());
                const double line = lineHeight(font);
                const auto pieces = wrap(text, font, total - indent - 2 * m_pad);
                // Group lines stand close above the rows they head.
                for (std::size_t k = 0; k < pieces.size(); ++k) {
                    unit.items.push_back({PageItem::Kind::Text,
                                          QRectF(indent + m_pad, m_pad / 2 + static_cast<double>(k) * line,
                                                 total - indent - 2 * m_pad, line),
                                          pieces[k], font});
                }
                unit.height = static_cast<double>(pieces.size()) * line + m_pad;
                unit.keepWithNext = true;
                // A group line ends the groups of its level and below.
                while (context.size() > 1 && context.back().first >= source.level) {
                    context.pop_back();
                }
                unit.repeats = inEffect();
                context.emplace_back(source.level, m_repeats.size());
                m_repeats.push_back(unit);
            } else {
                unit = row(source.cells, columns, widths, m_font);
                unit.keepWithNext = whole && r + 1 < table.rows.size();
                unit.items.push_back({PageItem::Kind::Rule, QRectF(0, unit.height, total, 0), {}, {}});
                unit.repeats = inEffect();
            }
            m_units.push_back(std::move(unit));
        }
    }

    [[nodiscard]] QFont italic() const { return derived(m_font, 1.0, false, true); }

    QPaintDevice& m_device;
    double m_width;
    QFont m_font;
    QFont m_bold;
    QFont m_note;
    QFont m_caption;
    QFont m_title;
    double m_pad;
    std::vector<Unit> m_units;
    std::vector<Unit> m_repeats;
};

} // namespace

DataSheetPages::DataSheetPages(const ReportDocument& document, const QFont& font, QPaintDevice& device,
                               const QSizeF& pageSize) {
    Layout layout(font, device, pageSize);
    m_head = layout.head(document);
    m_foot = layout.foot(document, pageSize.height());
    m_footTemplate = qt(document.foot.pageCaption) + " %1 " + qt(document.foot.ofCaption) + " %2";
    for (const auto& section : document.sections) {
        layout.section(section);
    }
    m_pages = layout.paginate(layout.headHeight(), pageSize.height() - layout.footHeight());
}

std::vector<PageItem> DataSheetPages::head() const {
    return m_head;
}

std::vector<PageItem> DataSheetPages::foot(int index) const {
    auto items = m_foot;
    items.back().text = m_footTemplate.arg(index + 1).arg(pageCount());
    return items;
}

} // namespace shell::print
