#include "mechanism/MechanismCheck.h"

#include "mechanism/CleanLineText.h"
#include "mechanism/CleanReactionLine.h"
#include "mechanism/CleanSections.h"
#include "mechanism/CleanTexts.h"
#include "mechanism/MechanismTexts.h"
#include "mechanism/ParsedReaction.h"
#include "text/ChemkinKeywords.h"
#include "text/StringOps.h"

#include <algorithm>
#include <map>

namespace zorbel {

namespace {

using namespace clean;

std::vector<std::string> speciesOf(const Side& side) {
    std::vector<std::string> species;
    for (const std::string& text : side.species)
        species.push_back(toUpperAscii(text));
    return species;
}

/// "(+AR)" gives AR, "(+M)" nothing.
std::string partnerOf(const Reaction& reaction) {
    const std::string& written = reaction.reactants.partner;
    if (written.size() < 4)
        return {};
    std::string name = toUpperAscii(std::string_view(written).substr(2, written.size() - 3));
    return isThirdBody(name) ? std::string() : name;
}

bool marksDuplicate(std::string_view line) {
    return toUpperAscii(firstWord(withoutComment(line))).starts_with(texts::DuplicateShort);
}

std::string sideKey(std::vector<std::string> species) {
    std::sort(species.begin(), species.end());
    std::string key;
    for (const std::string& name : species)
        key += name + "+";
    return key;
}

std::string reactionKey(const CheckedReaction& reaction) {
    const std::string forward = sideKey(reaction.reactants) + "=" + sideKey(reaction.products);
    const std::string kind = reaction.falloff ? "(+" + reaction.partner + ")" : std::string();
    if (!reaction.reversible)
        return forward + ">" + kind;
    const std::string backward = sideKey(reaction.products) + "=" + sideKey(reaction.reactants);
    return std::min(forward, backward) + kind;
}

} // namespace

bool isThirdBody(const std::string& name) {
    return name == texts::ThirdBodySpecies;
}

CheckedSection checkedSection(const std::vector<std::string>& lines, const std::string& file) {
    std::size_t i = 0;
    while (i < lines.size() && !isReactionsKeyword(firstWord(withoutComment(lines[i]))))
        ++i;
    const std::set<std::string> declared = declaredSpecies(
        std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(i)));
    CheckedSection section;
    std::vector<CheckedReaction>& reactions = section.reactions;
    bool reading = false; // the lines follow a reaction that was read
    for (++i; i < lines.size() && !isEndLine(lines[i]); ++i) {
        const std::string upper = toUpperAscii(lines[i]);
        if (isStrayReactionSectionLine(upper)) {
            reading = false;
            section.refused.push_back({file, i + 1, std::string(texts::NotAReaction)});
            continue;
        }
        if (!isReactionLine(lines[i])) {
            if (reading && marksDuplicate(lines[i]))
                reactions.back().duplicate = true;
            continue;
        }
        Reaction reaction;
        const Problem problem = readReaction(lines[i], declared, reaction);
        // The runs read the line as the cleaner writes it; a line the cleaner cannot read
        // is named by what the runs would refuse in it as written, when they would.
        const bool listed = upper.find(texts::IrreversibleArrow) != std::string::npos;
        std::string fault = problem.empty() ? entryFault(toUpperAscii(reactionLine(reaction)))
                                            : (listed ? entryFault(upper) : std::string());
        if (!problem.empty() && fault.empty())
            fault = std::string(problem);
        reading = fault.empty();
        if (!reading) {
            section.refused.push_back({file, i + 1, std::move(fault)});
            continue;
        }
        reactions.push_back({i + 1, speciesOf(reaction.reactants), speciesOf(reaction.products),
                             partnerOf(reaction), reaction.arrow == texts::ReversibleArrow,
                             !reaction.reactants.partner.empty(), false});
    }
    return section;
}

std::vector<Finding> unmarkedDuplicates(const std::vector<CheckedReaction>& reactions,
                                        const std::string& file) {
    std::vector<Finding> findings;
    std::map<std::string, const CheckedReaction*> first;
    for (const CheckedReaction& reaction : reactions) {
        const auto [known, added] = first.try_emplace(reactionKey(reaction), &reaction);
        if (!added && !(reaction.duplicate && known->second->duplicate))
            findings.push_back({file, reaction.line,
                                std::string(texts::CheckDuplicateStart) +
                                    std::to_string(known->second->line) +
                                    std::string(texts::CheckDuplicateEnd)});
    }
    return findings;
}

} // namespace zorbel
