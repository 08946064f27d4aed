#include "reversal/InputCheck.h"

#include "mechanism/CleanTexts.h"
#include "mechanism/MechanismCheck.h"
#include "text/NumberText.h"
#include "thermo/DatabaseCheck.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace zorbel {

namespace {

using Elements = std::map<std::string, double>;

/// The element counts of one side; nothing when a species is not in the database.
std::optional<Elements> sideElements(const std::vector<std::string>& species,
                                     const DatabaseCheck& database) {
    Elements total;
    for (const std::string& name : species) {
        if (isThirdBody(name))
            continue;
        const auto known = database.species.find(name);
        if (known == database.species.end())
            return std::nullopt;
        for (const auto& [element, count] : known->second.elements)
            total[element] += count;
    }
    return total;
}

bool balances(const Elements& left, const Elements& right) {
    std::set<std::string> elements;
    for (const Elements* side : {&left, &right})
        for (const auto& entry : *side)
            elements.insert(entry.first);
    return std::all_of(elements.begin(), elements.end(), [&](const std::string& element) {
        const auto l = left.find(element);
        const auto r = right.find(element);
        const double a = l == left.end() ? 0 : l->second;
        const double b = r == right.end() ? 0 : r->second;
        return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
    });
}

std::string elementsText(const Elements& elements) {
    std::string text;
    for (const auto& [element, count] : elements)
        text += (text.empty() ? "" : " ") + element + " " + generalNumber(count);
    return text;
}

void checkReaction(const CheckedReaction& reaction, const DatabaseCheck& database,
                   const std::string& file, std::set<std::string>& reported,
                   std::vector<Finding>& findings) {
    std::vector<std::string> all = reaction.reactants;
    all.insert(all.end(), reaction.products.begin(), reaction.products.end());
    if (!reaction.partner.empty())
        all.push_back(reaction.partner);
    for (const std::string& name : all) {
        if (!isThirdBody(name) && database.species.count(name) == 0 && reported.insert(name).second)
            findings.push_back({file, reaction.line,
                                std::string(texts::CheckMissingStart) + name +
                                    std::string(texts::CheckMissingEnd)});
    }
    const std::optional<Elements> left = sideElements(reaction.reactants, database);
    const std::optional<Elements> right = sideElements(reaction.products, database);
    if (left && right && !balances(*left, *right))
        findings.push_back({file, reaction.line,
                            std::string(texts::CheckBalanceStart) + elementsText(*left) +
                                std::string(texts::CheckBalanceArrow) + elementsText(*right)});
}

} // namespace

std::vector<Finding> checkInputs(const std::vector<std::string>& thermoLines,
                                 const std::string& thermoFile,
                                 const std::vector<std::string>* mechanismLines,
                                 const std::string& mechanismFile) {
    DatabaseCheck database = checkDatabase(thermoLines, thermoFile);
    std::vector<Finding> findings = std::move(database.findings);
    if (mechanismLines == nullptr)
        return findings;
    CheckedSection section = checkedSection(*mechanismLines, mechanismFile);
    std::vector<Finding> mechanism = unmarkedDuplicates(section.reactions, mechanismFile);
    mechanism.insert(mechanism.end(), section.refused.begin(), section.refused.end());
    std::set<std::string> reported;
    for (const CheckedReaction& reaction : section.reactions)
        checkReaction(reaction, database, mechanismFile, reported, mechanism);
    std::stable_sort(mechanism.begin(), mechanism.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    findings.insert(findings.end(), mechanism.begin(), mechanism.end());
    return findings;
}

} // namespace zorbel
