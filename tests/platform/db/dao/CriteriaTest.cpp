#include "CriteriaMatcher.h"

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
