#pragma once
// The annotation of a comparison file as values: RevAll.txt read back and paired with the
// marked reactions, the two rate expressions of each reaction compared at two temperatures,
// the reactions sorted into three groups, and the block of lines that reports them.

#include "comparison/ComparisonFile.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

/// The first four blank-separated words of a line: the text before the first blank, then
/// the texts between the next blanks; the fourth runs to the end of the line when no
/// fourth blank follows it.
using FourCells = std::array<std::string, 4>;
FourCells splitFourCells(std::string_view line);

/// One reaction of RevAll.txt: its reaction line and its result line, each cut into four
/// cells. A "REV/ " line gives "REV/", Arev, nrev, Earev; a comment for a missing species
/// or an irreversible reaction gives "REV/" and three "xxx"; any other comment leaves the
/// result cells empty.
struct ReversedReaction {
    FourCells reaction;
    FourCells result;
};

/// One reaction as a run wrote it in the reaction-lines layout: its line, then the lines
/// that follow it, the last of which settles it.
ReversedReaction reversedReaction(const std::vector<std::string>& lines);

/// Pairs each reaction line of RevAll.txt (after its two header lines) with the last result
/// line that follows it before the next reaction line, so that personal-range comments in
/// front of a "REV/ " line do not shift the pairing. Nothing when the file does not list
/// `entries` in order.
std::optional<std::vector<ReversedReaction>> pairResults(const std::vector<std::string>& revAll,
                                                         const std::vector<std::string>& entries);

/// k(T) = A T^n exp(-E / (R T)) with R = 1.9872 cal/(mol K) in double precision [units of
/// A]; E [cal/mol], T [K].
double rateConstant(double A, double n, double E, double T);

/// log10 as the natural logarithm over ln 10, both in double precision.
double decimalLog(double x);

/// The rate constant from three cell texts (a text without a number, such as "xxx", reads
/// as 0).
double rateConstant(std::string_view aText, std::string_view nText, std::string_view eaText,
                    double T);

/// The two rate expressions of one reaction at T1 and T2. A Diffs is log10(kr / k'), or
/// nothing ("xxx") when one of the two rate constants is 0.
struct RateComparison {
    double kr1 = 0.0; ///< reverse rate constant from Arev, nrev, Earev at T1
    double kr2 = 0.0;
    double k1 = 0.0; ///< second expression from A', n', Ea' at T1
    double k2 = 0.0;
    std::optional<double> diffs1;
    std::optional<double> diffs2;
    /// False when a value overflows or is not a number.
    bool finite() const;
    /// The check temperature [K] at which the first non-finite value stands, or nothing.
    std::optional<double> faultTemperature(double T1, double T2) const;
};
RateComparison compareRates(const FourCells& result, const MarkedReaction& marked, double T1,
                            double T2);

enum class Group { Different, Identical, NotCalculated };

/// Not calculated when a Diffs is missing; identical when both lie strictly within the
/// tolerance fraction; different otherwise.
Group classify(const std::optional<double>& diffs1, const std::optional<double>& diffs2,
               double toleranceFraction);

/// The equation as the comparison file writes it: "|=>" as "=>" and "+(" back to "(+".
std::string restoreEquation(std::string_view equation);

/// The 16 tab-joined fields of a compared reaction.
std::string classifiedLine(const ReversedReaction& reversed, const MarkedReaction& marked,
                           const RateComparison& rates);
/// The equation, a tab and the note that it could not be compared.
std::string unclassifiedLine(const ReversedReaction& reversed);
/// The 16 column labels, with the two check temperatures in the rate-constant labels.
std::string headerLine(double T1, double T2);

/// The lines of each group, in the order of the marked reactions.
struct ClassifiedLines {
    std::vector<std::string> identical;
    std::vector<std::string> different;
    std::vector<std::string> notCalculated;
};

/// The block inserted into the comparison file: a section per group that is not empty
/// (different, identical, not calculated), then one empty line.
std::vector<std::string> annotationBlock(const ClassifiedLines& lines,
                                         const ComparisonSettings& settings);

} // namespace zorbel
