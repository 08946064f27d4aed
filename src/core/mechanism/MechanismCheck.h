#pragma once
// The reactions of a mechanism, as published or cleaned, as a check of the input files
// reads them: their species with factors spelled out, and whether they are marked
// DUPLICATE. Lines the cleaner cannot read are left out.

#include "text/Finding.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zorbel {

struct CheckedReaction {
    std::size_t line = 0; ///< 1-based
    /// Species in capitals, the third body M among them; the falloff partner left out.
    std::vector<std::string> reactants, products;
    /// A falloff partner other than M, "(+AR)" giving AR; empty otherwise.
    std::string partner;
    bool reversible = true;
    bool duplicate = false;
};

/// True for the third body M, which is no species of the database.
bool isThirdBody(const std::string& name);

std::vector<CheckedReaction> checkedReactions(const std::vector<std::string>& lines);

/// Reactions written twice (the same species on each side, in any order, or the sides
/// swapped for a reversible reaction) of which not both are marked DUPLICATE.
std::vector<Finding> unmarkedDuplicates(const std::vector<CheckedReaction>& reactions,
                                        const std::string& file);

} // namespace zorbel
