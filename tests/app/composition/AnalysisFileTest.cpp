#include "AnalysisFile.h"

#include "platform/AtomicFile.h"
#include "test_support/TestEnvironment.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

using composition::Analysis;
using composition::AnalysisFile;
using composition::AnalysisRow;
using Status = AnalysisFile::Status;

Analysis sample() {
    Analysis a;
    a.Country = "EU";
    a.Designation = "Stahl für Federn";
    a.MaterialNo = "1.4401";
    a.Rows = {{"C", "0,1", "0,2", "", "5", "5", "outside"},
              {"Mo", "", "", "2,5", "", "", "inside"},
              {"Ni", "10", "13", "", "1", "2", "inside"}};
    return a;
}

TEST(AnalysisFile, WritesTheTitleTheThreeHeadersAndSevenFieldsPerRowWithCrLf) {
    Analysis a;
    a.Country = "D";
    a.Designation = "";
    a.MaterialNo = "1.0503";
    a.Rows = {{"C", "0,42", "0,50", "", "", "", "outside"}, {"Cr", "", "", "", "", "", "outside"}};
    EXPECT_EQ(AnalysisFile::Format(a),
              "Analyse\r\nD\r\n\r\n1.0503\r\nC;0,42;0,50;;;;outside\r\nCr;;;;;;outside\r\n");
}

TEST(AnalysisFile, SavedAndReadBackIsEqual) {
    test_support::ScopedHome temp;
    const auto file = temp.path() / "a.anl";
    ASSERT_TRUE(AnalysisFile::Write(file, sample()));
    Analysis back;
    ASSERT_EQ(AnalysisFile::Read(file, ",", back), Status::Loaded);
    EXPECT_EQ(back, sample());
    // Saving again over the file gives the same bytes.
    ASSERT_TRUE(AnalysisFile::Write(file, back));
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes, AnalysisFile::Format(sample()));
}

TEST(AnalysisFile, AFailedSaveLeavesTheOldFileWhole) {
    test_support::ScopedHome temp;
    const auto file = temp.path() / "missing-folder" / "a.anl";
    EXPECT_FALSE(AnalysisFile::Write(file, sample()));
    EXPECT_FALSE(std::filesystem::exists(file));
}

// A folder holding one old analysis, to save over.
struct SavedBefore {
    SavedBefore() {
        std::ofstream(file, std::ios::binary) << old;
        names = test_support::fileNames(temp.path());
    }
    void expectSaveFailsAndKeepsTheOldFile() const {
        EXPECT_FALSE(AnalysisFile::Write(file, sample()));
        std::string bytes;
        ASSERT_TRUE(platform::readWholeFile(file, bytes));
        EXPECT_EQ(bytes, old);
        EXPECT_EQ(test_support::fileNames(temp.path()), names) << "no temporary file is left";
    }
    test_support::ScopedHome temp;
    std::vector<std::string> names;
    std::filesystem::path file = temp.path() / "a.anl";
    std::string old = "Analyse\r\nD\r\nold\r\n\r\n";
};

TEST(AnalysisFile, ASaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    const SavedBefore saved;
    const test_support::ScopedReadOnlyFolder readOnly(saved.temp.path());
    if (!readOnly.effective()) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    saved.expectSaveFailsAndKeepsTheOldFile();
}

TEST(AnalysisFile, ASaveOnAFullDiskFailsAndKeepsTheOldFile) {
    const SavedBefore saved;
    const test_support::ScopedFileSizeLimit diskFull(16);
    saved.expectSaveFailsAndKeepsTheOldFile();
}

TEST(AnalysisFile, ASaveBelowARegularFileFailsAndKeepsThatFile) {
    const SavedBefore saved;
    EXPECT_FALSE(AnalysisFile::Write(saved.file / "b.anl", sample()));
    std::string bytes;
    ASSERT_TRUE(platform::readWholeFile(saved.file, bytes));
    EXPECT_EQ(bytes, saved.old);
}

TEST(AnalysisFile, RowLinesAreReadInTheUsersNotation) {
    struct Case {
        const char* name;
        const char* line;
        const char* separator;
        AnalysisRow row;
    };
    const std::vector<Case> cases = {
        {"comma into point", "C;0,1;0.2;;;;outside", ".", {"C", "0.1", "0.2", "", "", "", "outside"}},
        {"point into comma", "C;0.1;0,2;;;;outside", ",", {"C", "0,1", "0,2", "", "", "", "outside"}},
        {"six fields: outside", "Cr;1;2;;;", ",", {"Cr", "1", "2", "", "", "", "outside"}},
        {"two fields", "Cr;1", ",", {"Cr", "1", "", "", "", "", "outside"}},
        {"blanks trimmed", "  Ni ; 1 ;2;  ;;; inside ", ",", {"Ni", "1", "2", "", "", "", "inside"}},
        {"method without regard to case", "Ni;1;2;;;;INSIDE", ",", {"Ni", "1", "2", "", "", "", "inside"}},
        {"seventh field takes the rest", "Ni;1;2;;;;inside;x", ",", {"Ni", "1", "2", "", "", "", "outside"}},
        {"unknown method is outside", "Ni;1;2;;;;within", ",", {"Ni", "1", "2", "", "", "", "outside"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Analysis a;
        ASSERT_EQ(
            AnalysisFile::Parse(std::string("Analyse\r\nD\r\n\r\n\r\n") + c.line + "\r\n", c.separator, a),
            Status::Loaded);
        ASSERT_EQ(a.Rows.size(), 1u);
        EXPECT_EQ(a.Rows.front(), c.row);
    }
}

TEST(AnalysisFile, HeadLinesOnlyAndLineFeedEndingsLoad) {
    Analysis a;
    ASSERT_EQ(AnalysisFile::Parse("Analyse\nEU\nName\n1.4301\n", ",", a), Status::Loaded);
    EXPECT_EQ(a.Country, "EU");
    EXPECT_EQ(a.Designation, "Name");
    EXPECT_TRUE(a.Rows.empty());
}

TEST(AnalysisFile, HostileFilesAreRefusedWithTheirReason) {
    std::string garbage;
    for (int i = 0; i < 600; ++i) {
        garbage += static_cast<char>((i * 37 + 11) % 256);
    }
    struct Case {
        const char* name;
        std::string bytes;
        Status status;
    };
    const std::vector<Case> cases = {
        {"empty", "", Status::NotAnAnalysis},
        {"binary garbage", garbage, Status::NotAnAnalysis},
        {"a NUL in a row", "Analyse\r\nD\r\n\r\n\r\nC;1\0;2;;;;outside\r\n"s, Status::NotAnAnalysis},
        {"no title line", "Analysis\r\nD\r\n\r\n\r\n", Status::NotAnAnalysis},
        {"ends inside the head", "Analyse\r\nD\r\n", Status::Damaged},
        {"a huge line", "Analyse\r\nD\r\n\r\n\r\nC;" + std::string(100000, '1') + ";;;;;outside\r\n",
         Status::Damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Analysis a = sample();
        EXPECT_EQ(AnalysisFile::Parse(c.bytes, ",", a), c.status);
        EXPECT_EQ(a, sample());
    }
}

TEST(AnalysisFile, WhatLoadsSavesToAFileThatLoadsAgain) {
    // Windows-1252 bytes take two or three bytes each as UTF-8; lengths count characters.
    const std::string wide = "Analyse\r\nD\r\n\r\n\r\nC;0,1;" + std::string(300, '\x84') + ";;;;outside\r\n";
    // Saved again the row gains six separators and its method.
    const std::string bare =
        "Analyse\r\nD\r\n\r\n\r\n" + std::string(AnalysisFile::MaxLineLength - 6, 'C') + "\r\n";
    struct Case {
        const char* name;
        std::string bytes;
        Status status;
    };
    const Case cases[] = {
        {"a row of Windows-1252 characters", wide, Status::Loaded},
        {"a row as long as allowed",
         "Analyse\r\nD\r\n\r\n\r\nC;" + std::string(AnalysisFile::MaxLineLength - 14, '1') +
             ";;;;;outside\r\n",
         Status::Loaded},
        {"a short line that grows too long when saved", bare, Status::Damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Analysis a;
        ASSERT_EQ(AnalysisFile::Parse(c.bytes, ",", a), c.status);
        if (c.status != Status::Loaded) {
            continue;
        }
        Analysis back;
        EXPECT_EQ(AnalysisFile::Parse(AnalysisFile::Format(a), ",", back), Status::Loaded);
        EXPECT_EQ(back, a);
    }
}

TEST(AnalysisFile, UnreadableAndOversizedFilesAreNoAnalysis) {
    test_support::ScopedHome temp;
    Analysis a;
    EXPECT_EQ(AnalysisFile::Read(temp.path() / "none.anl", ",", a), Status::NotAnAnalysis);
    const auto big = temp.path() / "big.anl";
    std::ofstream(big, std::ios::binary) << "Analyse\r\n" << std::string(AnalysisFile::MaxFileSize, ' ');
    EXPECT_EQ(AnalysisFile::Read(big, ",", a), Status::NotAnAnalysis);
}

TEST(AnalysisFile, TextIsUtf8OrElseWindows1252) {
    EXPECT_EQ(AnalysisFile::DecodeText("f\xC3\xBCr"), "f\xC3\xBCr");
    EXPECT_EQ(AnalysisFile::DecodeText("\xEF\xBB\xBF"
                                       "Analyse"),
              "Analyse");
    EXPECT_EQ(AnalysisFile::DecodeText("f\xFCr \x80 \x84"
                                       "a\x93"),
              "f\xC3\xBCr \xE2\x82\xAC \xE2\x80\x9E"
              "a\xE2\x80\x9C");
    Analysis a;
    ASSERT_EQ(
        AnalysisFile::Parse("Analyse\r\nD\r\nStahl f\xFCr Federn\r\n\r\nC;0,1;0,2;;;;outside\r\n", ",", a),
        Status::Loaded);
    EXPECT_EQ(a.Designation, "Stahl f\xC3\xBCr Federn");
    EXPECT_EQ(a.Rows.size(), 1u);
}

TEST(AnalysisFile, TheSimpleGridTakesNoInsideRangeAndOneTolerance) {
    struct Case {
        const char* name;
        AnalysisRow row;
        bool fits;
    };
    const std::vector<Case> cases = {
        {"range inside", {"C", "1", "2", "", "", "", "inside"}, false},
        {"range outside", {"C", "1", "2", "", "", "", "outside"}, true},
        {"equal bounds inside", {"C", "1,5", "1,5", "", "", "", "inside"}, true},
        {"single value inside", {"C", "", "", "1,5", "", "", "inside"}, true},
        {"two tolerances", {"C", "1", "2", "", "0,1", "0,2", "outside"}, false},
        {"one tolerance twice", {"C", "1", "2", "", "0,1", "0,1", "outside"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Analysis a;
        a.Rows = {c.row};
        EXPECT_EQ(AnalysisFile::FitsSimpleGrid(a), c.fits);
    }
    EXPECT_TRUE(AnalysisFile::FitsSimpleGrid(Analysis{}));
}

} // namespace
