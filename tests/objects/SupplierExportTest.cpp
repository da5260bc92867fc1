#include "ObjectsTestSupport.h"
#include "RecordsTestSupport.h"
#include "SupplierExportFile.h"
#include "objects/Application.h"
#include "objects/Connection.h"
#include "objects/Material.h"
#include "test_support/Files.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using objectstest::ErrorLog;
using objectstest::TestProgram;
using orvik::objects::SupplierExportFile;

namespace {

TEST(SupplierExportFile, QuotesOnlyTheFieldsThatNeedIt) {
    struct Case {
        const char* value;
        const char* splitter;
        const char* expected;
    };
    const Case cases[] = {
        {"Musterweg 5", ";", "Musterweg 5"},
        {"", ";", ""},
        {"Lager; Süd", ";", "\"Lager; Süd\""},
        {"Lager; Süd", "\t", "Lager; Süd"},
        {"Say \"hi\"", ";", "\"Say \"\"hi\"\"\""},
        {"line\r\nbreak", ";", "\"line\r\nbreak\""},
        {"only\nfeed", "|", "\"only\nfeed\""},
        {"a::b", "::", "\"a::b\""},
        {"a:b", "::", "a:b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SupplierExportFile::Field(c.value, c.splitter), c.expected) << c.value;
    }
}

TEST(SupplierExportFile, LinesJoinTheFieldsWithoutATrailingSeparator) {
    EXPECT_EQ(SupplierExportFile::Line({"a", "", "c"}, ";"), "a;;c\r\n");
    EXPECT_EQ(SupplierExportFile::Line({"a", "b"}, ";;"), "a;;b\r\n");
    EXPECT_EQ(SupplierExportFile::Line({"a;b", "c"}, ";"), "\"a;b\";c\r\n");
    EXPECT_EQ(SupplierExportFile::Line({}, ";"), "\r\n");
}

TEST(SupplierExportFile, TheRunningNumberIsNoFieldAndNullIsEmpty) {
    const objectstest::LiteralRows rows;
    const auto rs = rows.rows({"'MUS' AS Code, ' Musterstahl ' AS Name1, Null AS Name2, 1 AS LfdNr",
                               "'EXE' AS Code, 'Exempel; Wien' AS Name1, 'Lager' AS Name2, 2 AS lfdnr"});
    EXPECT_EQ(SupplierExportFile::Content(*rs, ";", true),
              "Code;Name1;Name2\r\nMUS;Musterstahl;\r\nEXE;\"Exempel; Wien\";Lager\r\n");
    const auto none = rows.rows({}, "'x' AS Code, 1 AS LFDNR, 'y' AS Name1");
    EXPECT_EQ(SupplierExportFile::Content(*none, ";", true), "Code;Name1\r\n");
    const auto none2 = rows.rows({}, "'x' AS Code, 1 AS LFDNR, 'y' AS Name1");
    EXPECT_EQ(SupplierExportFile::Content(*none2, ";", false), "");
}

TEST(SupplierExport, ReplacesTheFileAndLeavesItWhenTheQueryFails) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("69", "340", platform::Variant(482));
    ErrorLog errors(material->Error);
    const auto file = program.file("suppliers.txt");
    std::ofstream(file) << "the old content";

    material->ExportSuppliers(file.string(), ";", false);
    const auto first = test_support::readBytes(file);
    EXPECT_NE(first, "the old content");
    EXPECT_EQ(first.find("Code"), std::string::npos);
    EXPECT_NE(first.find("Musterstahl Beispiel GmbH (sample firm)"), std::string::npos);
    // UTF-8 as stored: umlauts are two bytes each, no byte-order mark.
    EXPECT_FALSE(first.starts_with("\xEF\xBB\xBF"));

    material->ExportSuppliers(file.string(), ";", true);
    EXPECT_TRUE(test_support::readBytes(file).starts_with("Code;"));
    const auto written = test_support::readBytes(file);

    // The query fails: reported by the data service, the file stays as it was.
    app->Connection()->Close();
    app->Connection()->setLoggedIn(true);
    material->ExportSuppliers(file.string(), ";", true);
    ASSERT_EQ(errors.count(), 1U);
    EXPECT_EQ(errors.errors()[0].Procedure(), "GetForSteelExport");
    EXPECT_EQ(test_support::readBytes(file), written);

    // Nothing but the file itself is left in the folder.
    std::vector<std::string> stray;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        if (entry.path().filename().string().starts_with("suppliers.txt") && entry.path() != file) {
            stray.push_back(entry.path().filename().string());
        }
    }
    EXPECT_TRUE(stray.empty());
}

// Each way of failing to write the export: reported with the file's name, the old file as it was.
TEST(SupplierExport, AFileThatCannotBeWrittenIsReportedAndKeptAsItWas) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto material = app->Material("69", "340", platform::Variant(482));
    ErrorLog errors(material->Error);
    const auto folder = program.file("export");
    std::filesystem::create_directory(folder);
    const auto file = folder / "suppliers.txt";
    const std::string old = "the old content";
    std::ofstream(file) << old;
    const auto names = test_support::fileNames(folder);

    const auto expectRefused = [&](const std::filesystem::path& target, const std::filesystem::path& kept) {
        const auto before = errors.count();
        material->ExportSuppliers(target.string(), ";", true);
        ASSERT_EQ(errors.count(), before + 1);
        EXPECT_EQ(errors.errors().back().Procedure(), "ExportSuppliers");
        EXPECT_NE(errors.errors().back().Description().find(target.string()), std::string::npos)
            << errors.errors().back().Description();
        EXPECT_EQ(test_support::readBytes(kept), old);
        EXPECT_EQ(test_support::fileNames(folder), names) << "no temporary file is left";
    };
    {
        SCOPED_TRACE("a full disk");
        const test_support::ScopedFileSizeLimit diskFull(8);
        expectRefused(file, file);
    }
    {
        SCOPED_TRACE("below a regular file, which fails as root too");
        expectRefused(file / "suppliers.txt", file);
    }
    {
        SCOPED_TRACE("a read-only folder");
        const test_support::ScopedReadOnlyFolder readOnly(folder);
        if (readOnly.effective()) { // not where the folder cannot be made read-only
            expectRefused(file, file);
        }
    }
}

} // namespace
