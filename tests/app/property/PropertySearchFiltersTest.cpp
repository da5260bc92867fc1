// The filter texts of criterion rows: the SQL and XPath forms, and the cells that must never reach
// them. The layout is the search-field layout of the sample database, written down here.

#include "PropertySearchFilters.h"

#include "objects/PropertySearchFields.h"
#include "test_support/HostileTexts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

using orvik::objects::PropertySearchField;
using property::CriterionRow;
using property::PropertySearchFilters;

PropertySearchField number(int column, const char* name, const char* symbol, const char* comparison,
                           int width = 5) {
    PropertySearchField f;
    f.Column = column;
    f.Fieldname = name;
    f.Symbol = symbol;
    f.Comparison = comparison;
    f.Width = width;
    f.Visible = width > 0;
    return f;
}

PropertySearchField choice(int column, const char* name, const char* symbol, const char* kind,
                           int width = 6) {
    PropertySearchField f = number(column, name, symbol, "=", width);
    f.isCombo = true;
    f.ComboContent = kind;
    return f;
}

class PropertySearchFiltersTest : public ::testing::Test {
protected:
    PropertySearchFiltersTest() {
        for (const auto& f : {
                 choice(1, "tabEigenschaftswerte.SId_Eigenschaft", "@SE", "Eigenschaft", 16),
                 number(2, "tabEigenschaftswerte.Eigenschaft_min", "@n", ">="),
                 number(3, "tabEigenschaftswerte.Eigenschaft_max", "@x", "<="),
                 number(5, "tabEigenschaftswerte.Dauer_min", "@Dn", ">=", 0),
                 number(6, "tabEigenschaftswerte.Dauer_max", "@Dx", "<=", 0),
                 choice(7, "tabEigenschaftswerte.SID_Dauer", "@SD", "Dauer", 0),
                 choice(8, "tabEigenschaftswerte.SID_Klassifizierung", "@SK", "Klassifizierung"),
                 number(9, "tabEigenschaftswerte.Abmasse_min", "@An", ">="),
                 number(10, "tabEigenschaftswerte.Abmasse_max", "@Ax", "<="),
                 choice(11, "tabEigenschaftswerte.SID_Form", "@SF", "Form"),
                 choice(12, "tabEigenschaftswerte.SID_Probenlage", "@SP", "Probenlage"),
                 number(13, "tabEigenschaftswerte.Such_Temp_min", "@STn", "<="),
                 number(14, "tabEigenschaftswerte.Such_Temp_max", "@STx", ">="),
                 choice(15, "tabEigenschaftswerte.SID_Abkuehlung", "@SA", "Abkuehlung"),
                 number(16, "tabEigenschaftswerte.ZuTemp_Min", "@ZTn", "<="),
                 number(17, "tabEigenschaftswerte.ZuTemp_Max", "@ZTx", ">="),
                 choice(18, "tabEigenschaftswerte.SID_Zustand", "@SZ", "Zustand"),
             }) {
            m_fields[f.Column] = f;
        }
    }

    /// A row with the cells given by column; choice keys in their hidden columns.
    static CriterionRow row(const std::map<int, std::string>& cells) {
        CriterionRow r(property::criteria::Columns);
        for (const auto& [column, text] : cells) {
            r[static_cast<std::size_t>(column)] = text;
        }
        return r;
    }

    PropertySearchFilters filters() const {
        return PropertySearchFilters(
            [this](int column) -> const PropertySearchField* {
                const auto found = m_fields.find(column);
                return found == m_fields.end() ? nullptr : &found->second;
            },
            // Search ids differ from the keys, so a key that slips through shows.
            [](const std::string& kind, std::int32_t key) {
                return (kind == "Eigenschaft" ? 1000 : 100) + key;
            });
    }

    std::map<int, PropertySearchField> m_fields;
};

struct FilterCase {
    const char* name;
    std::map<int, std::string> cells;
    const char* sql;
    const char* xml;
};

TEST_F(PropertySearchFiltersTest, RowsBecomeTheirSqlAndXmlConditions) {
    const FilterCase cases[] = {
        {"property and a range",
         {{1, "Zugfestigkeit"}, {19, "1"}, {2, "450"}, {3, "600"}},
         "(tabEigenschaftswerte.SId_Eigenschaft=1001) and (tabEigenschaftswerte.Eigenschaft_min>=450) and "
         "(tabEigenschaftswerte.Eigenschaft_max<=600)",
         "(@SE=1001) and (@n>=450) and (@x<=600)"},
        {"only a maximum, no leading and",
         {{3, "600"}},
         "(tabEigenschaftswerte.Eigenschaft_max<=600)",
         "(@x<=600)"},
        {"equal bounds of the value take the nullable single-value form",
         {{2, "200"}, {3, "200"}},
         "(((tabEigenschaftswerte.Eigenschaft_min<=200 or tabEigenschaftswerte.Eigenschaft_min Is Null) AND "
         "(tabEigenschaftswerte.Eigenschaft_max>=200 or tabEigenschaftswerte.Eigenschaft_max Is Null)) AND "
         "Not "
         "(tabEigenschaftswerte.Eigenschaft_min Is Null and tabEigenschaftswerte.Eigenschaft_max Is Null)) ",
         "(((@n<=200 or @n='') and (@x>=200 or @x='')) and (@n !='' or @x!=''))"},
        {"equal test temperatures take the strict form",
         {{13, "-20"}, {14, "-20"}},
         "(tabEigenschaftswerte.Such_Temp_min<=-20) AND (tabEigenschaftswerte.Such_Temp_max>=-20)",
         "(@STn<=-20) and (@STx>=-20)"},
        {"a decimal comma goes out as a point",
         {{9, "1,5"}},
         "(tabEigenschaftswerte.Abmasse_min>=1.5)",
         "(@An>=1.5)"},
        {"1,5 and 1.5 are two bounds, not one value",
         {{9, "1,5"}, {10, "1.5"}},
         "(tabEigenschaftswerte.Abmasse_min>=1.5) and (tabEigenschaftswerte.Abmasse_max<=1.5)",
         "(@An>=1.5) and (@Ax<=1.5)"},
        {"a choice gives its search id, not its text",
         {{18, "vergütet"}, {25, "3"}},
         "(tabEigenschaftswerte.SID_Zustand=103)",
         "(@SZ=103)"},
        {"unit, hidden and invisible columns never take part",
         {{4, "MPa"}, {5, "10"}, {6, "20"}, {7, "Stunden"}, {24, "2"}, {26, "x"}},
         "",
         ""},
    };
    const auto f = filters();
    for (const auto& c : cases) {
        const auto r = row(c.cells);
        ASSERT_FALSE(f.refusedColumn(r).has_value()) << c.name;
        EXPECT_EQ(f.getMechSearchFilter(r), c.sql) << c.name;
        EXPECT_EQ(f.getXmlMechSearchFilter(r), c.xml) << c.name;
    }
}

TEST_F(PropertySearchFiltersTest, HostileCellsAreRefusedWithTheirRowAndColumn) {
    struct Hostile {
        int column;
        const char* text;
    };
    const Hostile cases[] = {
        {2, "300) or (1=1"},
        {2, "1;DROP TABLE tabEigenschaftswerte"},
        {3, "1.000,5"},
        {3, "1e5"},
        {9, "--1"},
        {9, "0x10"},
        {13, "1 2"},
        {13, "'"},
        {14, "20 or @x!=''"},
        {16, "1,"},
        {17, ",5"},
        {2, "-"},
        {2, "abc"},
        {3, "١٢"},
        // The hidden key of a choice is checked as well: the visible text never counts.
        {19, "1) or (1=1"},
        {25, "99999999999"},
    };
    const auto f = filters();
    for (const auto& c : cases) {
        std::map<int, std::string> cells{{1, "Zugfestigkeit"}, {19, "1"}};
        cells[c.column] = c.text;
        if (c.column == 25) {
            cells[18] = "vergütet";
        }
        const auto outcome = f.build({row({{1, "Streckgrenze"}, {19, "3"}, {2, "200"}}), row(cells)});
        ASSERT_TRUE(outcome.refusal.has_value()) << c.text;
        const int expectedColumn = c.column == 19 ? 1 : (c.column == 25 ? 18 : c.column);
        EXPECT_EQ(outcome.refusal->row, 1U) << c.text;
        EXPECT_EQ(outcome.refusal->column, expectedColumn) << c.text;
        EXPECT_TRUE(outcome.filters.empty()) << c.text;
    }
}

// The texts every text entry point is tried with, in each cell a filter reads: a cell read as a
// number or key refuses them; a choice's visible text never reaches a filter; a blank cell is none.
TEST_F(PropertySearchFiltersTest, HostileTextsInAnyCellNeverReachAFilter) {
    const auto f = filters();
    for (int column = 1; column < property::criteria::Columns; ++column) {
        const auto field = m_fields.find(column);
        const bool visibleChoice = field != m_fields.end() && field->second.isCombo;
        // A hidden key is read when its choice is visible and chosen.
        const bool readKey = std::any_of(m_fields.begin(), m_fields.end(), [column](const auto& entry) {
            return entry.second.isCombo && entry.second.Visible &&
                   property::criteria::keyColumnOf(entry.first) == column;
        });
        const bool readsText =
            readKey || (field != m_fields.end() && field->second.Visible && !visibleChoice);
        for (const auto& hostile : test_support::hostileTexts()) {
            SCOPED_TRACE(std::to_string(column) + " / " + hostile.name);
            std::map<int, std::string> cells{{1, "Zugfestigkeit"}, {19, "1"}, {2, "450"}};
            for (const auto& [choiceColumn, choice] : m_fields) {
                if (choice.isCombo) { // every choice chosen, so each hidden key is read
                    cells[choiceColumn] = "gewählt";
                    cells[property::criteria::keyColumnOf(choiceColumn)] = "2";
                }
            }
            cells[column] = hostile.text;
            const auto outcome = f.build({row(cells)});
            const bool blank = hostile.text.find_first_not_of(' ') == std::string::npos;
            if (readsText && !blank) {
                ASSERT_TRUE(outcome.refusal.has_value());
                EXPECT_TRUE(outcome.filters.empty());
                continue;
            }
            if (outcome.refusal) {
                continue; // a blank key: the choice is refused as unchosen, which is fine
            }
            for (const auto& built : outcome.filters) {
                if (!blank) {
                    EXPECT_EQ(built.sql.find(hostile.text), std::string::npos) << built.sql;
                    EXPECT_EQ(built.xml.find(hostile.text), std::string::npos) << built.xml;
                }
            }
        }
    }
}

TEST_F(PropertySearchFiltersTest, PlainNumbersPass) {
    for (const char* text : {"0", "340", "-20", "1,5", "1.5", " 12 ", "999999999,999999999", "-0,25"}) {
        EXPECT_TRUE(PropertySearchFilters::isPlainNumber(text)) << text;
    }
}

TEST_F(PropertySearchFiltersTest, EmptyRowsAreLeftOut) {
    const auto outcome =
        filters().build({row({}), row({{1, "Zugfestigkeit"}, {19, "1"}, {2, "450"}}), row({{5, "1"}})});
    ASSERT_FALSE(outcome.refusal.has_value());
    ASSERT_EQ(outcome.filters.size(), 1U);
    EXPECT_EQ(outcome.filters[0].xml, "(@SE=1001) and (@n>=450)");
    EXPECT_TRUE(filters().build({row({}), row({{4, "MPa"}})}).filters.empty());
}

} // namespace
