// A species record of a database: found, read and checked, and the temperatures of its
// header.

#include "files/TextFiles.h"
#include "support/TestSupport.h"
#include "thermo/HeaderColumns.h"
#include "thermo/SpeciesRecord.h"
#include "thermo/ThermoDatabase.h"
#include "thermo/ThermoIndex.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace zorbel {
namespace {

TEST(HeaderTemperaturesTest, ReadsTheLastThreeNumbersAsTheOldReaderDid) {
    struct Case {
        std::string header;
        const char* low;
        const char* high;
        const char* common;
    };
    const Case cases[] = {
        // The usual layout: the card number and the trailing zeros before it go.
        {"X                 G   300.000  5000.000  1000.000    1", " 300", " 5000", " 1000"},
        {"H2O               L 8/89H   2O   1          G   200.000  3500.000  1000.000    1", " 200",
         " 3500", " 1000"},
        {"AR                G-5-97AR  1               G     200.0    6000.0  1000.0      1", " 200",
         " 6000", " 1000"},
        // Trailing blanks after the card number change nothing.
        {"X  G  300.000  5000.000  1000.000    1   ", " 300", " 5000", " 1000"},
        // Without a card number the three numbers are read whole.
        {"X  G  300.000  5000.000  1000.501", " 300", " 5000", " 1000.501"},
        // With it, one character before the bar goes when it is not 0.
        {"X  G  300.000  5000.000  1000.501    1", " 300", " 5000", " 1000.5"},
        {"X  G  300.  5000.  1000.    1", " 300", " 5000", " 1000"},
        // A two-character last token ending in 1 takes the character before its bar.
        {"X  G  300  5000  1000  01", " 300", " 5000", " 100"},
        // Runs of blanks of any length collapse to one.
        {"X" + std::string(40, ' ') + "300.0" + std::string(31, ' ') + "5000.0" +
             std::string(17, ' ') + "1000.0" + std::string(18, ' ') + "1",
         " 300", " 5000", " 1000"},
        // Lower case and numbers written with D exponents.
        {"h2 g 3.0d2 5.0D3 1.0d3", " 300", " 5000", " 1000"},
        // A header without temperatures reads zeros.
        {"NAME ", " 0", " 0", " 0"},
        {"NAME G", " 0", " 0", " 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const HeaderTemperatures t = headerTemperatures(c.header);
        EXPECT_EQ(t.TLow, c.low);
        EXPECT_EQ(t.THigh, c.high);
        EXPECT_EQ(t.TCommon, c.common);
    }
}

TEST(SpeciesRecordTest, CoefficientFieldsAsTheirBoxesShowThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"2.5", "2.50000000E+00"},
        {"0.02500000E+02", "2.50000000E+00"},
        {"-6.12806624E-09", "-6.12806624E-09"},
        {"1.5D-03", "1.50000000E-03"},
        {"+.5", "5.00000000E-01"},
        {"1.234567895", "1.23456790E+00"}, // nine significant digits, halves up
        {"", ""},                          // a blank field stays empty
        {"ABC", "ABC"},                    // not a number: unchanged
        {"1.0E+00-2.0", "1.0E+00-2.0"},    // two numbers run together: unchanged
        {"1E999", "1E999"},                // beyond a double: unchanged
    };
    for (const auto& [field, shown] : cases)
        EXPECT_EQ(coefficientText(field), shown) << field;
}

TEST(SpeciesRecordTest, TokensAndNames) {
    EXPECT_EQ(recordToken("h2o   G 300"), "H2O");
    EXPECT_EQ(recordToken(" H2O 300"), "");
    EXPECT_EQ(recordToken("END"), "");
    EXPECT_EQ(recordToken("THERMO"), "");
    EXPECT_EQ(recordToken("THERMO ALL"), "THERMO");
}

const std::vector<std::string> sampleLines = {
    "THERMO",
    "   300.000  1000.000  5000.000",
    "OH    G   300.000  5000.000  1000.000    1",
    "! a comment between the header and the coefficients",
    " ! and another, after a blank",
    " 3.09288767E+00 5.48429716E-04 1.26505228E-07-8.79461556E-11 1.17412376E-14    2",
    " 3.85865700E+03 4.47669610E+00 3.99201543E+00-2.40131752E-03 4.61793841E-06    3",
    "-3.88113333E-09 1.36411470E-12 3.61508056E+03-1.03925458E-01                   4",
    "oh    G   200.000  3000.000  1000.000    1", // the same name again: never read
    " 1.0 2.0 3.0 4.0 5.0",
    " 6.0 7.0 8.0 9.0 10.0",
    " 11.0 12.0 13.0 14.0",
};

TEST(SpeciesRecordTest, FindsTheFirstRecordAndSkipsComments) {
    const std::optional<SpeciesRecord> oh = findSpeciesRecord(sampleLines, "OH");
    ASSERT_TRUE(oh);
    EXPECT_EQ(oh->TLow + oh->THigh + oh->TCommon, " 300 5000 1000");
    const std::array<std::string, 14> expected = {
        "3.09288767E+00",  "5.48429716E-04", "1.26505228E-07", "-8.79461556E-11", "1.17412376E-14",
        "3.85865700E+03",  "4.47669610E+00", "3.99201543E+00", "-2.40131752E-03", "4.61793841E-06",
        "-3.88113333E-09", "1.36411470E-12", "3.61508056E+03", "-1.03925458E-01"};
    EXPECT_EQ(oh->coefficientTexts, expected); // ThermoWindowTest has the range labels
}

TEST(SpeciesRecordTest, WhatIsNotFound) {
    EXPECT_FALSE(findSpeciesRecord(sampleLines, "H2O"));
    EXPECT_FALSE(findSpeciesRecord(sampleLines, "oh")); // names are matched upper-cased
    EXPECT_FALSE(findSpeciesRecord(sampleLines, ""));
    EXPECT_FALSE(findSpeciesRecord({}, "OH"));
    // The lookup reads the first line too, unlike the loader.
    const std::vector<std::string> firstLine = {"CO G 300 5000 1000 1", "1", "2", "3"};
    EXPECT_TRUE(findSpeciesRecord(firstLine, "CO"));
}

TEST(SpeciesRecordTest, ARecordThatIsNotWholeOrNotNumbersSaysWhere) {
    // Record OH of sampleLines starts at line 3; its coefficient lines are 6, 7 and 8.
    const auto withLine = [](std::size_t index, const std::string& text) {
        std::vector<std::string> lines = sampleLines;
        lines[index] = text;
        return lines;
    };
    const auto withField = [&](std::size_t index, std::size_t field, const std::string& text) {
        std::string line = sampleLines[index];
        line.replace(field * 15, 15, text + std::string(15 - text.size(), ' '));
        return withLine(index, line);
    };
    const std::vector<std::string> cutAfterHeader(sampleLines.begin(), sampleLines.begin() + 6);
    std::vector<std::string> nextRecordEarly = sampleLines;
    nextRecordEarly.erase(nextRecordEarly.begin() + 6, nextRecordEarly.begin() + 8);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {withField(5, 1, ""), "line 6, upper a2 (columns 16-30), is blank"},
        {withField(5, 4, "NaN"), "line 6, upper a5 (columns 61-75), is not a number: \"NAN\""},
        {withField(6, 0, "-inf"), "line 7, upper a6 (columns 1-15), is not a number: \"-INF\""},
        {withField(6, 2, "3.99E+OO"),
         "line 7, lower a1 (columns 31-45), is not a number: \"3.99E+OO\""},
        {withField(7, 3, "1.0E999"),
         "line 8, lower a7 (columns 46-60), is too large to compute with: \"1.0E999\""},
        // Two blanks before the mark: no comment line but a line of words.
        {withLine(5, "  ! not a comment"),
         "line 6, upper a1 (columns 1-15), is not a number: \"!NOTACOMME\""},
        {nextRecordEarly, "line 7 starts another record where a coefficient line belongs"},
        {cutAfterHeader, "the file ends before its three coefficient lines"},
    };
    for (const auto& [lines, reason] : cases) {
        SCOPED_TRACE(reason);
        const std::optional<SpeciesRecord> record = findSpeciesRecord(lines, "OH");
        ASSERT_TRUE(record && record->fault);
        EXPECT_EQ(recordFaultReason(*record->fault), reason);
        EXPECT_EQ(recordRefusal("OH", *record, "x.dat", true),
                  "The record of species OH (line 3 of x.dat) cannot be used: " + reason);
        EXPECT_FALSE(isUsableRecord(lines, 2));
    }
    ASSERT_TRUE(findSpeciesRecord(sampleLines, "OH"));
    EXPECT_FALSE(findSpeciesRecord(sampleLines, "OH")->fault);
    EXPECT_TRUE(isUsableRecord(sampleLines, 2));
}

TEST(ThermoIndexTest, FindsWhatTheLineSearchFinds) {
    const std::vector<std::vector<std::string>> files = {sampleLines};
    for (const std::vector<std::string>& lines : files) {
        const ThermoIndex index = ThermoIndex::fromLines(lines);
        std::set<std::string> names = {"", "NOT-THERE", "oh"};
        for (const std::string& line : lines)
            names.insert(recordToken(line));
        for (const std::string& name : names) {
            SCOPED_TRACE(name);
            const std::optional<SpeciesRecord> expected = findSpeciesRecord(lines, name);
            const SpeciesRecord* found = index.find(name);
            ASSERT_EQ(found != nullptr, expected.has_value());
            if (found) {
                EXPECT_EQ(found->coefficientTexts, expected->coefficientTexts);
                EXPECT_EQ(found->TLow + found->THigh + found->TCommon,
                          expected->TLow + expected->THigh + expected->TCommon);
                EXPECT_EQ(index.find(name), found); // kept, not read again
            }
        }
    }
}

TEST(ThermoIndexTest, RefusesWhatCannotBeRead) {
    testing::TempFolder folder;
    EXPECT_FALSE(ThermoIndex::load((folder.path() / "missing.dat").string()));
    EXPECT_FALSE(ThermoIndex::load(folder.path().string()));
    const std::string path = folder.write("one.dat", "THERMO\r\nCO G 300 5000 1000 1\r1\n2\r\n3");
    const std::optional<ThermoIndex> index = ThermoIndex::load(path);
    ASSERT_TRUE(index);
    ASSERT_TRUE(index->find("CO") && index->find("CO")->fault);
    // Every kind of line end counts one line: the first coefficient line is line 3.
    EXPECT_EQ(recordFaultReason(*index->find("CO")->fault),
              "line 3, upper a2 (columns 16-30), is blank");
}

// Possible: low < high (one temperature is no range), low <= common <= high.
TEST(HeaderColumnsTest, PossibleRangesAndTheFilesCommonTemperature) {
    const std::tuple<HeaderTemperatures, bool> cases[] = {
        {{" 300", " 5000", " 300"}, true},     {{" 300", " 5000", " 5000"}, true},
        {{" 300", " 300", " 300"}, false},     {{" 300", " 5000", " 299.9"}, false},
        {{" 300", " 5000", " 5000.1"}, false}, {{" 300", " 5000", " 1000", false}, false},
    };
    for (const auto& [t, possible] : cases)
        EXPECT_EQ(isPossibleRange(t), possible) << t.TLow << t.THigh << t.TCommon;
    // "1 5 99" is no range: the columns give 300 and 5000, the line after THERMO the common.
    const std::string header =
        "XX" + std::string(43, ' ') + "   300.000  5000.000" + std::string(14, ' ') + "1  5 99";
    const RecordTemperatures read =
        recordTemperatures({"THERMO", "   300.000  1000.000  5000.000", header}, 2);
    EXPECT_TRUE(read.fromColumns);
    EXPECT_EQ(read.temperatures.TLow + read.temperatures.THigh + read.temperatures.TCommon,
              " 300 5000 1000");
}

// A header whose word-by-word reading is impossible is read from its columns, and only
// such a header: one read right (C5H5, 969.3 where the columns hold 969.35) stands.
TEST(HeaderColumnsTest, PublishedHeadersReadFromTheirColumnsOnlyWhenImpossible) {
    ZORBEL_REQUIRE_SHARED_DATA();
    struct Case {
        const char* file;
        const char* species;
        const char* low;
        const char* high;
        const char* common;
    };
    const Case cases[] = {
        // "1374.000    11!RE-FIT 0309" after column 80 reads 1374, 11, 309.
        {"aramco1.3/AramcoMech_1.3_therm.dat", "CH3O2", " 300", " 5000", " 1374"},
        {"aramco1.3/AramcoMech_1.3_therm.dat", "C5H5", " 298.15", " 3500", " 969.3"},
        // "1000      1": the card number takes the common temperature's zeros, 10 is left.
        {"sandiego2016/sandiego20161214.thermo", "N2", " 300", " 5000", " 1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.species);
        const auto lines = readLines((testing::sharedData() / c.file).string());
        ASSERT_TRUE(lines);
        const std::optional<SpeciesRecord> record = findSpeciesRecord(*lines, c.species);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->TLow + record->THigh + record->TCommon,
                  std::string(c.low) + c.high + c.common);
    }
    const auto aramco =
        readLines((testing::sharedData() / "aramco1.3/AramcoMech_1.3_therm.dat").string());
    ASSERT_TRUE(aramco);
    const std::vector<ColumnsRead> listed = headersReadFromColumns(*aramco);
    ASSERT_EQ(listed.size(), 1U);
    EXPECT_EQ(columnsReadList(listed, "\n"), "\nline 119, CH3O2: 300 5000 1374 (read word by word: "
                                             "1374 11 309)");
}

// A range is possible only with TLow < THigh and TCommon between them: a header that gives
// none, however read, is said so at the load; one whose columns' common temperature is no
// temperature (a molecular weight) takes the file's default one.
TEST(HeaderColumnsTest, ImpossibleRangesFallBackToTheColumnsThenTheDefaultCommon) {
    struct Case {
        const char* what;
        const char* temperatures; ///< columns 46 to 73
        const char* read;         ///< TLow, THigh, TCommon
        const char* listed;       ///< the load's warning line; "" for none
    };
    const Case cases[] = {
        {"a molecular weight as common temperature", "   200.000  5000.000 12.0110",
         " 200 5000 1000",
         "line 3, C(S): 200 5000 1000 (read word by word: 200 5000 12.01; the columns' common "
         "temperature is impossible too, so the file's default, from the line after THERMO, is "
         "used)"},
        {"low above high", "  5000.000   300.000 1000.00", " 5000 300 1000",
         "line 3, C(S): 5000 300 1000 (an impossible range however read: the low end must lie "
         "below the high end, the common temperature between them; no reaction with this "
         "species can be reversed)"},
    };
    const std::string zero = " 0.00000000E+00";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string header = "C(S)                    C   1          S" +
                                   std::string(5, ' ') + c.temperatures + "      1";
        const std::vector<std::string> lines{"THERMO",
                                             "   300.000  1000.000  5000.000",
                                             header,
                                             zero + zero + zero + zero + zero,
                                             zero + zero + zero + zero + zero,
                                             zero + zero + zero + zero};
        ASSERT_EQ(header.size(), 80U);
        const RecordTemperatures read = recordTemperatures(lines, 2);
        EXPECT_EQ(read.temperatures.TLow + read.temperatures.THigh + read.temperatures.TCommon,
                  c.read);
        const std::string listed = columnsReadList(headersReadFromColumns(lines), "");
        EXPECT_EQ(listed, c.listed);
    }
}

} // namespace
} // namespace zorbel
