// The data-sheet report: opening the report file with its sub-reports, pointing every table at the
// print database, and the data sheet laid out from the rows there.

#include "objects/Report.h"

#include "DataSheetReport.h"
#include "PrintTestSupport.h"
#include "platform/CallError.h"
#include "test_support/FixtureDatabases.h"
#include "test_support/TestEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <random>

namespace {

using orvik::objects::openDataSheetReport;
using orvik::objects::Report;
using orvik::objects::ReportTable;

// The tables each logon call saw, with where they pointed then.
struct PointedTables {
    std::vector<std::string> names;
    std::vector<std::string> locations;
    std::vector<std::string> drivers;
    void operator()(ReportTable& table) {
        names.push_back(table.Name());
        locations.push_back(table.Location);
        drivers.push_back(table.DllName);
    }
};

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The print template as the data build makes it, with the rows the program writes for 1.0038.
        const auto schema = test_support::schemaFolder();
        test_support::buildScratchDatabase(
            printDb(),
            {schema / "print_org.sql", schema / "print_captions.sql",
             std::filesystem::path(GK_OBJECTS_FIXTURE_DIR) / "print-1.0038.sql"},
            {});
    }
    [[nodiscard]] std::string folder() const { return m_dir.file(""); }
    [[nodiscard]] std::string printDb() const { return m_dir.file("print.mdb"); }
    void run(const std::string& sql) const { test_support::runScript(printDb(), sql); }
    [[nodiscard]] std::shared_ptr<Report> open(PointedTables& pointed) const {
        return openDataSheetReport(GK_REPORT_FILE, folder(), [&pointed](ReportTable& t) { pointed(t); });
    }

    propstest::TempFolder m_dir;
};

TEST_F(ReportTest, EveryTableOfEverySubreportIsPointedAtThePrintDatabase) {
    PointedTables pointed;
    const auto report = open(pointed);
    const std::vector<std::string> expected = {"tabWerkstoff",
                                               "tabAuswahl",
                                               "tabSeitenkopf",
                                               "tabDetails",
                                               "tabNorm",
                                               "tabWerkstoff",
                                               "tabAnalyse",
                                               "tabAnalyseFussnote",
                                               "tabEigenschaftenuebersicht",
                                               "tabEigenschaft",
                                               "tabNormvergleich",
                                               "tabFirma"};
    EXPECT_EQ(pointed.names, expected);
    for (std::size_t i = 0; i < pointed.names.size(); ++i) {
        EXPECT_EQ(std::filesystem::path(pointed.locations[i]), std::filesystem::path(printDb()))
            << pointed.names[i];
        EXPECT_EQ(pointed.drivers[i], "crdb_dao.dll") << pointed.names[i];
    }
    const auto properties = report->OpenSubreport("eigenschaften.rpt");
    ASSERT_EQ(properties->Database().TablesCount(), 2);
    EXPECT_EQ(properties->Database().Tables(2).Name(), "tabEigenschaft");
    EXPECT_EQ(properties->Database().Tables(2).Location, pointed.locations.back());
    EXPECT_THROW((void)properties->Database().Tables(3), platform::CallError);
}

TEST_F(ReportTest, ReportFileLackingASubreportFailsAfterTheOnesBeforeWerePointed) {
    auto text = propstest::readBytes(GK_REPORT_FILE);
    const auto start = text.find("<SubReport name=\"Lieferfirmen\"");
    ASSERT_NE(start, std::string::npos);
    const auto end = text.find("</SubReport>", start) + std::string("</SubReport>").size();
    text.erase(start, end - start);
    const auto file = m_dir.file("Report.rpt");
    std::ofstream(file) << text;

    PointedTables pointed;
    try {
        (void)openDataSheetReport(file, folder(), [&pointed](ReportTable& t) { pointed(t); });
        FAIL() << "a missing sub-report must fail";
    } catch (const platform::CallError& e) {
        EXPECT_NE(e.description().find("Lieferfirmen"), std::string::npos) << e.description();
    }
    EXPECT_EQ(pointed.names.back(), "tabNormvergleich");
    EXPECT_EQ(pointed.names.size(), 11U);
}

TEST_F(ReportTest, MissingOrForeignReportFileFails) {
    EXPECT_THROW((void)openDataSheetReport(m_dir.file("none.rpt"), folder(), {}), platform::CallError);
    const auto foreign = m_dir.file("foreign.rpt");
    std::ofstream(foreign) << "not a report";
    EXPECT_THROW((void)openDataSheetReport(foreign, folder(), {}), platform::CallError);
}

TEST_F(ReportTest, DataSheetWithEverySectionMatchesTheExpectedText) {
    PointedTables pointed;
    const auto text = open(pointed)->Text("10.12.2026");
    const auto expected = propstest::fixture("datasheet-1.0038.txt");
    EXPECT_EQ(text, expected);
    if (text != expected) {
        std::cout << text;
    }
}

TEST_F(ReportTest, DocumentModelHoldsCaptionsTablesAndFootnotes) {
    PointedTables pointed;
    const auto document = open(pointed)->Document("10.12.2026");
    EXPECT_EQ(document.head.title, "Werkstoffdatenblatt");
    EXPECT_EQ(document.head.material, "1.0038");
    EXPECT_EQ(document.foot.pageCaption, "Seite");
    EXPECT_EQ(document.foot.date, "10.12.2026");
    const auto* composition = document.section("Analyse");
    ASSERT_NE(composition, nullptr);
    EXPECT_EQ(composition->caption, "Chemische Analyse");
    const auto& table = composition->blocks.at(1).table;
    EXPECT_EQ(table.heads, (std::vector<std::string>{"Element", "C", "Mn", "P", "S", "N", "Cu", "Fe"}));
    EXPECT_EQ(table.rows.at(0).cells.at(1), "<=0,17 1)");
    EXPECT_EQ(table.rows.at(0).cells.at(7), "Rest");
    const auto* properties = document.section("eigenschaften.rpt");
    ASSERT_NE(properties, nullptr);
    const auto& footnotes = properties->blocks.back();
    EXPECT_EQ(footnotes.kind, orvik::objects::DocumentBlock::Kind::Footnotes);
    EXPECT_EQ(footnotes.lines, (std::vector<std::string>{"1 Anfangsmesslänge L0 = 5,65 · √S0.", "",
                                                         "2 Mittelwert aus drei Proben."}));
}

// Each standard takes the lines of the standards text that follow its own name and title; a block
// of another standard lends it none, and the standards after it still find theirs.
TEST_F(ReportTest, EachStandardTakesOnlyItsOwnLinesOfTheStandardsText) {
    using Kind = orvik::objects::DocumentBlock::Kind;
    const std::string title = "Warmgewalzte Erzeugnisse aus Baustählen – Teil 2: Technische "
                              "Lieferbedingungen für unlegierte Baustähle";
    struct Case {
        const char* changes;
        std::vector<std::pair<Kind, std::vector<std::string>>> blocks;
    };
    const std::vector<std::pair<Kind, std::vector<std::string>>> second{
        {Kind::Heading, {"BS EN 10025-2"}},
        {Kind::Text, {title, "Internationale Übereinstimmung", "ISO 630-2:2011"}}};
    const Case cases[] = {
        {"UPDATE tabNorm SET Norm = 'EN 10025-2 neu' WHERE rowid = 1;",
         {{Kind::Heading, {"EN 10025-2 neu"}}, {Kind::Text, {title}}, second[0], second[1]}},
        {"UPDATE tabNorm SET Norm = '-' WHERE rowid = 1; "
         "UPDATE tabWerkstoff SET Normen = substr(Normen, length('EN 10025-2') + 3);",
         {{Kind::Text, {title, "Vorgängerdokument", "EN 10025-2:2004"}}, second[0], second[1]}},
        // A standard without a title: the text holds an empty line for it, which ends no block.
        {"UPDATE tabNorm SET Titel = NULL WHERE rowid = 1; "
         "UPDATE tabWerkstoff SET Normen = 'EN 10025-2' || char(13) || char(10) || char(13) || char(10) || "
         "substr(Normen, length('EN 10025-2') + length(Titel) + 5) "
         "FROM tabNorm WHERE tabNorm.rowid = 2;",
         {{Kind::Heading, {"EN 10025-2"}},
          {Kind::Text, {"Vorgängerdokument", "EN 10025-2:2004"}},
          second[0],
          second[1]}},
        // A standard with neither name nor title and no lines of its own takes none of the next one's.
        {"UPDATE tabNorm SET Norm = '-', Titel = NULL WHERE rowid = 1; "
         "UPDATE tabWerkstoff SET Normen = substr(Normen, instr(Normen, 'BS EN'));",
         {second[0], second[1]}},
        {"UPDATE tabNorm SET Norm = '-', Titel = NULL WHERE rowid = 1; "
         "UPDATE tabWerkstoff SET Normen = substr(Normen, instr(Normen, 'Vorgänger'));",
         {{Kind::Text, {"Vorgängerdokument", "EN 10025-2:2004"}}, second[0], second[1]}},
        // A block of no standard lends its lines to none and moves none of them to a later standard.
        {"UPDATE tabWerkstoff SET Normen = 'Hinweis' || char(13) || char(10) || char(13) || char(10) || "
         "Normen;",
         {{Kind::Heading, {"EN 10025-2"}},
          {Kind::Text, {title, "Vorgängerdokument", "EN 10025-2:2004"}},
          second[0],
          second[1]}},
    };
    for (const auto& c : cases) {
        // Each case on the print data as written.
        std::filesystem::remove(printDb());
        SetUp();
        run(c.changes);
        PointedTables pointed;
        const auto document = open(pointed)->Document("");
        const auto* standards = document.section("Normen");
        ASSERT_NE(standards, nullptr) << c.changes;
        std::vector<std::pair<Kind, std::vector<std::string>>> blocks;
        for (const auto& block : standards->blocks) {
            blocks.emplace_back(block.kind, block.lines);
        }
        EXPECT_EQ(blocks, c.blocks) << c.changes;
    }
}

// A text as a Jet SQL literal whose line breaks are CR LF.
std::string sqlText(const std::string& text) {
    std::string sql = "'";
    for (const char c : text) {
        if (c == '\'') {
            sql += "''";
        } else if (c == '\n') {
            sql += "' || char(10) || '";
        } else if (c == '\r') {
            sql += "' || char(13) || '";
        } else {
            sql += c;
        }
    }
    return sql + "'";
}

// The lines of a text as the sheet shows them: no blank line at either end.
std::vector<std::string> shownLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) {
                line.pop_back();
            }
            lines.push_back(line);
            line.clear();
        } else {
            line += text[i];
        }
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    while (!lines.empty() && lines.front().empty()) {
        lines.erase(lines.begin());
    }
    return lines;
}

// Standards made up at random, written as the standards text writes them (name and title, then
// conformity, predecessor and successor each under its caption, two line breaks after each):
// whatever their names and titles, each standard shows its own title and lines and no other's.
TEST_F(ReportTest, GeneratedStandardsEachShowTheirOwnLines) {
    using Kind = orvik::objects::DocumentBlock::Kind;
    const std::vector<std::string> names{"EN 10088-2", "EN 10088-3", "BS EN 10088-2", "-", " - ", ""};
    const std::vector<std::string> titles{"",
                                          " ",
                                          "Nichtrostende Stähle – Teil 2",
                                          "Nichtrostende Stähle – Teil 3",
                                          "Titel mit Umbruch am Ende\r\n",
                                          "\r\nTitel mit Umbruch am Anfang",
                                          "Titel über\r\nzwei Zeilen",
                                          "Titel mit\r\n\r\nLeerzeile",
                                          "O'Neill"};
    const std::vector<std::string> documents{"", "", "EN 10088-2:2005", "ISO 15510:2014",
                                             "EN 10088-2:1995\r\nEN 10088-2:2005"};
    const char* const captions[] = {"Internationale Übereinstimmung", "Vorgängerdokument",
                                    "Nachfolgedokument"};
    std::mt19937 random(20261211);
    const auto pick = [&random](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    for (int round = 0; round < 80; ++round) {
        const auto count = std::uniform_int_distribution<int>(1, 5)(random);
        std::string sql = "DELETE FROM tabNorm; ";
        std::string standardsText;
        std::vector<std::pair<Kind, std::vector<std::string>>> expected;
        bool unknown = false;
        for (int i = 0; i < count; ++i) {
            const auto name = pick(names);
            const auto title = pick(titles);
            const bool named = !name.empty() && name.find_first_not_of(' ') != std::string::npos &&
                               name.substr(name.find_first_not_of(' '), 1) != "-";
            // Of standards known by no line (no name, a blank title) one a sheet at most: two of
            // them cannot be told apart in the text.
            const bool blankTitle = shownLines(title).empty();
            if (!named && blankTitle && unknown) {
                --i;
                continue;
            }
            unknown = unknown || (!named && blankTitle);
            sql += "INSERT INTO tabNorm VALUES (1, " + sqlText(name) + ", " + sqlText(title) + "); ";
            standardsText += (name == "-" || name == " - ") ? title : name + "\r\n" + title;
            auto lines = shownLines(title);
            for (const auto* caption : captions) {
                const auto document = pick(documents);
                if (document.empty()) {
                    continue;
                }
                standardsText += std::string("\r\n") + caption + "\r\n" + document;
                lines.push_back(caption);
                const auto more = shownLines(document);
                lines.insert(lines.end(), more.begin(), more.end());
            }
            standardsText += "\r\n\r\n";
            if (named) {
                expected.emplace_back(Kind::Heading, shownLines(name));
            }
            if (!lines.empty()) {
                expected.emplace_back(Kind::Text, lines);
            }
        }
        run(sql + "UPDATE tabWerkstoff SET Normen = " + sqlText(standardsText) + ";");
        PointedTables pointed;
        const auto document = open(pointed)->Document("");
        const auto* standards = document.section("Normen");
        ASSERT_NE(standards, nullptr) << sql;
        std::vector<std::pair<Kind, std::vector<std::string>>> blocks;
        for (const auto& block : standards->blocks) {
            blocks.emplace_back(block.kind, block.lines);
        }
        EXPECT_EQ(blocks, expected) << sql;
    }
}

// A supplier: its name as heading, its second name line, then each part on, as a block of its own
// that its caption opens, so that a page break keeps the caption with its lines.
TEST_F(ReportTest, EachPartOfASupplierIsABlockUnderItsCaption) {
    using Kind = orvik::objects::DocumentBlock::Kind;
    run("UPDATE tabFirma SET Name2 = 'Nichtrostende Stähle', Lieferform = 'Bleche', "
        "Firmenbezeichnung = 'EXEMPEL 235' || char(13) || char(10) || 'EXEMPEL 235 W'; "
        "UPDATE tabAuswahl SET Firmenbezeichnung = -1, Lieferform = -1;");
    PointedTables pointed;
    const auto document = open(pointed)->Document("");
    const auto* suppliers = document.section("Lieferfirmen");
    ASSERT_NE(suppliers, nullptr);
    std::vector<std::pair<Kind, std::vector<std::string>>> blocks;
    for (const auto& block : suppliers->blocks) {
        blocks.emplace_back(block.kind, block.lines);
    }
    const std::vector<std::pair<Kind, std::vector<std::string>>> expected{
        {Kind::Heading, {"Exempelstål AB (sample firm)"}},
        {Kind::Text, {"Nichtrostende Stähle"}},
        {Kind::Text,
         {"Anschrift:", "Exempelstål AB (sample firm), Exempelgatan 1, 000 01 Exempelstad, Schweden"}},
        {Kind::Text, {"Firmenbezeichnung:", "EXEMPEL 235", "EXEMPEL 235 W"}},
        {Kind::Text, {"Lieferform:", "Bleche"}}};
    EXPECT_EQ(blocks, expected);
}

TEST_F(ReportTest, SectionsSwitchedOffAreLeftOut) {
    struct Case {
        const char* flag;
        const char* section;
    };
    const Case cases[] = {{"Normen", "Normen"},
                          {"Stahlgruppe", "Stahlgruppe"},
                          {"Verwendungszweck", "Verwendungszweck"},
                          {"ANALYSE", "Analyse"},
                          {"Eigenschaften", "eigenschaften.rpt"},
                          {"Normenvergleich", "Normenvergleich"},
                          {"Info", "Info"},
                          {"Lieferfirmen", "Lieferfirmen"}};
    for (const auto& c : cases) {
        run("UPDATE tabAuswahl SET " + std::string(c.flag) + " = -1;");
        PointedTables pointed;
        ASSERT_NE(open(pointed)->Document("").section(c.section), nullptr) << c.flag;
        run("UPDATE tabAuswahl SET " + std::string(c.flag) + " = 0;");
        const auto document = open(pointed)->Document("");
        EXPECT_EQ(document.section(c.section), nullptr) << c.flag;
        EXPECT_NE(document.section("Identification"), nullptr) << c.flag;
    }
    // A supplier's address is shown only with its switch on.
    PointedTables pointed;
    run("UPDATE tabAuswahl SET Lieferfirmen = -1, Anschrift = 0;");
    EXPECT_EQ(open(pointed)->Text("").find("Exempelgatan"), std::string::npos);
}

TEST_F(ReportTest, SectionWithoutRowsIsLeftOutAndAnUnpointedReportCannotBeRead) {
    run("DELETE FROM tabNormvergleich;");
    PointedTables pointed;
    EXPECT_EQ(open(pointed)->Document("").section("Normenvergleich"), nullptr);
    const auto unpointed = orvik::objects::ReportApplication().OpenReport(GK_REPORT_FILE);
    EXPECT_THROW((void)unpointed->Document(""), platform::CallError);
}

} // namespace
