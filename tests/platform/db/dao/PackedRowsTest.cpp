// The packed rows of query record sets give back every value exactly as it went in: each type, the
// extremes of numbers, texts of every length across block ends, rows replaced and a cleared store.

#include "dao/PackedRows.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

using platform::Date;
using platform::Variant;
using platform::db::PackedRows;
using platform::db::Row;

namespace {

const Row kValues = {
    Variant(),
    Variant::null(),
    Variant(std::int64_t{0}),
    Variant(std::int64_t{-1}),
    Variant(std::int64_t{127}),
    Variant(std::int64_t{128}),
    Variant(std::numeric_limits<std::int64_t>::min()),
    Variant(std::numeric_limits<std::int64_t>::max()),
    Variant(0.0),
    Variant(-0.5),
    Variant(1e308),
    Variant(std::numeric_limits<double>::denorm_min()),
    Variant(std::string()),
    Variant("Übernehmen"),
    Variant(std::string("a\0b", 3)),
    Variant(std::string(70000, 'x')), // longer than a block
    Variant(true),
    Variant(false),
    Variant(Date{2024, 2, 29, 23, 59, 58}),
    Variant(Date{}),
};

TEST(PackedRows, EveryValueComesBackAsItWentIn) {
    PackedRows rows(kValues.size());
    for (int i = 0; i < 3; ++i) {
        rows.append(kValues);
    }
    ASSERT_EQ(rows.size(), 3U);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(rows.row(r), kValues);
        for (std::size_t c = 0; c < kValues.size(); ++c) {
            EXPECT_EQ(rows.value(r, c), kValues[c]) << "row " << r << " column " << c;
        }
    }
}

TEST(PackedRows, ManyRowsAcrossBlocksReplacedAndCleared) {
    PackedRows rows(2);
    for (std::int64_t i = 0; i < 20000; ++i) {
        rows.append({Variant(i), Variant("row " + std::to_string(i))});
    }
    rows.replace(5, {Variant::null(), Variant(std::string(100000, 'y'))});
    EXPECT_EQ(rows.value(4, 1), Variant("row 4"));
    EXPECT_EQ(rows.value(5, 0), Variant::null());
    EXPECT_EQ(rows.value(5, 1).asText().size(), 100000U);
    EXPECT_EQ(rows.value(6, 1), Variant("row 6"));
    EXPECT_EQ(rows.value(19999, 0), Variant(std::int64_t{19999}));
    ASSERT_EQ(rows.size(), 20000U);

    rows.clear();
    EXPECT_EQ(rows.size(), 0U);
    rows.append({Variant(7), Variant("again")});
    EXPECT_EQ(rows.row(0), (Row{Variant(7), Variant("again")}));
}

} // namespace
