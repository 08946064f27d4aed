#include "comparison/Annotation.h"

#include "comparison/ComparisonTexts.h"
#include "numeric/ExactMath.h"
#include "reversal/ReversalTexts.h"
#include "text/ChemkinKeywords.h"
#include "text/NumberText.h"
#include "text/StringOps.h"

#include <cmath>

namespace zorbel {

namespace {

/// R [cal/(mol K)] of the comparison, deliberately a double of its own: the reversal's
/// single-precision constant would shift the compared rate constants.
constexpr double comparisonGasConstant = 1.9872;
constexpr char fieldSeparator = '\t';

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

/// A result line as the working table reads it.
FourCells resultCells(std::string_view line) {
    if (startsWith(line, "!")) {
        if (contains(line, texts::MissingWord) || contains(line, texts::IrreversibleWord))
            return splitFourCells(texts::NoReverseLine);
        return {};
    }
    return splitFourCells(line);
}

std::string joinFields(const std::vector<std::string_view>& fields) {
    std::string line;
    for (size_t index = 0; index < fields.size(); ++index) {
        if (index != 0)
            line += fieldSeparator;
        line += fields[index];
    }
    return line;
}

std::optional<double> diffs(double kr, double k) {
    if (kr == 0.0 || k == 0.0)
        return std::nullopt;
    return decimalLog(kr / k);
}

std::string diffsText(const std::optional<double>& value) {
    return formatNumber(value.value_or(0.0), texts::DiffsPattern);
}

std::string rateLabel(double T) {
    return removeChars(std::string(texts::HeaderRateOpen) + plainNumber(T) +
                           std::string(texts::HeaderRateClose),
                       " ");
}

void addSection(std::vector<std::string>& block, std::string_view title, size_t count,
                std::string_view countText, size_t rule) {
    block.emplace_back(title);
    block.push_back(plainNumber(static_cast<double>(count)) + std::string(countText));
    block.emplace_back(rule, texts::RuleCharacter);
}

} // namespace

FourCells splitFourCells(std::string_view line) {
    FourCells cells;
    size_t start = 0;
    for (size_t cell = 0; cell < cells.size(); ++cell) {
        // Each cell ends at the next blank, the last one's too; without one, at the end.
        const size_t blank = line.find(' ', start);
        cells[cell] = std::string(line.substr(start, blank - start));
        if (blank == std::string_view::npos)
            break;
        start = blank + 1;
    }
    return cells;
}

ReversedReaction reversedReaction(const std::vector<std::string>& lines) {
    ReversedReaction reversed;
    if (lines.empty())
        return reversed;
    reversed.reaction = splitFourCells(lines.front());
    if (lines.size() > 1)
        reversed.result = resultCells(lines.back());
    return reversed;
}

std::optional<std::vector<ReversedReaction>> pairResults(const std::vector<std::string>& revAll,
                                                         const std::vector<std::string>& entries) {
    constexpr size_t headerLines = 2;
    std::vector<ReversedReaction> reactions;
    reactions.reserve(entries.size());
    size_t index = headerLines;
    for (size_t k = 0; k < entries.size(); ++k) {
        if (index >= revAll.size() || revAll[index] != entries[k])
            return std::nullopt;
        ReversedReaction& reversed = reactions.emplace_back();
        reversed.reaction = splitFourCells(revAll[index]);
        ++index;
        // The worker writes the reaction line, then any personal-range comments, then the
        // line that settles the reaction: the last one before the next reaction line.
        const std::string* settling = nullptr;
        while (index < revAll.size() &&
               !(k + 1 < entries.size() && revAll[index] == entries[k + 1])) {
            settling = &revAll[index];
            ++index;
        }
        if (settling != nullptr)
            reversed.result = resultCells(*settling);
    }
    return reactions;
}

double rateConstant(double A, double n, double E, double T) {
    return A * exact::pow(T, n) * exact::exp(-E / (comparisonGasConstant * T));
}

double decimalLog(double x) {
    return exact::log(x) / exact::log(10.0);
}

double rateConstant(std::string_view aText, std::string_view nText, std::string_view eaText,
                    double T) {
    return rateConstant(readLeadingNumber(aText), readLeadingNumber(nText),
                        readLeadingNumber(eaText), T);
}

bool RateComparison::finite() const {
    return std::isfinite(kr1) && std::isfinite(kr2) && std::isfinite(k1) && std::isfinite(k2) &&
           std::isfinite(diffs1.value_or(0.0)) && std::isfinite(diffs2.value_or(0.0));
}

std::optional<double> RateComparison::faultTemperature(double T1, double T2) const {
    if (!std::isfinite(kr1) || !std::isfinite(k1) || !std::isfinite(diffs1.value_or(0.0)))
        return T1;
    if (!finite())
        return T2;
    return std::nullopt;
}

RateComparison compareRates(const FourCells& result, const MarkedReaction& marked, double T1,
                            double T2) {
    RateComparison rates;
    rates.kr1 = rateConstant(result[1], result[2], result[3], T1);
    rates.kr2 = rateConstant(result[1], result[2], result[3], T2);
    rates.k1 = rateConstant(marked.aText, marked.nText, marked.eaText, T1);
    rates.k2 = rateConstant(marked.aText, marked.nText, marked.eaText, T2);
    rates.diffs1 = diffs(rates.kr1, rates.k1);
    rates.diffs2 = diffs(rates.kr2, rates.k2);
    return rates;
}

Group classify(const std::optional<double>& diffs1, const std::optional<double>& diffs2,
               double toleranceFraction) {
    // Two expressions that agree exactly give Diffs of 0: they are identical. Only a rate
    // constant of 0 leaves a reaction out of the comparison.
    if (!diffs1 || !diffs2)
        return Group::NotCalculated;
    if (std::fabs(*diffs1) < toleranceFraction && std::fabs(*diffs2) < toleranceFraction)
        return Group::Identical;
    return Group::Different;
}

std::string restoreEquation(std::string_view equation) {
    return replaceAll(
        replaceAll(equation, texts::MarkedIrreversibleArrow, texts::IrreversibleArrow),
        texts::FalloffSplit, texts::FalloffOpening);
}

std::string classifiedLine(const ReversedReaction& reversed, const MarkedReaction& marked,
                           const RateComparison& rates) {
    const std::string equation = restoreEquation(reversed.reaction[0]);
    const std::string kr1 = formatNumber(rates.kr1, texts::RateConstantPattern);
    const std::string kr2 = formatNumber(rates.kr2, texts::RateConstantPattern);
    const std::string k1 = formatNumber(rates.k1, texts::RateConstantPattern);
    const std::string k2 = formatNumber(rates.k2, texts::RateConstantPattern);
    const std::string diffs1 = diffsText(rates.diffs1);
    const std::string diffs2 = diffsText(rates.diffs2);
    return joinFields({equation, reversed.reaction[1], reversed.reaction[2], reversed.reaction[3],
                       reversed.result[1], reversed.result[2], reversed.result[3], kr1, kr2,
                       marked.aText, marked.nText, marked.eaText, k1, k2, diffs1, diffs2});
}

std::string unclassifiedLine(const ReversedReaction& reversed) {
    return joinFields({restoreEquation(reversed.reaction[0]), texts::NotAbleToCalculate});
}

std::string headerLine(double T1, double T2) {
    const std::string k1 = rateLabel(T1);
    const std::string k2 = rateLabel(T2);
    return joinFields({texts::HeaderReactions, texts::ACaption, texts::NCaption, texts::HeaderEa,
                       texts::HeaderArev, texts::HeaderNrev, texts::HeaderEarev, k1, k2,
                       texts::HeaderArev, texts::HeaderNrev, texts::HeaderEarev, k1, k2,
                       texts::HeaderDiffs1, texts::HeaderDiffs2});
}

std::vector<std::string> annotationBlock(const ClassifiedLines& lines,
                                         const ComparisonSettings& settings) {
    const std::string header = headerLine(settings.T1, settings.T2);
    std::vector<std::string> block;
    if (!lines.different.empty()) {
        addSection(block, texts::DifferentTitle, lines.different.size(), texts::DifferentCount,
                   texts::DifferentRule);
        block.push_back(header);
        block.insert(block.end(), lines.different.begin(), lines.different.end());
        block.emplace_back();
    }
    if (!lines.identical.empty()) {
        const std::string countText = std::string(texts::IdenticalCount) +
                                      plainNumber(settings.tolerancePercent) +
                                      std::string(texts::PercentSign);
        addSection(block, texts::IdenticalTitle, lines.identical.size(), countText,
                   texts::IdenticalRule);
        block.push_back(header);
        block.insert(block.end(), lines.identical.begin(), lines.identical.end());
    }
    if (!lines.notCalculated.empty()) {
        block.emplace_back();
        addSection(block, texts::NotCalculatedTitle, lines.notCalculated.size(),
                   texts::NotCalculatedCount, texts::NotCalculatedRule);
        block.insert(block.end(), lines.notCalculated.begin(), lines.notCalculated.end());
    }
    block.emplace_back();
    return block;
}

} // namespace zorbel
