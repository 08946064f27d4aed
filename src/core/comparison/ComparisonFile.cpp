#include "comparison/ComparisonFile.h"

#include "comparison/ComparisonTexts.h"
#include "text/NumberText.h"
#include "text/StringOps.h"

#include <cmath>

namespace zorbel {

namespace {

constexpr char blank = ' ';

/// The position of the next blank at or after `from`, if any.
std::optional<size_t> nextBlank(std::string_view text, size_t from) {
    const size_t position = text.find(blank, from);
    if (position == std::string_view::npos)
        return std::nullopt;
    return position;
}

} // namespace

bool isMarkedLine(std::string_view line) {
    return contains(line, texts::ComparisonMark);
}

std::string cleanMarkedLine(std::string_view line) {
    std::string cleaned = replaceAll(line, texts::ComparisonMark, "");
    cleaned = replaceAll(cleaned, "\t", " ");
    return replaceAll(cleaned, texts::FalloffOpening, texts::FalloffSplit);
}

std::optional<MarkedReaction> cutMarkedLine(std::string_view cleaned) {
    // The first three blanks separate equation, A, n and Ea; the fourth ends the entry.
    size_t from = 0;
    size_t fourth = 0;
    for (int blanks = 0; blanks < 4; ++blanks) {
        std::optional<size_t> position = nextBlank(cleaned, from);
        if (!position)
            return std::nullopt;
        fourth = *position;
        from = *position + 1;
    }
    const std::string_view rest = cleaned.substr(fourth + 1);
    std::optional<size_t> first = nextBlank(rest, 0);
    if (!first)
        return std::nullopt;
    std::optional<size_t> second = nextBlank(rest, *first + 1);
    if (!second)
        return std::nullopt;
    MarkedReaction marked;
    marked.entry = std::string(cleaned.substr(0, fourth));
    marked.aText = std::string(rest.substr(0, *first));
    marked.nText = std::string(rest.substr(*first + 1, *second - *first - 1));
    marked.eaText = std::string(rest.substr(*second + 1));
    return marked;
}

MarkedScan scanMarkedLines(const std::vector<std::string>& lines) {
    MarkedScan scan;
    for (size_t index = 0; index < lines.size(); ++index) {
        if (!isMarkedLine(lines[index]))
            continue;
        std::optional<MarkedReaction> marked = cutMarkedLine(cleanMarkedLine(lines[index]));
        if (!marked) {
            scan.badLine = static_cast<int>(index) + 1;
            return scan;
        }
        scan.reactions.push_back(std::move(*marked));
    }
    return scan;
}

std::vector<std::string> entriesOf(const std::vector<MarkedReaction>& reactions) {
    std::vector<std::string> entries;
    entries.reserve(reactions.size());
    for (const MarkedReaction& marked : reactions)
        entries.push_back(marked.entry);
    return entries;
}

ComparisonSettings readSettingsGroup(std::string_view firstLine) {
    // The separators are looked for after the opening bracket, so that a path with
    // slashes earlier in the line cannot pass for the group.
    const size_t open = firstLine.find(texts::SettingsOpen);
    if (open == std::string_view::npos)
        return {};
    const size_t first = firstLine.find(texts::SettingsSeparator, open + 1);
    if (first == std::string_view::npos)
        return {};
    const size_t second = firstLine.find(texts::SettingsSeparator, first + 1);
    if (second == std::string_view::npos)
        return {};
    const size_t close = firstLine.find(texts::SettingsClose, second + 1);
    if (close == std::string_view::npos)
        return {};
    const auto between = [&](size_t from, size_t to) {
        const size_t length = to - from - 1;
        return readLeadingNumber(firstLine.substr(from + 1, length));
    };
    return {between(open, first), between(first, second), between(second, close)};
}

MergedFile mergeAnnotation(const std::vector<std::string>& lines,
                           const std::vector<std::string>& block) {
    MergedFile merged;
    merged.lines.reserve(lines.size() + block.size());
    for (const std::string& line : lines) {
        if (!merged.inserted && contains(line, texts::ToleranceWord)) {
            merged.lines.insert(merged.lines.end(), block.begin(), block.end());
            merged.inserted = true;
        }
        merged.lines.push_back(line);
    }
    return merged;
}

std::optional<std::string> unusableTolerance(std::string_view firstLine) {
    const size_t open = firstLine.find(texts::SettingsOpen);
    if (open == std::string_view::npos)
        return std::nullopt;
    const size_t first = firstLine.find(texts::SettingsSeparator, open + 1);
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view text = trimmed(firstLine.substr(open + 1, first - open - 1));
    const double tolerance = readLeadingNumber(text);
    if (isWholeNumberText(text) && std::isfinite(tolerance) && tolerance >= 0.0)
        return std::nullopt;
    return std::string(text);
}

} // namespace zorbel
