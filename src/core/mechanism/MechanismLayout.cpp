#include "mechanism/MechanismLayout.h"

#include "files/TextFiles.h"
#include "mechanism/CleanLineText.h"
#include "mechanism/CleanReactionLine.h"
#include "mechanism/CleanSections.h"
#include "mechanism/CleanTexts.h"
#include "mechanism/MechanismTexts.h"

namespace zorbel {

namespace {

using namespace clean;

LayoutProblem::Kind reactionProblem(const Reaction& reaction) {
    if (reaction.blanksRemoved)
        return LayoutProblem::Kind::Blanks;
    if (reaction.plainArrow)
        return LayoutProblem::Kind::PlainArrow;
    if (reaction.factorsSpelledOut)
        return LayoutProblem::Kind::Factor;
    return LayoutProblem::Kind::Spacing;
}

} // namespace

std::optional<LayoutProblem> layoutProblem(const std::vector<std::string>& lines) {
    std::size_t at = 0;
    while (at < lines.size() && !isReactionsKeyword(firstWord(withoutComment(lines[at]))))
        ++at;
    if (at == lines.size())
        return std::nullopt;
    if (lines[at] != texts::ReactionsKeyword)
        return LayoutProblem{LayoutProblem::Kind::ReactionsLine, at + 1};
    const std::set<std::string> declared = declaredSpecies(
        std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(at)));
    for (std::size_t i = at + 1; i < lines.size() && !isEndLine(lines[i]); ++i) {
        Reaction reaction;
        // A line the cleaner cannot read either is left to the loader as it stands.
        if (isReactionLine(lines[i]) && readReaction(lines[i], declared, reaction).empty() &&
            !isInLayout(lines[i], reaction))
            return LayoutProblem{reactionProblem(reaction), i + 1};
    }
    return std::nullopt;
}

std::string_view layoutProblemText(LayoutProblem::Kind kind) {
    switch (kind) {
    case LayoutProblem::Kind::ReactionsLine:
        return texts::LayoutReactionsLine;
    case LayoutProblem::Kind::Blanks:
        return texts::LayoutBlanks;
    case LayoutProblem::Kind::PlainArrow:
        return texts::LayoutPlainArrow;
    case LayoutProblem::Kind::Factor:
        return texts::LayoutFactor;
    case LayoutProblem::Kind::Spacing:
        break;
    }
    return texts::LayoutSpacing;
}

std::string cleanFilePath(const std::string& path) {
    const PathParts parts = splitPath(path);
    const std::size_t dot = parts.fileName.rfind('.');
    const std::string name =
        dot == std::string::npos || dot == 0 ? parts.fileName : parts.fileName.substr(0, dot);
    return pathInFolder(parts.folder, name + std::string(texts::CleanFileEnding));
}

std::string cleanRefusal(const std::string& path, const std::string& refusal) {
    return path + std::string(texts::FileBeforeRefusal) + refusal;
}

std::string cleanSummary(const CleanedMechanism& cleaned, const std::string& cleanPath) {
    return std::string(texts::CleanedInto) + cleanPath + std::string(texts::CleanedColon) +
           std::to_string(cleaned.written) + std::string(texts::SummaryWritten) +
           std::to_string(cleaned.blanksRemoved) + std::string(texts::CountBlanks) +
           std::to_string(cleaned.arrowsWritten) + std::string(texts::CountArrows) +
           std::to_string(cleaned.factorsSpelledOut) + std::string(texts::CountFactors) +
           std::to_string(cleaned.spacingFixed) + std::string(texts::CountSpacing) +
           std::to_string(cleaned.converted) + std::string(texts::SummaryConverted) +
           std::to_string(cleaned.commentedOut.size()) + std::string(texts::SummaryCommentedOut);
}

} // namespace zorbel
