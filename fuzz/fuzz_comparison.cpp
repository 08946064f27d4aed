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
#include <limits>
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

std::string cellsText(const FourCells& cells) {
    return "[" + cells[0] + "][" + cells[1] + "][" + cells[2] + "][" + cells[3] + "]";
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

/// Every marked line in front of the first one that cannot be cut gives a reaction.
void checkScan(const std::vector<std::string>& lines, const MarkedScan& scan) {
    std::size_t marked = 0;
    const std::size_t end = scan.badLine ? static_cast<std::size_t>(*scan.badLine) : lines.size();
    ZORBEL_FUZZ_CHECK(!scan.badLine || (end >= 1 && end <= lines.size()), std::to_string(end));
    for (std::size_t index = 0; index < end; ++index) {
        if (isMarkedLine(lines[index]))
            ++marked;
    }
    if (scan.badLine) {
        const std::string& bad = lines[end - 1];
        ZORBEL_FUZZ_CHECK(isMarkedLine(bad), bad);
        ZORBEL_FUZZ_CHECK(!cutMarkedLine(cleanMarkedLine(bad)), bad);
        --marked; // the bad line itself gives none
    }
    ZORBEL_FUZZ_CHECK(scan.reactions.size() == marked,
                      std::to_string(scan.reactions.size()) + " of " + std::to_string(marked));
    for (const MarkedReaction& reaction : scan.reactions) {
        ZORBEL_FUZZ_CHECK(countOf(reaction.entry, ' ') == 3, reaction.entry);
        ZORBEL_FUZZ_CHECK(countOf(reaction.entry, '\t') == 0, reaction.entry);
    }
}

/// Slashes and text in front of the group, such as a path, do not change what it reads.
void checkSettings(const std::string& firstLine, const ComparisonSettings& settings) {
    const ComparisonSettings behindPath = readSettingsGroup("C:/runs/a/b/c.txt " + firstLine);
    ZORBEL_FUZZ_CHECK(sameNumber(behindPath.tolerancePercent, settings.tolerancePercent) &&
                          sameNumber(behindPath.T1, settings.T1) &&
                          sameNumber(behindPath.T2, settings.T2),
                      firstLine);
}

// ---- RevAll.txt read back --------------------------------------------------------------

/// The first cells of a line joined at single blanks are the line, or its start up to the
/// blank that ends the fourth; no cell holds a blank, and cells past the line are empty.
void checkCells(std::string_view line) {
    const FourCells cells = splitFourCells(line);
    const std::size_t blanks = countOf(line, ' ');
    const std::size_t filled = std::min<std::size_t>(blanks, 3) + 1;
    std::string joined;
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        ZORBEL_FUZZ_CHECK(countOf(cells[cell], ' ') == 0, cellsText(cells));
        if (cell >= filled) {
            ZORBEL_FUZZ_CHECK(cells[cell].empty(), cellsText(cells));
            continue;
        }
        if (cell != 0)
            joined += ' ';
        joined += cells[cell];
    }
    if (blanks <= 3)
        ZORBEL_FUZZ_CHECK(joined == line, cellsText(cells));
    else
        ZORBEL_FUZZ_CHECK(line.substr(0, joined.size() + 1) == joined + ' ', cellsText(cells));
}

/// A paired file gives one row per entry, each row's reaction cut from its own entry.
void checkPairing(const std::vector<ReversedReaction>& reversed,
                  const std::vector<std::string>& entries) {
    ZORBEL_FUZZ_CHECK(reversed.size() == entries.size(),
                      std::to_string(reversed.size()) + " rows for " +
                          std::to_string(entries.size()) + " entries");
    for (std::size_t k = 0; k < reversed.size(); ++k)
        ZORBEL_FUZZ_CHECK(reversed[k].reaction == splitFourCells(entries[k]), entries[k]);
}

/// What a result line gives as the row's result cells.
FourCells expectedResult(const std::string& line) {
    if (!line.starts_with('!'))
        return splitFourCells(line);
    if (line.find(texts::MissingWord) != std::string::npos ||
        line.find(texts::IrreversibleWord) != std::string::npos)
        return {"REV/", "xxx", "xxx", "xxx"};
    return {};
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

/// The written file always pairs, and when no result line could be taken for an entry,
/// each row carries what its result line says.
void checkWrittenPairing(const std::vector<ReversedReaction>& reversed,
                         const std::vector<std::string>& entries,
                         const std::vector<std::string>& results) {
    checkPairing(reversed, entries);
    for (std::size_t k = 0; k < results.size() && k < entries.size(); ++k) {
        if (std::find(entries.begin(), entries.end(), results[k]) != entries.end())
            return; // a line that reads as a reaction may shift the rows after it
    }
    for (std::size_t k = 0; k < reversed.size(); ++k) {
        const std::string* line = results.empty() ? nullptr : &results[k % results.size()];
        const FourCells expected = line != nullptr ? expectedResult(*line)
                                   : k % 2 == 1    ? expectedResult(std::string(rangeComment))
                                                   : FourCells{};
        ZORBEL_FUZZ_CHECK(reversed[k].result == expected, entries[k] + " gave " +
                                                              cellsText(reversed[k].result) +
                                                              ", not " + cellsText(expected));
    }
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

/// Comparing a reaction's second expression with itself gives equal rate constants and
/// Diffs of 0, which any tolerance above 0 calls identical.
void checkSelfComparison(const MarkedReaction& marked, const ComparisonSettings& s) {
    const FourCells own = {"REV/", marked.aText, marked.nText, marked.eaText};
    const RateComparison rates = compareRates(own, marked, s.T1, s.T2);
    ZORBEL_FUZZ_CHECK(sameNumber(rates.kr1, rates.k1) && sameNumber(rates.kr2, rates.k2),
                      marked.entry);
    if (!rates.finite())
        return;
    const bool bothNonZero = rates.k1 != 0.0 && rates.k2 != 0.0;
    ZORBEL_FUZZ_CHECK(!bothNonZero || (*rates.diffs1 == 0.0 && *rates.diffs2 == 0.0), marked.entry);
    const Group group = classify(rates.diffs1, rates.diffs2, 1e-12);
    ZORBEL_FUZZ_CHECK(group == (bothNonZero ? Group::Identical : Group::NotCalculated),
                      marked.entry);
}

/// Not calculated exactly when a Diffs is missing; a wider tolerance keeps an identical
/// reaction identical, and a tolerance of 0 leaves nothing identical.
void checkClassify(Group group, const RateComparison& rates, double toleranceFraction) {
    const bool missing = !rates.diffs1 || !rates.diffs2;
    ZORBEL_FUZZ_CHECK((group == Group::NotCalculated) == missing, "the Diffs rule");
    if (group == Group::Identical) {
        ZORBEL_FUZZ_CHECK(toleranceFraction > 0.0, generalNumber(toleranceFraction));
        const double wider = std::numeric_limits<double>::infinity();
        ZORBEL_FUZZ_CHECK(classify(rates.diffs1, rates.diffs2, wider) == Group::Identical,
                          "identical, then not under a wider tolerance");
    }
    if (!missing)
        ZORBEL_FUZZ_CHECK(classify(rates.diffs1, rates.diffs2, 0.0) == Group::Different,
                          "identical with a tolerance of 0");
}

// ---- The block and the merged file -----------------------------------------------------

/// The section of a group that is not empty: its title, a line that starts with its count,
/// and its lines in order; titles stand in the order of the groups.
std::size_t checkSection(const std::vector<std::string>& block, std::string_view title,
                         const std::vector<std::string>& lines, std::size_t after) {
    const auto at = std::find(block.begin(), block.end(), title);
    if (lines.empty()) {
        ZORBEL_FUZZ_CHECK(at == block.end(), std::string(title) + " for an empty group");
        return after;
    }
    ZORBEL_FUZZ_CHECK(at != block.end() && at + 1 != block.end(), std::string(title));
    const auto position = static_cast<std::size_t>(at - block.begin());
    ZORBEL_FUZZ_CHECK(position >= after, std::string(title) + " out of order");
    ZORBEL_FUZZ_CHECK(readLeadingNumber(*(at + 1)) == static_cast<double>(lines.size()), *(at + 1));
    ZORBEL_FUZZ_CHECK(std::search(at + 2, block.end(), lines.begin(), lines.end()) != block.end(),
                      std::string(title) + ": lines missing or out of order");
    return position;
}

void checkBlock(const std::vector<std::string>& block, const ClassifiedLines& lines) {
    ZORBEL_FUZZ_CHECK(!block.empty() && block.back().empty(), "the block's last line");
    if (lines.different.empty() && lines.identical.empty() && lines.notCalculated.empty())
        ZORBEL_FUZZ_CHECK(block.size() == 1, "a block with no reactions");
    std::size_t after = 0;
    after = checkSection(block, texts::DifferentTitle, lines.different, after);
    after = checkSection(block, texts::IdenticalTitle, lines.identical, after);
    checkSection(block, texts::NotCalculatedTitle, lines.notCalculated, after);
}

/// The file's lines in order, the block whole in front of the first tolerance line.
void checkMerge(const std::vector<std::string>& lines, const std::vector<std::string>& block) {
    const MergedFile merged = mergeAnnotation(lines, block);
    const auto tolerance = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find(texts::ToleranceWord) != std::string::npos;
    });
    ZORBEL_FUZZ_CHECK(merged.inserted == (tolerance != lines.end()), "the tolerance rule");
    if (!merged.inserted) {
        ZORBEL_FUZZ_CHECK(merged.lines == lines, "a file changed without a tolerance line");
        return;
    }
    const auto before = static_cast<std::ptrdiff_t>(tolerance - lines.begin());
    const auto blockSize = static_cast<std::ptrdiff_t>(block.size());
    ZORBEL_FUZZ_CHECK(merged.lines.size() == lines.size() + block.size(), "lines lost or added");
    ZORBEL_FUZZ_CHECK(std::equal(lines.begin(), tolerance, merged.lines.begin()),
                      "the lines before the block");
    ZORBEL_FUZZ_CHECK(std::equal(block.begin(), block.end(), merged.lines.begin() + before),
                      "the block");
    ZORBEL_FUZZ_CHECK(std::equal(tolerance, lines.end(), merged.lines.begin() + before + blockSize),
                      "the lines after the block");
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
        checkClassify(group, rates, toleranceFraction);
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
    checkBlock(block, classified);
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
    if (!lines.empty())
        checkSettings(lines.front(), settings);
    const std::string header = headerLine(settings.T1, settings.T2);
    ZORBEL_FUZZ_CHECK(countOf(header, '\t') == 15, header);

    const MarkedScan scan = scanMarkedLines(lines);
    checkScan(lines, scan);
    std::size_t cutsChecked = 0;
    for (const std::string& line : lines) {
        if (isMarkedLine(line) && ++cutsChecked <= maxReactionsCompared)
            checkCut(line);
    }
    for (std::size_t index = 0; index < revAll.size() && index < maxReactionsCompared; ++index)
        checkCells(revAll[index]);

    std::vector<std::string> entries;
    for (const MarkedReaction& marked : scan.reactions)
        entries.push_back(marked.entry);
    for (std::size_t k = 0; k < scan.reactions.size() && k < maxReactionsCompared; ++k)
        checkSelfComparison(scan.reactions[k], settings);

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
    checkWrittenPairing(*reversed, entries, revAll);
    annotate(lines, *reversed, scan.reactions, settings);
    return 0;
}
