#pragma once
// The groups of an auxiliary line of a mechanism: "KEYWORD / numbers /" (LOW/, TROE/,
// PLOG/, an efficiency such as H2O/6.0/) or a bare word (DUPLICATE).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

struct AuxiliaryGroup {
    std::string keyword; // in capitals
    std::size_t contentBegin = 0;
    std::size_t contentEnd = 0;
    bool closed = false; // its closing slash is on the line
};

/// The groups of a line whose comment has been removed, from left to right.
std::vector<AuxiliaryGroup> groupsOf(std::string_view text);

} // namespace zorbel
