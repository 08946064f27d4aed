#pragma once
// The words of the CHEMKIN layout that the readers look for and the window shows: the
// parsers and the cleaner read them here, not among the window's captions.

#include <string_view>

namespace zorbel::texts {

/// The keyword that closes a section of the database and mechanism files.
inline constexpr std::string_view EndKeyword = "END";
/// The arrows of a reversible and of an irreversible reaction.
inline constexpr std::string_view ReversibleArrow = "<=>";
inline constexpr std::string_view IrreversibleArrow = "=>";

} // namespace zorbel::texts
