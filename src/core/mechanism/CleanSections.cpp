#include "mechanism/CleanSections.h"

#include "mechanism/CleanAuxiliary.h"
#include "mechanism/CleanLineText.h"
#include "mechanism/CleanReactionLine.h"
#include "mechanism/CleanTexts.h"
#include "mechanism/MechanismTexts.h"
#include "text/ChemkinKeywords.h"
#include "text/StringOps.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace zorbel::clean {

namespace {

/// A commented-out line keeps its text; an auxiliary line of a commented-out reaction is
/// commented out too, so that no reader attaches it to the reaction written before.
std::string commentedOut(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == CommentChar)
        return harmlessComment(line);
    return std::string(texts::CommentMark) + harmlessComment(line);
}

} // namespace

bool isReactionsKeyword(std::string_view word) {
    const std::string upper = toUpperAscii(word);
    return upper.size() >= texts::ReactionsKeywordStart.size() &&
           texts::ReactionsKeyword.substr(0, upper.size()) == upper;
}

bool isEndLine(std::string_view line) {
    return toUpperAscii(firstWord(withoutComment(line))) == texts::EndKeyword;
}

std::set<std::string> declaredSpecies(const std::vector<std::string>& header) {
    std::set<std::string> species;
    bool inSpecies = false;
    for (const std::string& line : header) {
        const std::vector<Word> words = wordsOf(withoutComment(line));
        for (std::size_t i = 0; i < words.size(); ++i) {
            const std::string upper = toUpperAscii(words[i].text);
            if (!inSpecies) {
                inSpecies = i == 0 && upper.rfind(texts::SpeciesKeywordStart, 0) == 0;
                if (!inSpecies)
                    break;
            } else if (upper == texts::EndKeyword) {
                inSpecies = false;
                break;
            } else {
                species.insert(upper);
            }
        }
    }
    return species;
}

SectionCleaner::WrittenBlock
SectionCleaner::written(const std::string& line,
                        const std::vector<std::string>& auxiliaries) const {
    WrittenBlock block;
    Reaction& reaction = block.reaction;
    if (Problem problem = readReaction(line, declared_, reaction); !problem.empty()) {
        block.problem = problem;
        return block;
    }
    const BlockOrders orders = ordersOf(reaction, hasHighGroup(auxiliaries));
    const std::optional<std::string> a = converter_.a(reaction.aText, orders.main);
    const std::optional<std::string> ea = converter_.ea(reaction.eaText);
    if (!a || !ea) {
        block.problem = texts::CoefficientsUnreadable;
        return block;
    }
    block.changed = *a != reaction.aText || *ea != reaction.eaText;
    reaction.aText = *a;
    reaction.eaText = *ea;
    block.lines.push_back(reactionLine(reaction));
    for (const std::string& auxiliary : auxiliaries) {
        ConvertedLine converted = convertAuxiliary(auxiliary, converter_, orders);
        if (!converted.unreadable.empty()) {
            block.problem = std::string(texts::AuxiliaryUnreadableStart) + converted.unreadable +
                            std::string(texts::AuxiliaryUnreadableEnd);
            return block;
        }
        block.changed = block.changed || converted.changed;
        block.lines.push_back(harmlessComment(converted.text));
    }
    return block;
}

void SectionCleaner::commentOut(int lineNumber, const std::string& line,
                                const std::vector<std::string>& auxiliaries, std::string reason) {
    result_.lines.push_back(std::string(texts::NotCleanedStart) + reason +
                            std::string(texts::NotCleanedMiddle) + harmlessComment(trimmed(line)));
    for (const std::string& auxiliary : auxiliaries)
        result_.lines.push_back(commentedOut(auxiliary));
    result_.commentedOut.push_back({lineNumber, std::move(reason)});
}

void SectionCleaner::block(int lineNumber, const std::string& line,
                           const std::vector<std::string>& auxiliaries) {
    WrittenBlock block = written(line, auxiliaries);
    if (!block.problem.empty()) {
        commentOut(lineNumber, line, auxiliaries, std::move(block.problem));
        return;
    }
    result_.lines.insert(result_.lines.end(), block.lines.begin(), block.lines.end());
    ++result_.written;
    if (block.changed)
        ++result_.converted;
    result_.blanksRemoved += block.reaction.blanksRemoved ? 1 : 0;
    result_.arrowsWritten += block.reaction.plainArrow ? 1 : 0;
    result_.factorsSpelledOut += block.reaction.factorsSpelledOut ? 1 : 0;
    result_.spacingFixed += block.reaction.spacingFixed ? 1 : 0;
}

} // namespace zorbel::clean
