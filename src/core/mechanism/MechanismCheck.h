#pragma once
// The reactions of a mechanism, as published or cleaned, as a check of the input files
// reads them: their species with factors spelled out, and whether they are marked
// DUPLICATE, and the lines that no reader can use.

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
    /// Written with a falloff partner "(+M)": another reaction than the same species
    /// without it, whatever the partner.
    bool falloff = false;
    bool duplicate = false;
};

/// The reaction section's reactions that a run can reverse, and a finding for every line
/// of it that a reader refuses: a line that is no reaction, auxiliary line or comment, a
/// reaction line that cannot be read or that the runs refuse (see entryFault).
struct CheckedSection {
    std::vector<CheckedReaction> reactions;
    std::vector<Finding> refused;
};

/// True for the third body M, which is no species of the database.
bool isThirdBody(const std::string& name);

CheckedSection checkedSection(const std::vector<std::string>& lines, const std::string& file);

/// Reactions written twice (the same species on each side, in any order, or the sides
/// swapped for a reversible reaction) of which not both are marked DUPLICATE.
std::vector<Finding> unmarkedDuplicates(const std::vector<CheckedReaction>& reactions,
                                        const std::string& file);

} // namespace zorbel
