// The captions of the windows in the text database: every one in all three languages, each key
// once, and the access keys agreeing between the languages.

#include "DatabaseChecks.h"
#include "datatools/SqliteConnection.h"
#include "test_support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace datachecks {
namespace {

using Lines = std::vector<std::string>;

TEST(TextDatabaseCaptions, EveryCaptionHasItsThreeLanguagesOnceWithAgreeingAccessKeys) {
    datatools::SqliteConnection db(GK_LANGUAGE_MDB, false);
    EXPECT_GT(db.queryInteger(
                  "SELECT COUNT(DISTINCT id_form) FROM tab_controls WHERE substr(id_form, 1, 4) = 'uctl'"),
              0)
        << "the panels' captions are built in";
    EXPECT_EQ(captionsWithoutText(db), Lines{});
    EXPECT_EQ(captionKeysHeldTwice(db), Lines{});
    EXPECT_EQ(captionsWithUnevenAccessKeys(db), Lines{});
}

// The checks above pass only because they find nothing: a table with each fault shows they see it.
TEST(TextDatabaseCaptions, ChecksNameEachFaultyCaption) {
    const test_support::TempFolder folder;
    const std::filesystem::path file = folder.path() / "captions.mdb";
    {
        datatools::SqliteConnection db(file, true);
        db.execute("CREATE TABLE tab_controls (id_form TEXT, id_control TEXT, german TEXT, france TEXT, "
                   "english TEXT, selfdefine TEXT)");
        db.execute("INSERT INTO tab_controls VALUES "
                   "('frmA', 'cmdOk', '&Ok', '&OK', '&OK', NULL), "
                   "('frmA', 'lblFrench', 'Land', NULL, 'Country', NULL), "
                   "('frmA', 'lblEnglish', 'Land', 'Pays', '  ', NULL), "
                   "('frmB', 'mnuX(1)', 'Datei', 'Fichier', 'File', NULL), "
                   "('FRMB', 'MNUX(1)', 'Datei', 'Fichier', 'File', NULL), "
                   "('frmC', 'cmdLost', '&Suchen', 'Rechercher', '&Search', NULL), "
                   "('frmC', 'cmdTwo', '&Ein&trag', '&Entrée', '&Entry', NULL), "
                   "('frmC', 'cmdSign', 'A && B', 'A && B', 'A && B', NULL), "
                   "('frmC', 'cmdExtra', 'Suchen', 'Re&chercher', 'Search', NULL)");
        EXPECT_EQ(captionsWithoutText(db), (Lines{"frmA lblFrench: france", "frmA lblEnglish: english"}));
        EXPECT_EQ(captionKeysHeldTwice(db), Lines{"frmb mnux(1): 2 rows"});
        EXPECT_EQ(captionsWithUnevenAccessKeys(db),
                  (Lines{"frmC cmdExtra: 0 German, 1 French, 0 English access keys",
                         "frmC cmdLost: 1 German, 0 French, 1 English access keys",
                         "frmC cmdTwo: 2 German, 1 French, 1 English access keys"}));
    }
}

} // namespace
} // namespace datachecks
