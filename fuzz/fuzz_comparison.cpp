// A comparison file and the reversed mechanism file read back beside it, as a user might
// hand them over: the settings group, the marked lines cut into entry and second
// expression, each entry paired with its result line, the rate constants compared and
// classified, and the annotation block merged into the file.
//
// The input is the comparison file, then a NUL byte and the lines of RevAll.txt. Each
// marked reaction is also paired against a RevAll.txt written here from the entries, the
// way the Reverse-All worker writes it, so that the comparison runs on every input and not
// only on those that happen to list the entries in order.

#include "FuzzCheck.h"
#include "comparison/Annotation.h"
#include "comparison/ComparisonFile.h"
#include "comparison/ComparisonTexts.h"
#include "files/TextFiles.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zorbel;

/// Enough reactions to reach every kind of line the input holds, few enough to keep the
/// runs fast on a large input.
constexpr std::size_t maxReactionsCompared = 128;
constexpr char separator = '\0';
constexpr double percent = 100.0;
const std::vector<std::string> revAllHeader = {"REACTIONS", "!GENERATED THE 01/01/24 00:00:00"};
/// The personal-range comment the worker may write in front of a result line.
constexpr std::string_view rangeComment =
    "!Your personal Cold Temperature has not been taken into account";

std::size_t countOf(std::string_view text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

bool sameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// ---- The comparison file ---------------------------------------------------------------

/// A cleaned line cuts when it holds six blanks, and the cut pieces joined at single
/// blanks give the line back.
void checkCut(const std::string& line) {
    const std::string cleaned = cleanMarkedLine(line);
    ZORBEL_FUZZ_CHECK(cleaned.find('\t') == std::string::npos, cleaned);
    const std::optional<MarkedReaction> marked = cutMarkedLine(cleaned);
    ZORBEL_FUZZ_CHECK(marked.has_value() == (countOf(cleaned, ' ') >= 6), cleaned);
    if (!marked)
        return;
    ZORBEL_FUZZ_CHECK(countOf(marked->entry, ' ') == 3, marked->entry);
    ZORBEL_FUZZ_CHECK(countOf(marked->aText, ' ') == 0, marked->aText);
    ZORBEL_FUZZ_CHECK(countOf(marked->nText, ' ') == 0, marked->nText);
    ZORBEL_FUZZ_CHECK(
        marked->entry + ' ' + marked->aText + ' ' + marked->nText + ' ' + marked->eaText == cleaned,
        cleaned);
}

// ---- RevAll.txt read back --------------------------------------------------------------

/// A paired file gives one row per entry, each row's reaction cut from its own entry.
void checkPairing(const std::vector<ReversedReaction>& reversed,
                  const std::vector<std::string>& entries) {
    ZORBEL_FUZZ_CHECK(reversed.size() == entries.size(),
                      std::to_string(reversed.size()) + " rows for " +
                          std::to_string(entries.size()) + " entries");
    for (std::size_t k = 0; k < reversed.size(); ++k)
        ZORBEL_FUZZ_CHECK(reversed[k].reaction == splitFourCells(entries[k]), entries[k]);
}

/// RevAll.txt as the worker writes it for these entries: each entry, for every other one a
/// personal-range comment, then a result line taken in turn from `results`.
std::vector<std::string> writtenRevAll(const std::vector<std::string>& entries,
                                       const std::vector<std::string>& results) {
    std::vector<std::string> revAll = revAllHeader;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        revAll.push_back(entries[k]);
        if (k % 2 == 1)
            revAll.emplace_back(rangeComment);
        if (!results.empty())
            revAll.push_back(results[k % results.size()]);
    }
    return revAll;
}

// ---- Rate constants, Diffs and the groups ----------------------------------------------

void checkRates(const RateComparison& rates, const ComparisonSettings& s) {
    ZORBEL_FUZZ_CHECK(rates.diffs1.has_value() == (rates.kr1 != 0.0 && rates.k1 != 0.0),
                      "Diffs1 present with a rate constant of 0, or missing without");
    ZORBEL_FUZZ_CHECK(rates.diffs2.has_value() == (rates.kr2 != 0.0 && rates.k2 != 0.0),
                      "Diffs2 present with a rate constant of 0, or missing without");
    const std::optional<double> fault = rates.faultTemperature(s.T1, s.T2);
    ZORBEL_FUZZ_CHECK(fault.has_value() == !rates.finite(), "a fault without a temperature");
    if (fault)
        ZORBEL_FUZZ_CHECK(sameNumber(*fault, s.T1) || sameNumber(*fault, s.T2),
                          generalNumber(*fault));
}

// ---- The block and the merged file -----------------------------------------------------

/// The file's lines in order, the block whole in front of the first tolerance line.
void checkMerge(const std::vector<std::string>& lines, const std::vector<std::string>& block) {
    const MergedFile merged = mergeAnnotation(lines, block);
    const auto tolerance = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find(texts::ToleranceWord) != std::string::npos;
    });
    ZORBEL_FUZZ_CHECK(merged.inserted == (tolerance != lines.end()), "the tolerance rule");
    std::vector<std::string> expected(lines.begin(), tolerance);
    if (merged.inserted)
        expected.insert(expected.end(), block.begin(), block.end());
    expected.insert(expected.end(), tolerance, lines.end());
    ZORBEL_FUZZ_CHECK(merged.lines == expected, "lines lost, added or out of place");
}

/// Compares, classifies and annotates as the command does; a reaction whose rate constants
/// the command would refuse is left out here, so that the others still reach the block.
void annotate(const std::vector<std::string>& lines, const std::vector<ReversedReaction>& reversed,
              const std::vector<MarkedReaction>& marked, const ComparisonSettings& settings) {
    const double toleranceFraction = settings.tolerancePercent / percent;
    ClassifiedLines classified;
    for (std::size_t k = 0; k < reversed.size() && k < maxReactionsCompared; ++k) {
        const RateComparison rates =
            compareRates(reversed[k].result, marked[k], settings.T1, settings.T2);
        checkRates(rates, settings);
        if (rates.faultTemperature(settings.T1, settings.T2))
            continue;
        const Group group = classify(rates.diffs1, rates.diffs2, toleranceFraction);
        ZORBEL_FUZZ_CHECK((group == Group::NotCalculated) == (!rates.diffs1 || !rates.diffs2),
                          "the Diffs rule");
        if (group == Group::NotCalculated) {
            const std::string line = unclassifiedLine(reversed[k]);
            ZORBEL_FUZZ_CHECK(countOf(line, '\t') == 1, line);
            classified.notCalculated.push_back(line);
            continue;
        }
        const std::string line = classifiedLine(reversed[k], marked[k], rates);
        const FourCells& result = reversed[k].result;
        const std::size_t resultTabs =
            countOf(result[1], '\t') + countOf(result[2], '\t') + countOf(result[3], '\t');
        ZORBEL_FUZZ_CHECK(countOf(line, '\t') == 15 + resultTabs, line);
        (group == Group::Identical ? classified.identical : classified.different).push_back(line);
    }
    const std::vector<std::string> block = annotationBlock(classified, settings);
    ZORBEL_FUZZ_CHECK(!block.empty() && block.back().empty(), "the block's last line");
    checkMerge(lines, block);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const std::size_t cut = text.find(separator);
    const std::vector<std::string> lines = splitLines(text.substr(0, cut));
    const std::vector<std::string> revAll = cut == std::string_view::npos
                                                ? std::vector<std::string>{}
                                                : splitLines(text.substr(cut + 1));

    const ComparisonSettings settings =
        lines.empty() ? ComparisonSettings{} : readSettingsGroup(lines.front());
    const std::string header = headerLine(settings.T1, settings.T2);
    ZORBEL_FUZZ_CHECK(countOf(header, '\t') == 15, header);

    const MarkedScan scan = scanMarkedLines(lines);
    std::size_t cutsChecked = 0;
    for (const std::string& line : lines) {
        if (isMarkedLine(line) && ++cutsChecked <= maxReactionsCompared)
            checkCut(line);
    }

    std::vector<std::string> entries;
    for (const MarkedReaction& marked : scan.reactions)
        entries.push_back(marked.entry);

    // The file as the input gives it, which may not list the entries at all.
    if (const std::optional<std::vector<ReversedReaction>> reversed =
            pairResults(revAll, entries)) {
        checkPairing(*reversed, entries);
        annotate(lines, *reversed, scan.reactions, settings);
    }
    // The file as the worker writes it, with the input's lines as results.
    const std::vector<std::string> written = writtenRevAll(entries, revAll);
    const std::optional<std::vector<ReversedReaction>> reversed = pairResults(written, entries);
    ZORBEL_FUZZ_CHECK(reversed.has_value(), "the written file does not pair");
    checkPairing(*reversed, entries);
    annotate(lines, *reversed, scan.reactions, settings);
    return 0;
}
