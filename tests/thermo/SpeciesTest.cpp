// A species record of a database: found, read and checked, and the properties its
// polynomials give.

#include "files/TextFiles.h"
#include "support/TestSupport.h"
#include "text/NumberText.h"
#include "thermo/DecimalRounding.h"
#include "thermo/HeaderColumns.h"
#include "thermo/SpeciesProperties.h"
#include "thermo/SpeciesRecord.h"
#include "thermo/ThermoDatabase.h"
#include "thermo/ThermoIndex.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
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

/// Cp/R is 2 in the lower range and 3 in the upper one, over 300..1000..5000 K.
Polynomials twoRanges() {
    Polynomials p{};
    p.tLow = 300;
    p.tHigh = 5000;
    p.tCommon = 1000;
    p.lower[0] = 2;
    p.upper[0] = 3;
    return p;
}

TEST(SpeciesPropertiesTest, TheTemperatureChoosesTheRange) {
    struct Case {
        const char* typed;
        const char* main;
        std::optional<std::string> lower;
    };
    const Case cases[] = {
        {"300", " 2", std::nullopt},  // the low limit takes the lower range
        {"1000", " 3", " 2"},         // the common temperature shows both, upper first
        {"5000", " 3", std::nullopt}, // the high limit takes the upper range
        {"299.99", "xxx", std::nullopt},
        {"-300", "xxx", std::nullopt},
        {"0", "", std::nullopt}, // zero shows nothing, never "xxx"
        {"abc", "", std::nullopt},
        {" 1 000 K", " 3", " 2"}, // the leading number, blanks skipped
        {"3e2", " 2", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const PropertyDisplay shown = displayProperty(twoRanges(), Property::Cp, c.typed);
        EXPECT_EQ(shown.main, c.main);
        EXPECT_EQ(shown.lower, c.lower);
    }
}

TEST(SpeciesPropertiesTest, FourSignificantDigitsInPlainForm) {
    const std::pair<double, const char*> cases[] = {
        {3.51234, " 3.512"}, {0.012345, " .01235"},      {12345.6, " 12350"},
        {0.99996, " 1"},     {-0.00012345, "-.0001235"}, {1.23456e-7, " 1.235E-07"},
        {0.0, " 0"},
    };
    for (const auto& [value, shown] : cases) {
        Polynomials p = twoRanges();
        p.upper[0] = value;
        EXPECT_EQ(displayProperty(p, Property::Cp, "2000").main, shown) << value;
    }
    EXPECT_EQ(propertyText(std::nan("")), "NaN");
}

TEST(SpeciesPropertiesTest, TheThreePolynomials) {
    // One coefficient at a time, against the formulas written out by hand.
    const double t = 1500;
    struct Case {
        int coefficient;
        double cp, h, s;
    };
    const Case cases[] = {
        {0, 1, 1, std::log(t)},
        {1, t, t / 2, t},
        {2, t * t, t * t / 3, t * t / 2},
        {3, t * t * t, t * t * t / 4, t * t * t / 3},
        {4, t * t * t * t, t * t * t * t / 5, t * t * t * t / 4},
        {5, 0, 1 / t, 0},
        {6, 0, 0, 1},
    };
    for (const Case& c : cases) {
        std::array<double, 7> a{};
        a[static_cast<std::size_t>(c.coefficient)] = 1;
        EXPECT_DOUBLE_EQ(propertyValue(a, Property::Cp, t), c.cp) << c.coefficient;
        EXPECT_DOUBLE_EQ(propertyValue(a, Property::H, t), c.h) << c.coefficient;
        EXPECT_DOUBLE_EQ(propertyValue(a, Property::S, t), c.s) << c.coefficient;
    }
}

// An empty box, or one that holds no number, counts as 0.
TEST(SpeciesPropertiesTest, CoefficientsAreReadBackFromTheirTexts) {
    SpeciesRecord record;
    record.TLow = " 300";
    record.THigh = " 5000";
    record.TCommon = " 1000";
    record.coefficientTexts = {"1.23456790E+00", "", "", "", "", "", "", "", "ABC"};
    const Polynomials p = polynomialsOf(record);
    EXPECT_EQ(p.upper[0], 1.2345679);
    EXPECT_EQ(p.lower[0] + p.lower[1], 0.0);
    EXPECT_EQ(p.tCommon, 1000.0);
}

std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

/// Values where a shortcut could slip: random magnitudes, the halves of the four-digit
/// rounding and their neighbours, exact ties at the fifteenth digit, powers of ten, and
/// whatever random bits give (the extremes take the text path).
std::vector<double> awkwardValues() {
    std::vector<double> values;
    std::mt19937_64 random(20040901);
    std::uniform_real_distribution<double> exponent(-12.0, 18.0);
    for (int i = 0; i < 250000; ++i) {
        const double v = std::pow(10.0, exponent(random));
        values.push_back(i % 2 ? v : -v);
    }
    std::uniform_int_distribution<int> mantissa(1000, 9999);
    std::uniform_int_distribution<int> power(-12, 16);
    for (int i = 0; i < 25000; ++i) {
        double half = (mantissa(random) + 0.5) * std::pow(10.0, power(random) - 3);
        for (int step = 0; step < 4; ++step)
            half = std::nextafter(half, 0.0);
        for (int step = 0; step < 8; ++step) {
            values.push_back(half);
            half = std::nextafter(half, HUGE_VAL);
        }
    }
    for (int k = -30; k <= 30; ++k) {
        double p = std::pow(10.0, k);
        for (int step = 0; step < 4; ++step)
            p = std::nextafter(p, 0.0);
        for (int step = 0; step < 8; ++step) {
            values.push_back(p);
            p = std::nextafter(p, HUGE_VAL);
        }
    }
    for (double tie : {617283945061727.5, 617283945061726.5, 123449999999999.5, 123450000000000.5,
                       1000000000000005.0, 99999999999999.95})
        values.push_back(tie);
    for (int i = 0; i < 60000; ++i) {
        const double v = std::bit_cast<double>(random());
        if (!std::isnan(v))
            values.push_back(v);
    }
    for (double v : {0.0, -0.0, DBL_MIN, -DBL_MIN, DBL_TRUE_MIN, DBL_MAX, -DBL_MAX, HUGE_VAL})
        values.push_back(v);
    return values;
}

TEST(DecimalRoundingTest, ShortcutsGiveTheTextPathsDoubles) {
    int mismatches = 0;
    for (double v : awkwardValues()) {
        const double general = readLeadingNumber(generalNumber(v));
        const double pattern = roundThroughPattern(v, "0.000E+00");
        if (bits(throughGeneralNumber(v)) != bits(general) ||
            bits(throughFourDigitPattern(v)) != bits(pattern)) {
            ADD_FAILURE() << "value " << generalNumber(v) << " (" << bits(v) << ")";
            if (++mismatches > 10)
                return;
        }
    }
}

TEST(SpeciesPropertiesTest, ReadBackOfBoxesThatHoldNoNumber) {
    const Polynomials p = twoRanges();
    EXPECT_FALSE(propertyReadBack(p, Property::Cp, 0.0));
    EXPECT_FALSE(propertyReadBack(p, Property::Cp, 299.0));
    EXPECT_FALSE(propertyReadBack(p, Property::Cp, HUGE_VAL));
    EXPECT_EQ(propertyReadBack(p, Property::Cp, 1000.0), 3.0); // the upper value
    Polynomials huge = p;
    huge.upper[0] = DBL_MAX; // rounds up beyond a double: the box shows "Infinity"
    EXPECT_EQ(displayProperty(huge, Property::Cp, "2000").main, "Infinity");
    EXPECT_FALSE(propertyReadBack(huge, Property::Cp, 2000.0));
}

} // namespace
} // namespace zorbel
