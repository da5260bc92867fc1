#pragma once

#include <string>
#include <vector>

namespace orvik::objects {

/// One row of a document table: its cells under the column heads, or one group line that spans
/// all columns (a change of form, state or property in a property table; `level` from 0).
struct DocumentRow {
    std::vector<std::string> cells;
    bool group = false;
    int level = 0;
};

/// A table with column heads, which a painter repeats after a page break.
struct DocumentTable {
    std::vector<std::string> heads;
    std::vector<DocumentRow> rows;
};

/// A piece of a section: a heading line, lines of text (each its own line; an empty one is a
/// blank line), a table, or footnotes under a table.
struct DocumentBlock {
    enum class Kind { Heading, Text, Table, Footnotes };
    Kind kind = Kind::Text;
    std::vector<std::string> lines;
    bool bold = false;
    DocumentTable table;
};

/// One section of the data sheet under its caption; the identification block has none.
struct DocumentSection {
    /// The section's name in the report file (a sub-report's name or the field of a text section).
    std::string name;
    std::string caption;
    std::vector<DocumentBlock> blocks;
};

/// What every page shows at its top: the sheet's title, the steel's designation line and country.
struct DocumentPageHead {
    std::string title;
    std::string materialCaption;
    std::string material;
    std::string countryCaption;
    std::string country;
};

/// What every page shows at its foot: "page x of y" and the print date.
struct DocumentPageFoot {
    std::string pageCaption;
    std::string ofCaption;
    std::string dateCaption;
    std::string date;
};

/// The laid-out data sheet, independent of pages: a painter turns it into pages; Text() renders it
/// as plain text on one page, for tests and for comparing what two data sheets hold.
class ReportDocument {
public:
    DocumentPageHead head;
    DocumentPageFoot foot;
    std::vector<DocumentSection> sections;

    [[nodiscard]] const DocumentSection* section(const std::string& name) const;
    [[nodiscard]] std::string Text() const;
};

} // namespace orvik::objects
