#include "objects/ReportDocument.h"

#include <algorithm>

namespace orvik::objects {

namespace {

// Characters, not bytes, so that columns with umlauts line up.
std::size_t width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void pad(std::string& out, const std::string& cell, std::size_t to) {
    out += cell;
    out.append(to - std::min(to, width(cell)), ' ');
}

void appendRow(std::string& out, const std::vector<std::string>& cells,
               const std::vector<std::size_t>& widths) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += " | ";
        }
        pad(line, cells[i], i < widths.size() ? widths[i] : 0);
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    out += line + '\n';
}

void appendTable(std::string& out, const DocumentTable& table) {
    std::vector<std::size_t> widths;
    const auto measure = [&widths](const std::vector<std::string>& cells) {
        widths.resize(std::max(widths.size(), cells.size()), 0);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            widths[i] = std::max(widths[i], width(cells[i]));
        }
    };
    measure(table.heads);
    for (const auto& row : table.rows) {
        if (!row.group) {
            measure(row.cells);
        }
    }
    appendRow(out, table.heads, widths);
    std::size_t total = 0;
    for (const auto w : widths) {
        total += w;
    }
    out += std::string(total + 3 * (widths.empty() ? 0 : widths.size() - 1), '-') + '\n';
    for (const auto& row : table.rows) {
        if (row.group) {
            out += std::string(static_cast<std::size_t>(row.level) * 2, ' ') +
                   (row.cells.empty() ? std::string() : row.cells.front()) + '\n';
        } else {
            appendRow(out, row.cells, widths);
        }
    }
}

} // namespace

const DocumentSection* ReportDocument::section(const std::string& name) const {
    const auto it = std::find_if(sections.begin(), sections.end(),
                                 [&name](const DocumentSection& s) { return s.name == name; });
    return it == sections.end() ? nullptr : &*it;
}

std::string ReportDocument::Text() const {
    std::string out;
    out += head.title + '\n';
    out += head.materialCaption + ": " + head.material + '\n';
    out += head.countryCaption + ": " + head.country + '\n';
    for (const auto& s : sections) {
        out += '\n';
        if (!s.caption.empty()) {
            out += s.caption + '\n' + std::string(width(s.caption), '=') + '\n';
        }
        for (const auto& block : s.blocks) {
            switch (block.kind) {
            case DocumentBlock::Kind::Heading:
            case DocumentBlock::Kind::Text:
                for (const auto& line : block.lines) {
                    out += (block.bold ? "* " : "") + line + '\n';
                }
                break;
            case DocumentBlock::Kind::Footnotes:
                for (const auto& line : block.lines) {
                    out += (line.empty() ? "" : "  ") + line + '\n';
                }
                break;
            case DocumentBlock::Kind::Table:
                appendTable(out, block.table);
                break;
            }
        }
    }
    out += '\n' + foot.pageCaption + " 1 " + foot.ofCaption + " 1, " + foot.dateCaption + ": " + foot.date +
           '\n';
    return out;
}

} // namespace orvik::objects
