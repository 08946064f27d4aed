// The steps of an annotation, each on its own: the comparison file's marked lines and its
// settings group, the pairing with the reversed mechanism, the rate constants compared and
// classified, and the block written into the file.

#include "comparison/Annotation.h"
#include "comparison/ComparisonFile.h"
#include "comparison/ComparisonTexts.h"
#include "text/StringOps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {
namespace {

// ---- The comparison file ---------------------------------------------------------------

TEST(MarkedLines, CleaningRemovesTheMarkTurnsTabsIntoBlanksAndMovesTheFalloffPlus) {
    EXPECT_TRUE(isMarkedLine("A<=>B 1 2 3 4 5 6 (###)"));
    EXPECT_FALSE(isMarkedLine("A<=>B 1 2 3 (##)"));
    EXPECT_FALSE(isMarkedLine("(###: not a mark"));
    EXPECT_EQ(cleanMarkedLine("OH+OH(+M)<=>H2O2(+M)\t7.4E+13\t-0.37\t0.0\t1E17\t-0.8\t5E4\t(###)"),
              "OH+OH+(M)<=>H2O2+(M) 7.4E+13 -0.37 0.0 1E17 -0.8 5E4 ");
    // Every mark goes, wherever it stands; two tabs give two blanks.
    EXPECT_EQ(cleanMarkedLine("(###)A=>B\t\t1 (###)2"), "A=>B  1 2");
}

TEST(MarkedLines, CuttingAtTheBlanks) {
    std::optional<MarkedReaction> marked =
        cutMarkedLine("H+O2<=>O+OH 3.547E+15 -0.406 16599.0 1.027E+13 -0.015 -133.7 ");
    ASSERT_TRUE(marked);
    EXPECT_EQ(marked->entry, "H+O2<=>O+OH 3.547E+15 -0.406 16599.0");
    EXPECT_EQ(marked->aText, "1.027E+13");
    EXPECT_EQ(marked->nText, "-0.015");
    EXPECT_EQ(marked->eaText, "-133.7 "); // Ea' runs to the end of the line, blank included

    // Ea' needs no blank of its own after it; a comment after it stays part of it.
    marked = cutMarkedLine("A<=>B 1 2 3 4 5 6 ! note");
    ASSERT_TRUE(marked);
    EXPECT_EQ(marked->eaText, "6 ! note");

    // Doubled blanks make empty words, as the file writes them.
    marked = cutMarkedLine("A<=>B  1 2 3 4 5");
    ASSERT_TRUE(marked);
    EXPECT_EQ(marked->entry, "A<=>B  1 2");
    EXPECT_EQ(marked->aText, "3");
    EXPECT_EQ(marked->eaText, "5");
    marked = cutMarkedLine("A<=>B 1 2 3 4  6"); // between A' and Ea' too
    ASSERT_TRUE(marked);
    EXPECT_EQ(marked->nText, "");
    EXPECT_EQ(marked->eaText, "6");

    EXPECT_FALSE(cutMarkedLine("A<=>B 1 2 3"));     // no fourth blank
    EXPECT_FALSE(cutMarkedLine("A<=>B 1 2 3 4"));   // A' without a blank after it
    EXPECT_FALSE(cutMarkedLine("A<=>B 1 2 3 4 5")); // n' without a blank after it
    EXPECT_TRUE(cutMarkedLine("A<=>B 1 2 3 4 5 ")); // Ea' may be empty
}

TEST(MarkedLines, ScanReportsTheFirstLineThatCannotBeCut) {
    const std::vector<std::string> lines = {
        "title [10/1000/2000]",           "A<=>B 1 2 3 4 5 6 (###)", "plain line",
        "C<=>D\t1\t2\t3\t4\t5\t6\t(###)", "E<=>F 1 2 (###)",         "G<=>H 1 2 (###)"};
    MarkedScan scan = scanMarkedLines(lines);
    ASSERT_TRUE(scan.badLine);
    EXPECT_EQ(*scan.badLine, 5);

    scan = scanMarkedLines({lines.begin(), lines.begin() + 4});
    EXPECT_FALSE(scan.badLine);
    ASSERT_EQ(scan.reactions.size(), 2U);
    EXPECT_EQ(scan.reactions[0].entry, "A<=>B 1 2 3");
    EXPECT_EQ(scan.reactions[1].entry, "C<=>D 1 2 3");
    EXPECT_EQ(scan.reactions[1].eaText, "6 ");
}

TEST(SettingsGroup, ReadsToleranceAndTemperatures) {
    struct Case {
        const char* line;
        double tolerance, T1, T2;
    };
    const Case cases[] = {
        {"Comparison of mechanisms A and B [10/1000/2000]", 10, 1000, 2000},
        {"[0/1000/2000]", 0, 1000, 2000},
        {"[ 5.5 / 1.2D3 /1.5E3 ] trailing", 5.5, 1200, 1500},
        {"a path/with/slashes [10/300/2500]", 10, 300, 2500}, // slashes before the group
        {"[10/1000/2000", 0, 0, 0},                           // not closed
        {"[10/1000]", 0, 0, 0},                               // one temperature only
        {"no group at all", 0, 0, 0},
        {"[tol/T1/T2]", 0, 0, 0},
        {"", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const ComparisonSettings settings = readSettingsGroup(c.line);
        EXPECT_EQ(settings.tolerancePercent, c.tolerance) << c.line;
        EXPECT_EQ(settings.T1, c.T1) << c.line;
        EXPECT_EQ(settings.T2, c.T2) << c.line;
        if (c.T2 > 0) {
            EXPECT_EQ(unusableTolerance(c.line), std::nullopt) << c.line;
        }
    }
    // A tolerance that is no finite number of at least 0 cannot class a reaction.
    for (const char* tolerance : {"x", "", "-10", "nan", "1e999", "10%"})
        EXPECT_EQ(unusableTolerance("c [" + std::string(tolerance) + " /1000/2000]"), tolerance);
    EXPECT_EQ(unusableTolerance("no group"), std::nullopt);
    // An empty one leaves the temperatures read: the refusal then names the tolerance.
    EXPECT_EQ(readSettingsGroup("[/1000/2000]").T2, 2000);
}

TEST(Merge, TheBlockGoesOnceBeforeTheFirstToleranceLine) {
    const std::vector<std::string> block = {"B1", "B2"};
    MergedFile merged = mergeAnnotation({"a", "the tolerance is", "b", "tolerance again"}, block);
    EXPECT_TRUE(merged.inserted);
    EXPECT_EQ(merged.lines, (std::vector<std::string>{"a", "B1", "B2", "the tolerance is", "b",
                                                      "tolerance again"}));
    // The word is matched as written: a capital letter does not count.
    merged = mergeAnnotation({"a", "Tolerance", "TOLERANCE"}, block);
    EXPECT_FALSE(merged.inserted);
    EXPECT_EQ(merged.lines, (std::vector<std::string>{"a", "Tolerance", "TOLERANCE"}));
    merged = mergeAnnotation({"tolerance"}, block);
    EXPECT_EQ(merged.lines, (std::vector<std::string>{"B1", "B2", "tolerance"}));
}

// ---- RevAll.txt read back --------------------------------------------------------------

TEST(FourCells, SplitAtTheFirstBlanks) {
    EXPECT_EQ(splitFourCells("H+O2<=>O+OH 3.547E+15 -0.406 16599.0"),
              (FourCells{"H+O2<=>O+OH", "3.547E+15", "-0.406", "16599.0"}));
    EXPECT_EQ(splitFourCells("REV/ 3.069E+13 -0.153 -420.1 !Trange(K) = [ 200 -  3500]"),
              (FourCells{"REV/", "3.069E+13", "-0.153", "-420.1"}));
    EXPECT_EQ(splitFourCells("REV/ xxx xxx xxx"), (FourCells{"REV/", "xxx", "xxx", "xxx"}));
    EXPECT_EQ(splitFourCells("A B"), (FourCells{"A", "B", "", ""}));
    EXPECT_EQ(splitFourCells(""), (FourCells{"", "", "", ""}));
}

const std::vector<std::string> header = {"REACTIONS", "!GENERATED THE 14/06/04 09:05:31"};

std::vector<std::string> withHeader(std::vector<std::string> lines) {
    lines.insert(lines.begin(), header.begin(), header.end());
    return lines;
}

TEST(Pairing, EachReactionTakesTheLineThatSettlesIt) {
    const std::vector<std::string> entries = {"A<=>B 1 2 3", "C=>D 1 2 3",  "E<=>F 1 2 3",
                                              "G<=>H 0 0 0", "I<=>J 1 2 3", "K<=>L 1 2 3"};
    const std::vector<std::string> revAll = withHeader({
        "A<=>B 1 2 3",
        "!Your personal Cold Temperature has not been taken into account",
        "REV/ 4.1E+12 0.5 100.0 !Trange(K) = [ 300 -  2500] ; S= 1.0E-02",
        "C=>D 1 2 3",
        "!Reaction irreversible (=>), no reverse coefficient",
        "E<=>F 1 2 3",
        "!Reverse coef. not calculated: missing thermodata or incompatible reaction.",
        "G<=>H 0 0 0",
        "!Your personal values were not suitable. Detected Temperatures have been taken instead",
        "!Zorbel can not perform that operation: A=0",
        "I<=>J 1 2 3",
        "!Your personal Hot Temperature has not been taken into account",
        "!Reverse coef. not calculated: temperature range empty or reversed [ 4000 -  3500]",
        "K<=>L 1 2 3",
        "REV/ 7 8 9 !Trange(K) = [ 300 -  2500] ; S= 1.0E-02",
    });
    std::optional<std::vector<ReversedReaction>> paired = pairResults(revAll, entries);
    ASSERT_TRUE(paired);
    ASSERT_EQ(paired->size(), 6U);
    const FourCells none{"REV/", "xxx", "xxx", "xxx"};
    const FourCells empty{};
    EXPECT_EQ((*paired)[0].reaction, (FourCells{"A<=>B", "1", "2", "3"}));
    EXPECT_EQ((*paired)[0].result, (FourCells{"REV/", "4.1E+12", "0.5", "100.0"}));
    EXPECT_EQ((*paired)[1].result, none);  // irreversible
    EXPECT_EQ((*paired)[2].result, none);  // missing species
    EXPECT_EQ((*paired)[3].result, empty); // A = 0, after a personal-range comment
    EXPECT_EQ((*paired)[4].result, empty); // another comment
    EXPECT_EQ((*paired)[5].result, (FourCells{"REV/", "7", "8", "9"}));
}

TEST(Pairing, RepeatedReactionsAndFilesThatDoNotMatch) {
    const std::vector<std::string> twice = {"A<=>B 1 2 3", "A<=>B 1 2 3"};
    std::optional<std::vector<ReversedReaction>> paired = pairResults(
        withHeader({"A<=>B 1 2 3", "REV/ 1 2 3 !", "A<=>B 1 2 3", "REV/ 4 5 6 !"}), twice);
    ASSERT_TRUE(paired);
    EXPECT_EQ((*paired)[0].result[1], "1");
    EXPECT_EQ((*paired)[1].result[1], "4");
    // A reaction whose result line is missing at the end of the file has an empty row.
    paired = pairResults(withHeader({"A<=>B 1 2 3", "REV/ 1 2 3 !", "A<=>B 1 2 3"}), twice);
    ASSERT_TRUE(paired);
    EXPECT_EQ((*paired)[1].result, FourCells{});

    EXPECT_FALSE(pairResults(withHeader({"A<=>B 1 2 3", "REV/ 1 2 3 !"}), twice));
    EXPECT_FALSE(pairResults(withHeader({"X<=>Y 1 2 3", "REV/ 1 2 3 !"}), {"A<=>B 1 2 3"}));
    EXPECT_FALSE(pairResults({"REACTIONS"}, {"A<=>B 1 2 3"}));
    EXPECT_TRUE(pairResults(header, {}));
}

// ---- Rate constants, Diffs and the groups ----------------------------------------------

TEST(RateConstant, ModifiedArrheniusWithItsOwnGasConstant) {
    const double T = 1000.0;
    EXPECT_EQ(rateConstant(2.0, 0.0, 0.0, T), 2.0);
    EXPECT_EQ(rateConstant(1.0, 2.0, 0.0, T), 1.0e6);
    // The double 1.9872, not the single-precision constant of the reversal.
    EXPECT_EQ(rateConstant(1.0, 0.0, 1987.2, T), std::exp(-1987.2 / (1.9872 * 1000.0)));
    EXPECT_NE(rateConstant(1.0, 0.0, 1987.2, T),
              std::exp(-1987.2 / (static_cast<double>(1.9872F) * 1000.0)));
    // Texts read their leading number; a text without one, such as "xxx", reads 0.
    EXPECT_EQ(rateConstant("3.069E+13", "-0.153", "-420.1 ", 2000.0),
              3.069e13 * std::pow(2000.0, -0.153) * std::exp(420.1 / (1.9872 * 2000.0)));
    EXPECT_EQ(rateConstant("xxx", "xxx", "xxx", T), 0.0);
    EXPECT_EQ(rateConstant("", "", "", T), 0.0);
}

TEST(RateComparison, DiffsAreMissingWhereARateConstantIsZero) {
    const MarkedReaction second{"A<=>B 1 2 3", "2", "0", "0"};
    RateComparison rates = compareRates({"REV/", "20", "0", "0"}, second, 1000.0, 2000.0);
    EXPECT_EQ(rates.kr1, 20.0);
    EXPECT_EQ(rates.k2, 2.0);
    ASSERT_TRUE(rates.diffs1 && rates.diffs2);
    EXPECT_DOUBLE_EQ(*rates.diffs1, 1.0);
    EXPECT_TRUE(rates.finite());

    rates = compareRates({"REV/", "xxx", "xxx", "xxx"}, second, 1000.0, 2000.0);
    EXPECT_FALSE(rates.diffs1);
    EXPECT_FALSE(rates.diffs2);
    rates = compareRates({}, second, 1000.0, 2000.0); // the row of an A = 0 reaction
    EXPECT_FALSE(rates.diffs1);
    rates = compareRates({"REV/", "20", "0", "0"}, {"A<=>B 1 2 3", "0", "0", "0"}, 1000.0, 2000.0);
    EXPECT_FALSE(rates.diffs1);
    EXPECT_FALSE(rates.diffs2);
    EXPECT_TRUE(rates.finite());
}

TEST(RateComparison, OverflowAndNegativeRatiosAreFaults) {
    const FourCells reverse{"REV/", "1E+10", "0", "0"};
    RateComparison rates =
        compareRates(reverse, {"A<=>B 1 2 3", "1E+300", "50", "0"}, 1000.0, 2000.0);
    EXPECT_FALSE(rates.finite());
    EXPECT_EQ(rates.faultTemperature(1000.0, 2000.0), 1000.0);
    // Fine at T1, beyond the largest double at T2 only.
    rates = compareRates(reverse, {"A<=>B 1 2 3", "1E+280", "9", "0"}, 1000.0, 2000.0);
    EXPECT_TRUE(std::isfinite(rates.k1));
    EXPECT_EQ(rates.faultTemperature(1000.0, 2000.0), 2000.0);
    // A negative A' gives the logarithm of a negative ratio.
    rates = compareRates(reverse, {"A<=>B 1 2 3", "-5", "0", "0"}, 1000.0, 2000.0);
    EXPECT_FALSE(rates.finite());
    rates = compareRates(reverse, {"A<=>B 1 2 3", "5", "0", "0"}, 1000.0, 2000.0);
    EXPECT_EQ(rates.faultTemperature(1000.0, 2000.0), std::nullopt);
}

/// A ratio whose decimal logarithm, computed as the program computes it, is 0.1 exactly.
double ratioOfOneTenth() {
    double x = 1.2589254117941673; // 10^0.1
    for (int step = 0; step < 64; ++step) {
        if (decimalLog(x) == 0.1)
            return x;
        x = std::nextafter(x, decimalLog(x) < 0.1 ? 2.0 : 1.0);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

TEST(Classification, StrictToleranceAndExactAgreement) {
    const double tolerance = 10.0 / 100.0;
    EXPECT_EQ(classify(0.0999, -0.0999, tolerance), Group::Identical);
    EXPECT_EQ(classify(0.0999, 0.1001, tolerance), Group::Different);
    EXPECT_EQ(classify(-0.2, 0.0, tolerance), Group::Different);
    EXPECT_EQ(classify(0.1, 0.0, tolerance), Group::Different); // the bound itself is out
    EXPECT_EQ(classify(0.0, -0.1, tolerance), Group::Different);
    // Two expressions that agree exactly are identical, not left out.
    EXPECT_EQ(classify(0.0, 0.0, tolerance), Group::Identical);
    EXPECT_EQ(classify(std::nullopt, 0.05, tolerance), Group::NotCalculated);
    EXPECT_EQ(classify(0.05, std::nullopt, tolerance), Group::NotCalculated);
    EXPECT_EQ(classify(std::nullopt, std::nullopt, tolerance), Group::NotCalculated);
    // A tolerance of 0 leaves nothing identical, not even an exact agreement.
    EXPECT_EQ(classify(0.0, 0.0, 0.0), Group::Different);
}

TEST(Classification, ADiffsOfExactlyOneTenthWithTenPercentIsDifferent) {
    const double x = ratioOfOneTenth();
    ASSERT_FALSE(std::isnan(x)) << "no ratio gives exactly 0.1";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", x);
    const RateComparison rates =
        compareRates({"REV/", text, "0", "0"}, {"A<=>B 1 2 3", "1", "0", "0 "}, 1000.0, 2000.0);
    ASSERT_TRUE(rates.diffs1 && rates.diffs2);
    ASSERT_EQ(*rates.diffs1, 0.1);
    ASSERT_EQ(*rates.diffs2, 0.1);
    EXPECT_EQ(classify(rates.diffs1, rates.diffs2,
                       readSettingsGroup("[10/1000/2000]").tolerancePercent / 100.0),
              Group::Different);
    // Just below the bound it is identical.
    const double below = std::nextafter(x, 1.0);
    EXPECT_EQ(classify(decimalLog(below), decimalLog(below), 0.1), Group::Identical);
}

// ---- Lines and the block ---------------------------------------------------------------

TEST(Lines, TheHeaderNamesTheTemperaturesWithoutBlanks) {
    // The golden file holds a full header; here the number forms of other temperatures.
    EXPECT_EQ(headerLine(298.15, 1.5e20).substr(33, 21), "k(298.15)\tk(1.5E+20)\t");
    EXPECT_EQ(headerLine(0.5, 1000.0).substr(33, 7), "k(.5)\tk");
}

/// The lines joined with "|", the header line written "H".
std::string shown(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (line == headerLine(1000.0, 2000.0) ? "H" : line) + "|";
    return text;
}

TEST(Block, SectionsInOrderAndOnlyWhenNotEmpty) {
    const ComparisonSettings settings{10.0, 1000.0, 2000.0};
    const std::string rule86(86, '*');
    const std::string rule76(76, '*');
    const std::string rule47(47, '*');
    const std::string different =
        "-->REVERSE COEFFICIENTS CALCULATED!!!| 2 Reactions that appear in both mechanisms but "
        "with different rate constants expressions|" +
        rule86 + "|H|d1|d2||";
    const std::string notCalculated = "-->REVERSE COEFFICIENTS COULD NOT BE CALCULATED!| 2 "
                                      "Reactions have not been classified|" +
                                      rule47 + "|n1|n2||";
    EXPECT_EQ(shown(annotationBlock({{"i1", "i2", "i3"}, {"d1", "d2"}, {"n1", "n2"}}, settings)),
              different +
                  "-->REVERSE COEFFICIENTS CALCULATED!| 3 Reactions that are identical within "
                  "the set tol. of  10 %|" +
                  rule76 + "|H|i1|i2|i3||" + notCalculated);
    EXPECT_EQ(shown(annotationBlock({{"i1"}, {}, {}}, {2.5, 1000.0, 2000.0})),
              "-->REVERSE COEFFICIENTS CALCULATED!| 1 Reactions that are identical within the set "
              "tol. of  2.5 %|" +
                  rule76 + "|H|i1||");
    EXPECT_EQ(shown(annotationBlock({{}, {}, {"n1", "n2"}}, settings)), "|" + notCalculated);
    EXPECT_EQ(shown(annotationBlock({}, settings)), "|");
}

} // namespace
} // namespace zorbel
