#include "dao/CriteriaMatcher.h"

#include <gtest/gtest.h>

using namespace platform::db;
using platform::Variant;

TEST(Criteria, FieldNamesBecomeParametersAndEverythingElseStays) {
    const std::vector<ColumnInfo> columns{
        {"id_form", "tab_controls", "id_form", ValueKind::Plain},
        {"id_form", "tab_width", "id_form", ValueKind::Plain},
        {"order", "tab_width", "order", ValueKind::Plain},
        {"Name", "", "", ValueKind::Plain},
    };
    struct Case {
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {"id_form = 'id_form'", "(?1 COLLATE JETTEXT) = 'id_form'"},
        {"tab_width.id_form IS NULL", "(?2 COLLATE JETTEXT) IS NULL"},
        {"\"tab_width\" . \"order\" > 1", "(?3 COLLATE JETTEXT) > 1"},
        {"[name] LIKE 'a%' AND upper(name) = 'A'",
         "(?4 COLLATE JETTEXT) LIKE 'a%' AND upper((?4 COLLATE JETTEXT)) = 'A'"},
        {"x COLLATE name = 1", "x COLLATE name = 1"}, // unknown x stays; a collation name is no field
        {"other.id_form = 1", "(?1 COLLATE JETTEXT) = 1"},
        {"'it''s' = name", "'it''s' = (?4 COLLATE JETTEXT)"},
        {"1.5e-3 < 2 OR NOT name IN (1, 2)", "1.5e-3 < 2 OR NOT (?4 COLLATE JETTEXT) IN (1, 2)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bindFieldNames(c.input, columns), c.expected) << c.input;
    }
}

// The translator writes literals and type names that look like names to a plain reader: a blob, the
// type of a cast. A field of that name must not take their place.
TEST(Criteria, LiteralsAndTypeNamesAreNoFields) {
    const std::vector<ColumnInfo> columns{
        {"name", "t", "name", ValueKind::Plain},
        {"X", "t", "X", ValueKind::Plain},
        {"real", "t", "real", ValueKind::Plain},
    };
    struct Case {
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {"(likelihood(name < X'', 0.25) AND unlikely(jet_like(name, '*ab*')))",
         "(likelihood((?1 COLLATE JETTEXT) < X'', 0.25) AND unlikely(jet_like((?1 COLLATE JETTEXT), "
         "'*ab*')))"},
        {"x'0aFF' = x", "x'0aFF' = (?2 COLLATE JETTEXT)"},
        {"x = X''", "(?2 COLLATE JETTEXT) = X''"},
        {"x ''", "(?2 COLLATE JETTEXT) ''"}, // a name, a blank and a text: no blob
        {"(CAST(real AS REAL) / x) > 1", "(CAST((?3 COLLATE JETTEXT) AS REAL) / (?2 COLLATE JETTEXT)) > 1"},
        {"CAST(name AS \"real\")", "CAST((?1 COLLATE JETTEXT) AS \"real\")"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bindFieldNames(c.input, columns), c.expected) << c.input;
    }
}

TEST(Criteria, EqualityTermsAreRecognisedInTranslatedCriteria) {
    const std::vector<ColumnInfo> columns{
        {"Id", "t", "Id", ValueKind::Plain},
        {"id_form", "tab_controls", "id_form", ValueKind::Plain},
        {"Suchbar", "t", "Suchbar", ValueKind::Boolean},
    };
    using platform::Variant;
    struct Case {
        const char* input;
        std::vector<std::pair<std::size_t, Variant>> terms; // empty: not an equality criteria
    };
    const Case cases[] = {
        {"((Id = 123))", {{0, Variant(123)}}},
        {"(Id = -5)", {{0, Variant(-5)}}},
        {"(Id = 1.5)", {{0, Variant(1.5)}}},
        {"(id_form = 'it''s' COLLATE JETTEXT)", {{1, Variant("it's")}}},
        {"((\"tab_controls\".\"id_form\" = 'a' COLLATE JETTEXT) AND (Id = 2))",
         {{1, Variant("a")}, {0, Variant(2)}}},
        {"(7 = Id)", {{0, Variant(7)}}},
        {"(Id = 1 OR Id = 2)", {}},
        {"(NOT Id = 1)", {}},
        {"(Id > 1)", {}},
        {"(Id = 1) AND 1 = 1", {}},
        {"(Id = Id)", {}},
        {"(Suchbar = -1)", {}}, // yes/no values are compared the slow way
        {"(nosuch = 1)", {}},
        {"(Id = 1 + 1)", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const auto terms = parseEqualities(c.input, columns);
        if (c.terms.empty()) {
            EXPECT_FALSE(terms.has_value());
            continue;
        }
        ASSERT_TRUE(terms.has_value());
        ASSERT_EQ(terms->size(), c.terms.size());
        for (std::size_t i = 0; i < c.terms.size(); ++i) {
            EXPECT_EQ((*terms)[i].column, c.terms[i].first);
            EXPECT_TRUE((*terms)[i].literal == c.terms[i].second);
        }
    }
}
