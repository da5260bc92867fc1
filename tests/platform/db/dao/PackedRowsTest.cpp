// The packed rows of query record sets give back every value exactly as it went in: each type, the
// extremes of numbers, texts of every length across block ends, rows replaced and a cleared store.

#include "dao/PackedRows.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

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

// Rows of every size, so that a value's place takes one, two or four bytes and the blocks grow past
// several ends; each value read alone must be the one the whole row gives.
TEST(PackedRows, EachValueReadAloneInRowsOfEverySize) {
    struct Shape {
        const char* name;
        std::size_t textSize;
    };
    const Shape shapes[] = {
        {"short", 3}, {"over 255 bytes", 300}, {"over 64 KiB", 70000}, {"empty text", 0}, {"one block", 4096},
    };
    PackedRows rows(4);
    std::vector<Row> expected;
    for (int round = 0; round < 60; ++round) {
        for (const Shape& shape : shapes) {
            const std::string text(shape.textSize, static_cast<char>('a' + round % 26));
            expected.push_back(
                {Variant(std::int64_t{round}), Variant(text), Variant(-0.25 * round),
                 round % 2 == 0 ? Variant::null() : Variant(Date{2000, 1, 1 + round % 28, 0, 0, 0})});
            rows.append(expected.back());
        }
    }
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t r = 0; r < expected.size(); ++r) {
        ASSERT_EQ(rows.row(r), expected[r]) << shapes[r % std::size(shapes)].name << " row " << r;
        for (std::size_t c = 0; c < expected[r].size(); ++c) {
            ASSERT_EQ(rows.value(r, c), expected[r][c]) << shapes[r % std::size(shapes)].name << " row " << r;
        }
    }
}

// A record set read forwards only clears its rows before each one; the room kept must serve rows of
// any size after it, a large one first or last, one larger than the largest block among them.
TEST(PackedRows, ClearedRowsTakeRowsOfAnySizeAgain) {
    PackedRows rows(2);
    for (const std::size_t size : {std::size_t{200000}, std::size_t{5}, std::size_t{70000}, std::size_t{0},
                                   std::size_t{3000000}, std::size_t{12}, std::size_t{300000}}) {
        rows.clear();
        const Row row{Variant(static_cast<std::int64_t>(size)), Variant(std::string(size, 'z'))};
        rows.append(row);
        rows.append({Variant(std::int64_t{-1}), Variant("after")});
        ASSERT_EQ(rows.size(), 2U);
        EXPECT_EQ(rows.row(0), row) << size;
        EXPECT_EQ(rows.view(1, 1).asText(), "after") << size;
    }
}

} // namespace
