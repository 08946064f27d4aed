#include "mechanism/SpeciesSearch.h"

#include "mechanism/MechanismTexts.h"
#include "text/ChemkinKeywords.h"
#include "text/NumberText.h"
#include "text/StringOps.h"

#include <algorithm>

namespace zorbel {

namespace {

bool opensLine(std::string_view entry, std::string_view query) {
    if (!entry.starts_with(query))
        return false;
    const std::string_view rest = entry.substr(query.size());
    return std::any_of(std::begin(texts::SpeciesOpeningFollowers),
                       std::end(texts::SpeciesOpeningFollowers),
                       [rest](std::string_view follower) { return rest.starts_with(follower); });
}

bool standsBetweenNeighbours(std::string_view entry, size_t at, size_t length) {
    const std::string_view before = entry.substr(0, at);
    const std::string_view after = entry.substr(at + length);
    return std::any_of(std::begin(texts::SpeciesNeighbourPairs),
                       std::end(texts::SpeciesNeighbourPairs),
                       [before, after](const texts::SpeciesNeighbours& pair) {
                           return before.ends_with(pair.before) && after.starts_with(pair.after);
                       });
}

} // namespace

std::string speciesQuery(std::string_view typed) {
    return toUpperAscii(removeChars(typed, " "));
}

bool containsSpecies(std::string_view entry, std::string_view query) {
    if (query.empty())
        return false;
    // The plain containment test rejects most lines before any neighbour is looked at.
    size_t at = entry.find(query);
    if (at == std::string_view::npos)
        return false;
    if (at == 0 && opensLine(entry, query))
        return true;
    // Every occurrence counts, overlapping ones included: the species may stand later in
    // the line than a first occurrence inside a longer name.
    for (; at != std::string_view::npos; at = entry.find(query, at + 1)) {
        if (standsBetweenNeighbours(entry, at, query.size()))
            return true;
    }
    return false;
}

std::vector<std::string> searchReactions(const std::vector<std::string>& domain,
                                         std::span<const std::string> queries) {
    // Each query narrows the previous stage's entries; pointers keep the domain's order
    // without copying a line until it is known to be a result.
    std::vector<const std::string*> kept;
    bool firstStage = true;
    for (const std::string& query : queries) {
        if (query.empty())
            continue;
        if (firstStage) {
            for (const std::string& entry : domain) {
                if (containsSpecies(entry, query))
                    kept.push_back(&entry);
            }
            firstStage = false;
        } else {
            std::erase_if(kept, [&query](const std::string* entry) {
                return !containsSpecies(*entry, query);
            });
        }
    }
    std::vector<std::string> results;
    results.reserve(kept.size());
    for (const std::string* entry : kept)
        results.push_back(*entry);
    return results;
}

std::optional<std::string> resultLabelText(int queryCount, std::size_t found) {
    // A full search of three species that finds nothing leaves the label as it was
    // reset, "Found: 0 Reaction"; shorter searches always report their count.
    if (queryCount <= 0 || (queryCount >= 3 && found == 0))
        return std::nullopt;
    return std::string(texts::FoundStart) + plainNumber(static_cast<double>(found)) + " " +
           std::string(texts::FoundEnd);
}

std::string searchListEntry(std::string_view entry) {
    if (entry.find(texts::ReversibleArrow) != std::string_view::npos)
        return std::string(entry);
    return replaceAll(entry, texts::IrreversibleArrow, texts::MarkedIrreversibleArrow);
}

std::string mainListEntry(std::string_view searchEntry) {
    return replaceAll(searchEntry, texts::MarkedIrreversibleArrow, texts::IrreversibleArrow);
}

std::vector<std::string> searchDomain(const std::vector<std::string>& listed, int reactionCount) {
    // The count decides how much of the list is copied; never read past its end.
    const int copied = std::clamp(reactionCount, 0, static_cast<int>(listed.size()));
    std::vector<std::string> domain;
    domain.reserve(static_cast<std::size_t>(copied));
    for (int index = 0; index < copied; ++index)
        domain.push_back(searchListEntry(listed[static_cast<std::size_t>(index)]));
    std::stable_sort(domain.begin(), domain.end());
    return domain;
}

SearchFound searchTyped(const std::vector<std::string>& domain,
                        const std::array<std::string, 3>& typed) {
    SearchFound result{{}, std::string(texts::FoundNothing)};
    std::vector<std::string> queries;
    for (const std::string& text : typed) {
        std::string query = speciesQuery(text);
        if (!query.empty())
            queries.push_back(std::move(query));
    }
    if (queries.empty())
        return result;
    result.found = searchReactions(domain, queries);
    if (std::optional<std::string> label =
            resultLabelText(static_cast<int>(queries.size()), result.found.size()))
        result.count = std::move(*label);
    return result;
}

} // namespace zorbel
