#include "DaoTestSupport.h"

using daotest::errorNumber;
using namespace platform::db;

namespace {

class LongStatement : public daotest::DatabaseFixture {
protected:
    void SetUp() override {
        build("CREATE TABLE t(a INTEGER, s TEXT COLLATE JETTEXT);INSERT INTO t VALUES(1, 'x');");
        m_db = open();
    }
    std::shared_ptr<Database> m_db;
};

/// `first op term op term ...` with `count` terms in all.
std::string chain(const std::string& first, const std::string& op, const std::string& term, int count) {
    std::string text = first;
    for (int i = 1; i < count; ++i) {
        text += " " + op + " " + term;
    }
    return text;
}

} // namespace

TEST_F(LongStatement, ChainsOfOneOperatorRunFlat) {
    struct Case {
        const char* name;
        std::string expression;
        platform::Variant expected;
    };
    // Far beyond what nested brackets would let SQLite parse (about 500 terms).
    constexpr int terms = 900;
    const Case cases[] = {
        {"And", chain("a = 1", "AND", "a = 1", terms), platform::Variant(std::int64_t{-1})},
        {"Or", chain("a = 2", "OR", "a = 2", terms - 1) + " OR a = 1", platform::Variant(std::int64_t{-1})},
        {"plus", chain("a", "+", "a", terms), platform::Variant(std::int64_t{terms})},
        {"minus", chain("a", "-", "a", terms), platform::Variant(std::int64_t{2 - terms})},
        {"numbers plus and minus", chain("1", "+", "2 - 3", terms / 2),
         platform::Variant(std::int64_t{1 - (terms / 2 - 1)})},
        {"texts plus", "Len(" + chain("'ab'", "+", "'c'", terms) + ")",
         platform::Variant(std::int64_t{terms + 1})},
        {"concatenation", "Len(" + chain("s", "&", "s", terms) + ")", platform::Variant(std::int64_t{terms})},
        {"concatenation with Null", "Len(" + chain("Null", "&", "Null", terms) + " & s)",
         platform::Variant(std::int64_t{1})},
    };
    for (const auto& c : cases) {
        const auto rs =
            m_db->openRecordset("SELECT " + c.expression + " AS v FROM t", RecordsetType::Snapshot);
        EXPECT_EQ(rs->field("v"), c.expected) << c.name;
        const auto found =
            m_db->openRecordset("SELECT a FROM t WHERE " + c.expression, RecordsetType::Snapshot);
        EXPECT_FALSE(found->eof()) << c.name;
    }
}

TEST_F(LongStatement, BeyondWhatSQLiteTakesIsTooComplex) {
    struct Case {
        const char* name;
        std::string expression;
    };
    const Case cases[] = {
        {"And beyond the chain bound", chain("a = 1", "AND", "a = 1", 5000)},
        {"plus beyond the chain bound", chain("a", "+", "a", 5000)},
        {"Mod nests its calls", chain("a", "Mod", "7", 900)},
        {"power nests its calls", chain("a", "^", "1", 900)},
        {"comparisons nest", chain("a", "=", "a", 900)},
        {"kinds of plus alternate", chain("a", "+", "a - a", 450)},
        {"many arguments", "IIf(a IN (" + chain("1", ",", "1", 990) + "), 1, 0)"},
    };
    for (const auto& c : cases) {
        const int number = errorNumber([&] {
            const auto rs =
                m_db->openRecordset("SELECT " + c.expression + " AS v FROM t", RecordsetType::Snapshot);
            (void)rs->field("v");
        });
        EXPECT_TRUE(number == 0 || number == jet::TooComplex) << c.name << ": " << number;
    }
    try {
        (void)m_db->openRecordset("SELECT a FROM t WHERE " + chain("a = 1", "OR", "a = 1", 5000),
                                  RecordsetType::Snapshot);
        ADD_FAILURE() << "no error";
    } catch (const platform::CallError& e) {
        EXPECT_EQ(e.number(), jet::TooComplex);
        EXPECT_EQ(e.description(), "Query is too complex.");
    }
}
