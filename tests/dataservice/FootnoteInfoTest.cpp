// Footnotes of a designation and the info texts of a steel.

#include "ServiceTestSupport.h"
#include "dataservice/FootnoteManager.h"
#include "dataservice/InfoManager.h"

#include <algorithm>

namespace servicetest {
namespace {

using orvik::dataservice::FootnoteManager;
using orvik::dataservice::InfoManager;
using Ids = std::vector<std::int64_t>;
using Texts = std::vector<std::string>;

TEST_F(FixtureTest, FootnotesOfADesignationInTheLanguage) {
    FootnoteManager manager;
    auto notes = texts(manager.GetForDesignation(db(), "11", 2), "Info");
    std::sort(notes.begin(), notes.end());
    EXPECT_EQ(notes, (Texts{"Footnote one", "Footnote two"}));
    EXPECT_EQ(texts(manager.GetForDesignation(db(), "12", 0), "Info"), Texts{});
}

class InfoTest : public FixtureTest {
protected:
    InfoManager manager;
    EventLog log{manager};
};

TEST_F(InfoTest, HeadingsById) {
    const auto rs = manager.GetInfoTitles(db(), 0);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Titel").asText(), "Eigenschaften");
    EXPECT_EQ(integers(rs, "Id_Infotitel"), (Ids{1, 5}));
}

TEST_F(InfoTest, TextsOfASteel) {
    const auto rs = manager.GetInfosForSteel(db(), "1", 2);
    ASSERT_TRUE(rs);
    EXPECT_EQ(columnNames(rs), (Texts{"ID_Infotitel", "Titel", "Infotext"}));
    EXPECT_EQ(texts(rs, "Infotext"), (Texts{"corrosion resistant", "kitchen equipment"}));
    EXPECT_EQ(texts(manager.GetInfosForSteel(db(), "3", 2), "Infotext"), Texts{});
}

TEST_F(InfoTest, TextOfASteelUnderOneHeading) {
    const auto rs = manager.GetInfoForSteelAndTitle(db(), "1", 5, 1);
    ASSERT_TRUE(rs);
    EXPECT_EQ(columnNames(rs), (Texts{"ID_Infotitel", "Titel", "Info"}));
    EXPECT_EQ(texts(rs, "Info"), Texts{"ustensiles de cuisine"});
    EXPECT_EQ(texts(manager.GetInfoForSteelAndTitle(db(), "1", 3, 1), "Info"), Texts{});
    EXPECT_EQ(log.count(), 0u);
}

} // namespace
} // namespace servicetest
