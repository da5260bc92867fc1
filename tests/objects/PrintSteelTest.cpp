// The print data of a sample steel written into print.mdb and read back by the data-sheet report,
// with every section on and with sections off; values arrive bound and intact; a failure is one
// Error and leaves the data marked incomplete.

#include "objects/PrintSteel.h"

#include "ObjectsTestSupport.h"
#include "PrintRangeText.h"
#include "PrintTestSupport.h"
#include "common/ProgrammSettings.h"
#include "common/cls_Language.h"
#include "objects/Application.h"
#include "objects/Material.h"
#include "objects/ProductShapes.h"
#include "objects/Report.h"
#include "platform/CallError.h"
#include "test_support/Files.h"
#include "test_support/FixtureDatabases.h"
#include "test_support/TestEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace {

using orvik::common::Language;
using orvik::objects::PrintSteel;
using platform::Variant;

std::shared_ptr<const platform::Dictionary<>> keys(const std::vector<std::string>& values) {
    auto dictionary = std::make_shared<platform::Dictionary<>>();
    for (const auto& value : values) {
        dictionary->add(Variant(value), Variant(value));
    }
    return dictionary;
}

class PrintSteelTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(GK_SAMPLE_PRINT_ORG_MDB,
                                   m_program.programFolder() / "Daten" / "print_org.mdb");
        // S235JR (designation 2) in Europe, the sample steel 1.0038.
        m_material->Init("1", "2", Variant(2), m_app);
        m_print.Material(m_material);
        m_print.LanguageClass(m_app->LanguageObject());
        m_print.PropertyStandardList(keys({"1"}));
        m_print.PropertyList(keys({"1", "2", "6", "8"}));
        m_folder = PrintSteel::PreparePrintDatabase(m_program.programFolder().string());
    }

    void allOn() {
        for (bool* on :
             {&m_print.PrintStandards, &m_print.PrintSteelgroup, &m_print.PrintRangeOfApplication,
              &m_print.PrintSuppliers, &m_print.PrintAddress, &m_print.PrintShapes, &m_print.PrintTradename,
              &m_print.PrintComposition, &m_print.PrintMechanicalProperties, &m_print.PrintPhysicalProperties,
              &m_print.PrintHeatTreatment, &m_print.PrintStandardsComparsion, &m_print.PrintInfo}) {
            *on = true;
        }
    }

    std::string write() {
        objectstest::ErrorLog log(m_print.Error);
        m_print.writeData(m_folder, Language::German);
        EXPECT_EQ(log.count(), 0U) << (log.count() > 0 ? log.errors().front().Description() : "");
        EXPECT_TRUE(m_print.DataComplete());
        return m_print.CreateReport(GK_REPORT_FILE, m_folder)->Text("10.12.2026");
    }

    objectstest::TestProgram m_program;
    // The data sheet shows numbers as a German user sees them.
    test_support::ScopedEnv m_separator{"GK_DECIMAL_SEPARATOR", std::string(",")};
    std::shared_ptr<orvik::objects::Application> m_app = objectstest::connectedApplication();
    std::shared_ptr<orvik::objects::Material> m_material = std::make_shared<orvik::objects::Material>();
    PrintSteel m_print;
    std::string m_folder;
};

TEST_F(PrintSteelTest, DataSheetOfASampleSteelWithEverySection) {
    allOn();
    const auto text = write();
    const auto expected = propstest::fixture("datasheet-sample-1.0038.txt");
    EXPECT_EQ(text, expected);
    if (text != expected) {
        std::cout << text;
    }
}

TEST_F(PrintSteelTest, ReportTablesLogOnAsTheProgram) {
    const auto report = m_print.CreateReport(GK_REPORT_FILE, m_folder);
    for (const auto& name : {"Normen", "Lieferfirmen"}) {
        auto& table = report->OpenSubreport(name)->Database().Tables(1);
        EXPECT_EQ(table.ConnectionProperties().Item("Session UserID"), "GK2007PRG") << name;
        EXPECT_EQ(std::filesystem::path(table.ConnectionProperties().Item("System Database Path")),
                  m_program.programFolder() / "GK2007.LG")
            << name;
        EXPECT_EQ(std::filesystem::path(table.Location), std::filesystem::path(m_folder) / "print.mdb")
            << name;
    }
}

TEST_F(PrintSteelTest, SectionsSwitchedOffAreNotPrinted) {
    const auto text = write();
    for (const char* caption : {"Normen\n", "Stahlgruppe\n", "Verwendungszweck\n", "Chemische Analyse\n",
                                "Eigenschaften\n", "Normenvergleich\n", "Info\n", "Lieferfirmen\n"}) {
        EXPECT_EQ(text.find(caption), std::string::npos) << caption;
    }
    EXPECT_NE(text.find("Kurznamen: S235JR"), std::string::npos);

    // Only the chosen property kinds and properties are written.
    m_print.PrintMechanicalProperties = true;
    m_print.PropertyList(keys({"8"}));
    const auto properties = write();
    EXPECT_NE(properties.find("Kerbschlagarbeit"), std::string::npos);
    EXPECT_EQ(properties.find("Zugfestigkeit"), std::string::npos);
    EXPECT_EQ(properties.find("Chemische Analyse"), std::string::npos);
}

TEST_F(PrintSteelTest, TextsArriveIntactWithQuotesLineBreaksAndUmlauts) {
    const std::string detail = "O'Neill's \"Spezial\"\r\nGüte Ä–Ö; DROP TABLE tabWerkstoff; --'";
    m_material->SteelgroupDetail(detail);
    m_print.PrintSteelgroup = true;
    (void)write();
    servicetest::Opener opener;
    const auto rows =
        opener.open(m_folder + "print.mdb")->openRecordset("SELECT Stahlgruppe FROM tabWerkstoff");
    ASSERT_FALSE(rows->eof());
    EXPECT_EQ(rows->field("Stahlgruppe").asText(), detail);
}

TEST_F(PrintSteelTest, FailureIsOneErrorAndLeavesNoPartialData) {
    allOn();
    // The comparison table refuses every row, so the writing fails after the sections before it.
    test_support::runScript(
        m_folder + "print.mdb",
        "DROP TABLE tabNormvergleich; CREATE TABLE tabNormvergleich (ID_Stahl INTEGER, "
        "Land TEXT CHECK (Land = 'nie'), Bezeichnung TEXT, Norm TEXT, Werkstoffnummer TEXT, "
        "LfdNr INTEGER);");
    objectstest::ErrorLog log(m_print.Error);
    m_print.writeData(m_folder, Language::German);
    ASSERT_EQ(log.count(), 1U);
    EXPECT_EQ(log.errors()[0].Modul(), "PrintSteel");
    EXPECT_EQ(log.errors()[0].Procedure(), "writeStandardComparsion");
    EXPECT_FALSE(m_print.DataComplete());
    servicetest::Opener opener;
    const auto rows = opener.open(m_folder + "print.mdb")->openRecordset("SELECT * FROM tabWerkstoff");
    EXPECT_TRUE(rows->eof()) << "what was written before the failure is rolled back";

    PrintSteel unbound;
    objectstest::ErrorLog unboundLog(unbound.Error);
    unbound.writeData(m_folder, Language::German);
    EXPECT_EQ(unboundLog.count(), 1U);
    EXPECT_FALSE(unbound.DataComplete());
}

TEST_F(PrintSteelTest, APrintDatabaseThatCannotBeWrittenIsReportedAndKeptAsItWas) {
    // This copy's own print database, in a folder of its own.
    const std::filesystem::path file = m_folder + "print.mdb";
    const auto daten = file.parent_path();
    const auto old = test_support::readBytes(file);
    ASSERT_FALSE(old.empty());
    const auto names = test_support::fileNames(daten);
    std::string description;
    try {
        const test_support::ScopedFileSizeLimit diskFull(4096);
        (void)PrintSteel::PreparePrintDatabase(m_program.programFolder().string());
        ADD_FAILURE() << "a full disk went unnoticed";
    } catch (const platform::CallError& e) {
        description = e.description();
    }
    EXPECT_NE(description.find(file.string()), std::string::npos) << description;
    EXPECT_EQ(test_support::readBytes(file), old);
    EXPECT_EQ(test_support::fileNames(daten), names) << "no temporary file is left";
}

TEST_F(PrintSteelTest, PrintDatabaseGoesToTheUsersFolderWhenItsFolderCannotBeWrittenInTheProgramFolder) {
    namespace fs = std::filesystem;
    const auto daten = m_program.programFolder() / "Daten";
    fs::remove_all(daten / "print");
    for (const bool programFolderReadOnly : {true, false}) {
        std::string folder;
        {
            const test_support::ScopedReadOnlyFolder readOnlyDaten(daten);
            std::optional<test_support::ScopedReadOnlyFolder> readOnly;
            if (programFolderReadOnly) {
                readOnly.emplace(m_program.programFolder());
            }
            if (!readOnlyDaten.effective() || (readOnly && !readOnly->effective())) {
                GTEST_SKIP() << "the folders cannot be made read-only here";
            }
            folder = PrintSteel::PreparePrintDatabase(m_program.programFolder().string());
        }
        // The folder comes with its separator; this copy's own folder under the user's Daten/print.
        const fs::path own = fs::path(folder).parent_path();
        EXPECT_EQ(own.parent_path(), m_program.userDataFolder() / "Daten" / "print") << programFolderReadOnly;
        EXPECT_TRUE(fs::is_regular_file(own / "print.mdb")) << programFolderReadOnly;
        EXPECT_FALSE(fs::exists(daten / "print")) << programFolderReadOnly;
    }
}

} // namespace

namespace {

TEST(PrintSteelStandardsTest, PropertyTablesAreChosenByTheStandardsId) {
    // C45 in Europe: its property tables come from variant 3 of standard 2 (sample rows).
    objectstest::TestProgram program;
    const test_support::ScopedEnv separator("GK_DECIMAL_SEPARATOR", std::string(","));
    std::filesystem::copy_file(GK_SAMPLE_PRINT_ORG_MDB, program.programFolder() / "Daten" / "print_org.mdb");
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("17", "87", Variant(122));
    const auto folder = PrintSteel::PreparePrintDatabase(program.programFolder().string());
    struct Case {
        std::shared_ptr<const platform::Dictionary<>> standards;
        bool printed;
    };
    auto byNumber = std::make_shared<platform::Dictionary<>>();
    byNumber->add(Variant(2), Variant(2));
    const Case cases[] = {{keys({"2"}), true}, {byNumber, true}, {keys({"3"}), false}};
    for (const auto& c : cases) {
        PrintSteel print;
        print.Material(material);
        print.LanguageClass(app->LanguageObject());
        print.PrintMechanicalProperties = true;
        print.PrintHeatTreatment = true;
        print.PropertyStandardList(c.standards);
        print.PropertyList(keys({"1", "3", "4", "21", "22"}));
        objectstest::ErrorLog log(print.Error);
        print.writeData(folder, Language::German);
        ASSERT_EQ(log.count(), 0U) << log.errors().front().Description();
        const auto text = print.CreateReport(GK_REPORT_FILE, folder)->Text("");
        EXPECT_EQ(text.find("Eigenschaften\n=") != std::string::npos, c.printed) << text;
    }
}

} // namespace

namespace {

TEST(PrintRangeTextTest, RangesAsTheDataSheetShowsThem) {
    const test_support::ScopedEnv separator("GK_DECIMAL_SEPARATOR", std::string(","));
    struct Case {
        Variant minimum, maximum;
        const char* expected;
    };
    const Case cases[] = {
        {Variant(10), Variant(20), "10 - 20 mm"},       {Variant(10), Variant::null(), ">=10 mm"},
        {Variant::null(), Variant(20), "<=20 mm"},      {Variant(5), Variant(5), "~ 5 mm"},
        {Variant::null(), Variant::null(), ""},         {Variant(), Variant(), ""},
        {Variant(0.5), Variant(1.25), "0,5 - 1,25 mm"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(orvik::objects::rangeText(c.minimum, c.maximum, "mm"), c.expected) << c.expected;
    }
}

} // namespace

namespace {

// A program of its own whose databases a case may change before the application connects.
// The designation and occurrence through which a sample steel is seen.
struct SeenAs {
    const char* steel;
    const char* designation;
    int occurrence;
};
// 1.0038 (S235JR in Europe).
constexpr SeenAs S235JR{"1", "2", 2};
// 1.4301 (X5CrNi18-10) in Europe.
constexpr SeenAs X5CrNi18_10{"69", "340", 482};

struct PrintProgram {
    explicit PrintProgram(const std::string& changes = {}, SeenAs steelSeenAs = S235JR) : seen(steelSeenAs) {
        std::filesystem::copy_file(GK_SAMPLE_PRINT_ORG_MDB,
                                   program.programFolder() / "Daten" / "print_org.mdb");
        if (!changes.empty()) {
            test_support::runScript(program.databaseFolder() / "Graukant.MDB", changes);
        }
    }
    /// The steel as it is seen, the same object for every print of this program.
    const std::shared_ptr<orvik::objects::Material>& steel() {
        if (!material) {
            app = objectstest::connectedApplication();
            material = app->Material(seen.steel, seen.designation, Variant(seen.occurrence));
        }
        return material;
    }
    std::string print(PrintSteel& print) {
        print.Material(steel());
        print.LanguageClass(app->LanguageObject());
        print.PropertyStandardList(keys({"1"}));
        print.PropertyList(keys({"1", "2", "6", "8"}));
        const auto folder = PrintSteel::PreparePrintDatabase(program.programFolder().string());
        objectstest::ErrorLog log(print.Error);
        // The sheet is written in the language the program shows, as the print dialog passes it.
        print.writeData(folder, static_cast<Language>(app->LanguageObject()->Language()));
        EXPECT_EQ(log.count(), 0U) << (log.count() > 0 ? log.errors().front().Description() : "");
        EXPECT_TRUE(print.DataComplete());
        servicetest::Opener opener;
        const auto selection = opener.open(folder + "print.mdb")->openRecordset("SELECT * FROM tabAuswahl");
        composition = !selection->eof() && selection->field("ANALYSE").asInteger() != 0;
        return print.CreateReport(GK_REPORT_FILE, folder)->Text("");
    }
    SeenAs seen;
    objectstest::TestProgram program;
    std::shared_ptr<orvik::objects::Application> app;
    std::shared_ptr<orvik::objects::Material> material;
    bool composition = true;
};

std::size_t occurrences(const std::string& text, const std::string& piece) {
    std::size_t count = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size())) {
        ++count;
    }
    return count;
}

// The mechanical table of 1.0038 is its only one; its matrix stops in the middle of a value.
constexpr const char* BrokenMatrix =
    "UPDATE tabEigenschaftsMatrix SET Eigenschaft_D = '<Eigenschaften><Wert E=\"1\"' "
    "WHERE Id_Eigenschaftsmatrix = 1;";

TEST(PrintSteelDataTest, AnUnreadableMatrixIsMarkedInItsPlaceToldOnceAndTheRestPrints) {
    PrintProgram program(BrokenMatrix);
    objectstest::ErrorLog told(program.steel()->Error);
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        PrintSteel print;
        print.PrintMechanicalProperties = true;
        print.PrintComposition = true;
        print.PrintStandards = true;
        const auto text = program.print(print);
        EXPECT_NE(
            text.find("Eigenschaften\n=============\n* Mechanische Eigenschaften\nNorm EN 10025-2 (2019) "
                      "gültig\nWarmgewalzte Erzeugnisse aus Baustählen – Teil 2: Technische "
                      "Lieferbedingungen für unlegierte Baustähle\nDiese Tabelle konnte nicht gelesen "
                      "werden.\n"),
            std::string::npos)
            << text;
        EXPECT_NE(text.find("Chemische Analyse\n"), std::string::npos);
        EXPECT_NE(text.find("Normen\n"), std::string::npos);
        EXPECT_TRUE(print.PrintMechanicalProperties);
        ASSERT_EQ(told.count(), 1U) << "told once for the steel, not at every print";
        EXPECT_NE(told.errors()[0].Description().find("matrix 1 "), std::string::npos)
            << told.errors()[0].Description();
        EXPECT_NE(told.errors()[0].Description().find("(steel 1, "), std::string::npos)
            << told.errors()[0].Description();
    }

    // In English the notice is English.
    orvik::common::ProgrammSettings().CurrentLanguage(Language::English);
    program.app->LanguageObject()->setLanguage(Language::English);
    PrintSteel english;
    english.PrintMechanicalProperties = true;
    EXPECT_NE(program.print(english).find("This table could not be read."), std::string::npos);
}

TEST(PrintSteelDataTest, WithoutAPropertySectionNoPropertyTableIsRead) {
    PrintProgram program(BrokenMatrix);
    objectstest::ErrorLog told(program.steel()->Error);
    PrintSteel print;
    print.PrintComposition = true;
    print.PrintStandards = true;
    const auto text = program.print(print);
    EXPECT_EQ(told.count(), 0U) << told.errors().front().Description();
    EXPECT_NE(text.find("Chemische Analyse\n"), std::string::npos);
    EXPECT_EQ(text.find("Eigenschaften\n"), std::string::npos);
}

TEST(PrintSteelDataTest, AFootnoteWhoseTextStandsInAnEarlierOneKeepsItsLine) {
    // Footnote 13 of composition 2 ends in "nach Vereinbarung."; 14 follows it, on P and S.
    PrintProgram program(
        "UPDATE tabAnalyseFussnote SET Text_D = 'nach Vereinbarung.' WHERE Id_Fussnote = 75;");
    PrintSteel print;
    print.PrintComposition = true;
    const auto text = program.print(print);
    EXPECT_EQ(occurrences(text, "\n  14) nach Vereinbarung.\n"), 2U) << text;
    EXPECT_EQ(occurrences(text, "\n  12) "), 2U) << "one line per footnote and composition";
}

TEST(PrintSteelDataTest, TheStandardsTellConformityPredecessorAndSuccessor) {
    struct Case {
        const char* changes;
        const char* lines;
    };
    const Case cases[] = {
        {"", "Vorgängerdokument\nEN 10025-2:2004\n"},
        {"UPDATE tabNormVariante SET Uebereinstimmung = 'ISO 630-2:2011', Nachfolgedokument = 'EN "
         "10025-2:2025' "
         "WHERE Id_NormVariante = 1;",
         "Internationale Übereinstimmung\nISO 630-2:2011\nVorgängerdokument\nEN 10025-2:2004\n"
         "Nachfolgedokument\nEN 10025-2:2025\n"},
    };
    for (const auto& c : cases) {
        PrintProgram program(c.changes);
        PrintSteel print;
        print.PrintStandards = true;
        const auto text = program.print(print);
        const std::string standard =
            "* Norm EN 10025-2 (2019) gültig\nWarmgewalzte Erzeugnisse aus Baustählen – "
            "Teil 2: Technische Lieferbedingungen für unlegierte Baustähle\n";
        EXPECT_NE(text.find(standard + c.lines), std::string::npos) << text;
    }
}

// A standard without a title in the language of the sheet still has its lines, and so has every
// standard after it: 1.4301 stands in EN 10088-2 and EN 10088-3, each with its predecessor.
TEST(PrintSteelDataTest, AStandardWithoutATitleKeepsItsLinesAndSoDoTheStandardsAfterIt) {
    const std::string second = "Nichtrostende Stähle – Teil 2: Technische Lieferbedingungen für Blech und "
                               "Band aus korrosionsbeständigen Stählen für allgemeine Verwendung";
    const std::string third =
        "Nichtrostende Stähle – Teil 3: Technische Lieferbedingungen für Halbzeug, Stäbe, Walzdraht, "
        "gezogenen Draht, Profile und Blankstahlerzeugnisse aus korrosionsbeständigen Stählen für "
        "allgemeine Verwendung";
    struct Case {
        const char* title;
        std::string shown;
    };
    const Case cases[] = {
        {"Titel_D", second + "\n"},
        {"NULL", ""},
        {"''", ""},
        {"' '", ""},
        // A title that ends in a line break takes no blank line into the sheet.
        {"Titel_D || char(13) || char(10)", second + "\n"},
        {"char(13) || char(10) || Titel_D", second + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        PrintProgram program("INSERT INTO zuoStahlbezVorkommen_NormVariante VALUES (482, 11); "
                             "UPDATE tabNormBasis SET Titel_D = " +
                                 std::string(c.title) + " WHERE Id_NormBasis = 9;",
                             X5CrNi18_10);
        PrintSteel print;
        print.PrintStandards = true;
        const auto text = program.print(print);
        EXPECT_NE(text.find("* Norm EN 10088-2 (2014) gültig\n" + c.shown +
                            "Vorgängerdokument\nEN 10088-2:2005\n* Norm EN 10088-3 (2014) gültig\n" + third +
                            "\nVorgängerdokument\nEN 10088-3:2005\n"),
                  std::string::npos)
            << text;
    }
}

TEST(PrintSteelDataTest, TheFirstPageNamesTheSteelOnce) {
    PrintProgram program;
    PrintSteel print;
    const auto text = program.print(print);
    EXPECT_EQ(occurrences(text, "Werkstoff: 1.0038\n"), 1U) << text;
    EXPECT_EQ(occurrences(text, "Land: Europa (EN)\n"), 1U) << text;
    EXPECT_NE(text.find("Kurznamen: S235JR"), std::string::npos) << text;
}

TEST(PrintSteelDataTest, AProductShapeIdBeyondSixteenBitsIsNoOtherShape) {
    PrintProgram program;
    const auto shapes = program.steel()->ProductShapes();
    ASSERT_TRUE(shapes && shapes->Count() > 0);
    PrintSteel print;
    print.PrintSuppliers = true;
    print.PrintShapes = true;
    print.ProductShapeId = shapes->Item(1)->ShapeID + 65536;
    print.Material(program.steel());
    objectstest::ErrorLog log(print.Error);
    print.writeData(PrintSteel::PreparePrintDatabase(program.program.programFolder().string()),
                    Language::German);
    ASSERT_EQ(log.count(), 1U) << "no shape of the steel has that id";
    EXPECT_NE(log.errors()[0].Description().find(std::to_string(print.ProductShapeId)), std::string::npos)
        << log.errors()[0].Description();
}

TEST(PrintSteelDataTest, SteelWithoutCompositionClearsItsSwitch) {
    PrintProgram program("DELETE FROM zuoStahlbez_Analyse WHERE Id_Stahlbez IN "
                         "(SELECT Id_Stahlbez FROM tabStahlbez WHERE ID_Stahl = 1);");
    PrintSteel print;
    print.PrintComposition = true;
    print.PrintStandards = true;
    const auto text = program.print(print);
    EXPECT_FALSE(print.PrintComposition);
    EXPECT_FALSE(program.composition) << "tabAuswahl holds the cleared switch";
    EXPECT_EQ(text.find("Chemische Analyse"), std::string::npos);
    EXPECT_NE(text.find("Normen\n"), std::string::npos);
}

TEST(PrintSteelDataTest, CaptionsFollowTheCurrentLanguage) {
    PrintProgram program;
    orvik::common::ProgrammSettings().CurrentLanguage(Language::English);
    PrintSteel print;
    print.PrintStandards = true;
    print.PrintComposition = true;
    const auto text = program.print(print);
    EXPECT_TRUE(program.composition);
    EXPECT_EQ(text.rfind("Material data sheet\nMaterial: 1.0038\n", 0), 0U) << text;
    for (const char* caption : {"Standards\n", "Chemical composition\n", "Page 1 of 1"}) {
        EXPECT_NE(text.find(caption), std::string::npos) << caption;
    }
    EXPECT_EQ(text.find("Normen"), std::string::npos);
}

} // namespace
