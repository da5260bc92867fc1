// The object model reads the language the program shows from the text service that the program
// switches, not from the settings: a program folder installed read-only keeps the language of the
// installation in its INI file, and a per-user store that cannot be written keeps nothing either.

#include "ObjectsTestSupport.h"
#include "common/ProgrammSettings.h"
#include "common/cls_Language.h"
#include "objects/Application.h"
#include "objects/List.h"
#include "objects/Material.h"
#include "objects/PropertyBags.h"
#include "objects/StandardListEntry.h"
#include "platform/UserNotifier.h"
#include "platform/UserSettings.h"
#include "test_support/TestEnvironment.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using orvik::common::Language;
using platform::Variant;

class Quiet final : public platform::UserNotifier {
public:
    void show(const platform::UserMessage& /*message*/) override {}
};

struct Expected {
    Language language;
    const char* steelgroup;  // of 1.0038 (S235JR in Europe)
    const char* country;     // of Germany in the country list
    const char* kind;        // of the first property table of 1.0038
    const char* nonStandard; // the steels of no standard in the standard list
};

std::vector<std::string> countries(orvik::objects::Application& app) {
    std::vector<std::string> names;
    const auto list = app.List()->Countries();
    for (const auto& entry : *list) {
        names.push_back(entry.item);
    }
    return names;
}

bool anyStandardStartsWith(orvik::objects::Application& app, const std::string& prefix) {
    const auto standards = app.List()->Standards();
    return std::any_of(standards->begin(), standards->end(),
                       [&](const auto& entry) { return entry.item->Name.starts_with(prefix); });
}

} // namespace

TEST(RunLanguage, EveryReaderFollowsTheSwitchWhereTheSettingsCannotKeepIt) {
    const objectstest::TestProgram program;
    const auto app = objectstest::connectedApplication();
    const platform::ScopedUserNotifier quiet(std::make_shared<Quiet>());
    const auto store = platform::userSettingsFile("Graukant2007");
    ASSERT_TRUE(store.has_value());
    const test_support::ScopedReadOnlyFolder readOnlyProgram(program.programFolder());
    const test_support::ScopedReadOnlyFolder readOnlyStore(store->parent_path());
    if (!readOnlyProgram.effective() || !readOnlyStore.effective()) {
        GTEST_SKIP() << "the folders cannot be made read-only here";
    }
    const Expected cases[] = {
        {Language::French, "Aciers de construction non alliés", "Allemagne (D)",
         "Caractéristiques mécaniques", "Aciers non normalisés"},
        {Language::English, "Non-alloy structural steels", "Germany (D)", "Mechanical properties",
         "Non standardized steels"},
        {Language::German, "Unlegierte Baustähle", "Deutschland (D)", "Mechanische Eigenschaften",
         "Nicht genormte Stähle"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.language));
        // The switch as the main window makes it: the settings refuse it, the text service takes it.
        orvik::common::ProgrammSettings().CurrentLanguage(c.language);
        ASSERT_EQ(orvik::common::ProgrammSettings().CurrentLanguage(), Language::German) << "nothing kept it";
        app->LanguageObject()->setLanguage(c.language);

        const auto steel = app->Material("1", "2", Variant(2));
        ASSERT_NE(steel, nullptr);
        EXPECT_EQ(steel->Steelgroup(), c.steelgroup);
        const auto names = countries(*app);
        EXPECT_NE(std::find(names.begin(), names.end(), c.country), names.end());
        EXPECT_TRUE(anyStandardStartsWith(*app, c.nonStandard));
        const auto bags = steel->PropertyBags();
        ASSERT_TRUE(bags && bags->Count() > 0);
        EXPECT_EQ(bags->Item(Variant(1))->PropertyTypeName, c.kind);
    }
}
