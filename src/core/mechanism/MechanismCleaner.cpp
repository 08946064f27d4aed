#include "mechanism/MechanismCleaner.h"

#include "mechanism/CleanLineText.h"
#include "mechanism/CleanReactionLine.h"
#include "mechanism/CleanSections.h"
#include "mechanism/CleanTexts.h"
#include "mechanism/CleanUnits.h"
#include "mechanism/MechanismTexts.h"
#include "mechanism/ParsedReaction.h"
#include "text/StringOps.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace zorbel {

namespace {

using namespace clean;

/// The index of the REACTIONS line; the number of lines when there is none.
std::size_t reactionsLineOf(const std::vector<std::string>& lines) {
    std::size_t at = 0;
    while (at < lines.size() && !isReactionsKeyword(firstWord(withoutComment(lines[at]))))
        ++at;
    return at;
}

/// The exact REACTIONS line, its comment, and a comment for each conversion made.
void writeReactionsLine(std::string_view reactionsLine, const SectionUnits& units,
                        CleanedMechanism& result) {
    result.lines.emplace_back(texts::ReactionsKeyword);
    if (std::string_view comment = commentOf(reactionsLine); !comment.empty())
        result.lines.push_back(harmlessComment(comment));
    if (units.convertsEnergy())
        result.lines.push_back(std::string(texts::EaConvertedStart) +
                               std::string(units.energy->word) +
                               std::string(texts::EaConvertedEnd));
    if (units.molecules)
        result.lines.emplace_back(texts::AConvertedLine);
}

/// Cleans the reaction blocks from line `i` on; the index of the END line (or of the end).
std::size_t cleanReactions(const std::vector<std::string>& lines, std::size_t i,
                           SectionCleaner& cleaner, CleanedMechanism& result) {
    // A line that is no reaction, auxiliary line or comment opens a block of its own, which
    // is commented out with why.
    const auto opensBlock = [&lines](std::size_t at) {
        return isReactionLine(lines[at]) || isStrayReactionSectionLine(toUpperAscii(lines[at]));
    };
    // Lines before the first reaction (comments, blank lines) are kept as they stand.
    while (i < lines.size() && !opensBlock(i) && !isEndLine(lines[i]))
        result.lines.push_back(harmlessComment(lines[i++]));
    while (i < lines.size() && !isEndLine(lines[i])) {
        const std::size_t reactionAt = i++;
        std::vector<std::string> auxiliaries;
        while (i < lines.size() && !opensBlock(i) && !isEndLine(lines[i]))
            auxiliaries.push_back(lines[i++]);
        if (isStrayReactionSectionLine(toUpperAscii(lines[reactionAt])))
            cleaner.strayLine(static_cast<int>(reactionAt + 1), lines[reactionAt], auxiliaries);
        else
            cleaner.block(static_cast<int>(reactionAt + 1), lines[reactionAt], auxiliaries);
    }
    return i;
}

} // namespace

CleanedMechanism cleanMechanism(const std::vector<std::string>& lines) {
    CleanedMechanism result;
    const std::size_t reactionsAt = reactionsLineOf(lines);
    if (reactionsAt == lines.size()) {
        result.refusal = texts::NoReactionsSection;
        return result;
    }
    const std::optional<SectionUnits> units = readUnits(lines[reactionsAt], result.refusal);
    if (!units)
        return result;

    const std::vector<std::string> header(lines.begin(),
                                          lines.begin() + static_cast<long>(reactionsAt));
    result.lines = header;
    writeReactionsLine(lines[reactionsAt], *units, result);
    SectionCleaner cleaner(*units, declaredSpecies(header), result);
    const std::size_t end = cleanReactions(lines, reactionsAt + 1, cleaner, result);
    // END and whatever follows it are not reactions.
    result.lines.insert(result.lines.end(), lines.begin() + static_cast<long>(end), lines.end());
    return result;
}

} // namespace zorbel
