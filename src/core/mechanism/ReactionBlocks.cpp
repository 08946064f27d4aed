#include "mechanism/ReactionBlocks.h"

#include "mechanism/AuxiliaryGroups.h"
#include "mechanism/CleanLineText.h"
#include "mechanism/MechanismTexts.h"
#include "text/ChemkinKeywords.h"
#include "text/StringOps.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace zorbel {

namespace {

bool isUnreversedKeyword(std::string_view keyword) {
    return std::find(std::begin(texts::UnreversedKeywords), std::end(texts::UnreversedKeywords),
                     keyword) != std::end(texts::UnreversedKeywords);
}

/// The species texts of an equation in capitals, both sides, falloff partners left out.
std::vector<std::string> speciesTexts(std::string equation) {
    equation = toUpperAscii(equation);
    for (std::size_t open; (open = equation.find(texts::FalloffOpening)) != std::string::npos;)
        equation.erase(open, equation.find(')', open) - open + 1);
    for (const std::string_view arrow : {texts::ReversibleArrow, texts::IrreversibleArrow})
        equation = replaceAll(equation, arrow, "+");
    std::vector<std::string> species;
    for (std::size_t begin = 0; begin <= equation.size();) {
        const std::size_t plus = std::min(equation.find('+', begin), equation.size());
        species.push_back(equation.substr(begin, plus - begin));
        begin = plus + 1;
    }
    return species;
}

/// What the equation alone says: a third body, a falloff partner, a photon or an electron.
void readEquation(std::string_view reactionLine, ReactionBlock& block) {
    const std::string equation(clean::firstWord(reactionLine));
    const std::vector<std::string> species = speciesTexts(equation);
    auto has = [&species](std::string_view name) {
        return std::find(species.begin(), species.end(), name) != species.end();
    };
    if (has(texts::PhotonSpecies) || has(texts::ElectronSpecies)) {
        block.kind = ReactionKind::Other;
        block.otherKeyword =
            has(texts::PhotonSpecies) ? texts::PhotonSpecies : texts::ElectronSpecies;
    } else if (equation.find(texts::FalloffOpening) != std::string::npos) {
        block.kind = ReactionKind::Falloff;
    } else if (has(texts::ThirdBodySpecies)) {
        block.kind = ReactionKind::ThirdBody;
    }
}

void readGroup(const AuxiliaryGroup& group, ReactionBlock& block) {
    const std::string& keyword = group.keyword;
    if (keyword == texts::DuplicateKeyword || keyword == texts::DuplicateShort)
        block.duplicate = true;
    else if (keyword == texts::RevKeyword)
        block.givenReverse = true;
    if (block.kind == ReactionKind::Other)
        return;
    if (isUnreversedKeyword(keyword)) {
        block.kind = ReactionKind::Other;
        block.otherKeyword = keyword;
    } else if (keyword == texts::PlogKeyword) {
        block.kind = ReactionKind::Plog;
    } else if (keyword == texts::HighKeyword && block.kind == ReactionKind::Falloff) {
        block.kind = ReactionKind::ChemicallyActivated;
    }
}

/// The words between a group's slashes.
std::vector<Word> contentWords(std::string_view text, const AuxiliaryGroup& group) {
    return wordsOf(text.substr(group.contentBegin, group.contentEnd - group.contentBegin));
}

bool closesSection(std::string_view line) {
    return toUpperAscii(clean::firstWord(clean::withoutComment(line))) == texts::EndKeyword;
}

} // namespace

std::vector<ReactionBlock> reactionBlocks(const std::vector<std::string>& lines,
                                          const std::vector<int>& entryLines) {
    std::vector<ReactionBlock> blocks;
    for (std::size_t e = 0; e < entryLines.size(); ++e) {
        ReactionBlock block;
        block.line = static_cast<std::size_t>(entryLines[e] - 1);
        const std::size_t limit = e + 1 < entryLines.size()
                                      ? static_cast<std::size_t>(entryLines[e + 1] - 1)
                                      : lines.size();
        readEquation(lines[block.line], block);
        for (block.end = block.line + 1; block.end < limit && !closesSection(lines[block.end]);
             ++block.end) {
            for (const AuxiliaryGroup& group : groupsOf(clean::withoutComment(lines[block.end])))
                readGroup(group, block);
        }
        blocks.push_back(std::move(block));
    }
    return blocks;
}

std::optional<GivenReverse> givenReverse(const std::vector<std::string>& lines,
                                         const ReactionBlock& block) {
    for (std::size_t i = block.line + 1; i < block.end; ++i) {
        const std::string_view text = clean::withoutComment(lines[i]);
        for (const AuxiliaryGroup& group : groupsOf(text)) {
            if (group.keyword != texts::RevKeyword)
                continue;
            GivenReverse given{i, std::nullopt};
            const std::vector<Word> words = contentWords(text, group);
            if (words.size() == 3)
                given.texts = {std::string(words[0].text), std::string(words[1].text),
                               std::string(words[2].text)};
            return given;
        }
    }
    return std::nullopt;
}

std::vector<AuxiliaryLaw> auxiliaryLaws(const std::vector<std::string>& lines,
                                        const ReactionBlock& block) {
    std::vector<AuxiliaryLaw> laws;
    for (std::size_t i = block.line + 1; i < block.end; ++i) {
        for (const AuxiliaryGroup& group : groupsOf(clean::withoutComment(lines[i]))) {
            const bool plog = group.keyword == texts::PlogKeyword;
            if (!plog && group.keyword != texts::LowKeyword && group.keyword != texts::HighKeyword)
                continue;
            AuxiliaryLaw law{i, group.contentBegin, group.contentEnd, group.keyword, {}, {}, false};
            const std::vector<Word> words = contentWords(lines[i], group);
            const std::size_t first = plog ? 1 : 0;
            law.readable = group.closed && words.size() == first + 3;
            if (law.readable) {
                if (plog)
                    law.pressure = std::string(words[0].text);
                for (std::size_t k = 0; k < 3; ++k)
                    law.texts[k] = std::string(words[first + k].text);
            }
            laws.push_back(std::move(law));
        }
    }
    return laws;
}

} // namespace zorbel
