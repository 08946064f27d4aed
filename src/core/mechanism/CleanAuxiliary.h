#pragma once
// The auxiliary lines that follow a reaction line (LOW/, TROE/, REV/, PLOG/, DUPLICATE,
// efficiencies...): kept as they stand, except that the A and Ea of their LOW/, HIGH/,
// REV/ and PLOG/ groups are converted with those of the reaction line.

#include "mechanism/CleanReactionLine.h"
#include "mechanism/CleanUnits.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zorbel::clean {

/// The orders of the rates a block's lines give, for the A conversion.
struct BlockOrders {
    std::size_t main;
    std::size_t low;
    std::size_t high;
    std::size_t reverse;
    std::size_t plog;
};

BlockOrders ordersOf(const Reaction& reaction, bool hasHigh);

/// True when one of the lines holds a HIGH/ group.
bool hasHighGroup(const std::vector<std::string>& auxiliaries);

/// The auxiliary line with its LOW/, HIGH/, REV/ and PLOG/ numbers converted, or the
/// keyword of the group that could not be read.
struct ConvertedLine {
    std::string text;
    bool changed = false;
    std::string unreadable;
};

ConvertedLine convertAuxiliary(const std::string& line, const Converter& converter,
                               const BlockOrders& orders);

} // namespace zorbel::clean
